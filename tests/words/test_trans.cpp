#include "base/Gbk.h"
#include "base/Random.h"
#include "words/CWordTrans.h"

#include <gtest/gtest.h>

#include <set>

using namespace vt;

namespace {

// "pos|text" pairs in UTF-8, joined by " / ".
std::string split(const char* utf8, bool* result = nullptr) {
    Set<SingleMeaning> list;
    const bool r = CWordTrans::splitMeanings(gbk(utf8), list);
    if (result)
        *result = r;
    std::string s;
    list.rewind();
    while (const SingleMeaning* m = list.next()) {
        if (!s.empty())
            s += " / ";
        s += toUtf8(m->partOfSpeech) + "|" + toUtf8(m->text);
    }
    return s;
}

} // namespace

TEST(MeaningSplit, Cases) {
    struct Case {
        const char* text;
        const char* senses;
    } cases[] = {
        {"n. 算盘；计算器；", "n.|算盘 / n.|计算器"},
        {"n. 量（尺寸，大小）；体积；", "n.|量（尺寸，大小） / n.|体积"},
        {"n. (a, b) thing; other;", "n.|(a, b) thing / n.|other"},
        {"n. 算盘；v. 计算；", "n.|算盘 / v.|计算"},
        {"n. 算盘； v. 计算；", "n.|算盘 / v.|计算"},
        {"v. 放弃；抛弃", "v.|放弃 / v.|抛弃"},                   // last sense without closing separator
        {"v. 放弃；抛弃 n. 放任", "v.|放弃 / v.|抛弃 / n.|放任"}, // ... ends before the next part of speech
        {"n. 算盘 v. 计算", "n.|算盘 v. 计算 / v.|计算"},         // first sense runs to the end
        {"vt.&vi. 移动；", "vt.|移动 / vi.|移动"},                // grouped parts of speech: each gets the sense
        {"n. a", ""},                                             // one-byte sense dropped
        {"adj. 好的...真的；", "adj.|好的...真的"},
        {". 无词性", ".|无词性"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(split(c.text), c.senses) << c.text;

    bool result = true;
    EXPECT_EQ(split("没有句点", &result), "");
    EXPECT_FALSE(result);
    EXPECT_EQ(split("", &result), "");
    EXPECT_FALSE(result);
    split("n. a", &result);
    EXPECT_TRUE(result);
}

TEST(MeaningSplit, RandomMeaningReachesEverySense) {
    CRandom rng(3);
    std::set<std::string> seen;
    std::string out;
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(CWordTrans::randomMeaning(gbk("n. 算盘；计算器；v. 计算；"), out, rng));
        seen.insert(toUtf8(out));
    }
    EXPECT_EQ(seen, (std::set<std::string>{"n.算盘", "n.计算器", "v.计算"}));
    EXPECT_FALSE(CWordTrans::randomMeaning(gbk("没有"), out, rng));

    // The index formula: the top draw picks the last sense, zero the first.
    CRandom fixed(1);
    const int r = fixed.next(); // 41
    CRandom replay(1);
    ASSERT_TRUE(CWordTrans::randomMeaning(gbk("n. 一一；二二；三三；"), out, replay));
    EXPECT_EQ(out, gbk("n.") + (CRandom::drawWith(r, 1, 3) == 1 ? gbk("一一") : gbk("二二")));
}
