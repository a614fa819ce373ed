// The "Enlighten" memory aid: which bytes of each field survive, the part order and the association limit.
#include "base/Gbk.h"
#include "study/Enlighten.h"
#include "words/CWordStruct.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(Enlighten, RootPartRules) {
    struct Case {
        const char* hint;
        const char* root;
    } cases[] = {
        {"a＋band（带子）＋on", "a＋band＋on"},   // glosses in full-width brackets go, "＋" stays
        {"ab(离开)＋normal(正常)", "ab＋normal"}, // ASCII brackets go too, their Chinese content as well
        {"自动词根分析: ab＋use", ""},            // an automatic analysis counts as empty
        {"自动分析：band  n. 带子", "band  n. "}, // a different automatic hint is walked like any other
        {"", ""},
        {"纯中文的记法", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(toUtf8(enlightenRootPart(gbk(c.hint))), c.root) << c.hint;
}

TEST(Enlighten, TrailBytesBelow0x80AreNeverCopied) {
    // "丂" is 0x81 0x40 in GBK: its trail byte is '@'.
    const std::string hint = gbk("丂a＋b");
    ASSERT_EQ(static_cast<unsigned char>(hint[1]), 0x40);
    EXPECT_EQ(toUtf8(enlightenRootPart(hint)), "a＋b");
    EXPECT_EQ(enlightenPartOfSpeech(gbk("丂v.丂")), "v.");
}

TEST(Enlighten, MeaningAndExampleParts) {
    EXPECT_EQ(enlightenPartOfSpeech(gbk("v. 放弃；抛弃(旧物)")), "v. ()");
    EXPECT_EQ(enlightenExamplePart(gbk("He (really) left. 他(真的)走了。")), "He really left. ");
}

TEST(Enlighten, AssociationTakesValuesTwoToTwenty) {
    // First value is the word itself; commas and semicolons inside a value go; each value ends with ",".
    EXPECT_EQ(enlightenAssociation(gbk("[W]band[W]bandage  n. 绷带,包扎\n[W]strip  n. 带;条\n")),
              "bandage  n. \n,strip  n. \n,");
    EXPECT_EQ(enlightenAssociation(gbk("[W]band")), "");
    // Stops at the first empty value.
    EXPECT_EQ(enlightenAssociation("[W]a[W]b[W][W]c"), "b,");

    std::string many = "[W]w";
    for (int i = 1; i <= 30; ++i)
        many += "[W]x" + std::to_string(i);
    std::string want;
    for (int i = 1; i <= 19; ++i)
        want += "x" + std::to_string(i) + ",";
    EXPECT_EQ(enlightenAssociation(many), want);
}

TEST(Enlighten, PartsAreBounded) {
    std::string longHint;
    for (int i = 0; i < 800; ++i)
        longHint += gbk("ab＋");
    const std::string root = enlightenRootPart(longHint);
    EXPECT_LE(root.size(), kEnlightenPartLimit);
    EXPECT_GE(root.size(), kEnlightenPartLimit - 2);
    // Cut between characters: the part still converts and ends in a whole "＋" or an ASCII byte.
    std::string utf8;
    EXPECT_TRUE(gbkToUtf8(root, utf8));

    std::string assoc = "[W]w";
    for (int i = 0; i < 19; ++i)
        assoc += "[W]" + std::string(200, 'a');
    const std::string part = enlightenAssociation(assoc);
    EXPECT_LE(part.size(), kEnlightenPartLimit);
    EXPECT_EQ(part.back(), ',');
    EXPECT_EQ(enlightenExamplePart(std::string(5000, 'e')).size(), kEnlightenPartLimit);
}

TEST(Enlighten, AidComposition) {
    CWordStruct w;
    w.m_firstExample = gbk("He abandoned his car. 他弃车了。");
    w.m_firstMeaning = gbk("v. 放弃");
    w.m_hint = gbk("a＋band（带子）＋on");
    w.m_association = gbk("[W]abandon[W]abandoned  adj. 被抛弃的\n");
    EXPECT_EQ(toUtf8(buildEnlightenAid(w)), "He abandoned his car. [词性]v. \r\n[记法]a＋band＋on\r\n"
                                            "[联想]abandoned  adj. \n,\r\n");

    CWordStruct onlyChinese;
    onlyChinese.m_firstMeaning = gbk("放弃");
    onlyChinese.m_hint = gbk("自动词根分析: a＋band");
    onlyChinese.m_association = gbk("[W]x");
    EXPECT_EQ(buildEnlightenAid(onlyChinese), "");
}
