#include "base/Gbk.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"

#include <gtest/gtest.h>

using namespace vt;

namespace {

CWordStruct word(const std::string& w, const std::string& meaning = "", const std::string& example = "") {
    CWordStruct e;
    e.m_word = w;
    e.m_meaningCount = 1;
    e.m_meanings[0] = meaning;
    e.m_examples[0] = example;
    return e;
}

std::string words(const CWordList& lib) {
    std::string s;
    for (int i = 1; i <= lib.count(); ++i)
        s += (i > 1 ? "," : "") + lib.entry(i).m_word;
    return s;
}

} // namespace

TEST(WordList, EditingRules) {
    CWordList lib;
    lib.m_spareCapacity = 2;
    lib.reset();
    EXPECT_FALSE(lib.insert(word("a"), 2)); // empty library: only position 1
    EXPECT_FALSE(lib.insert(word(""), 1));  // no word
    EXPECT_TRUE(lib.insert(word("b"), 1));
    EXPECT_TRUE(lib.insert(word("a"), 1));
    EXPECT_TRUE(lib.append(word("d")));
    EXPECT_EQ(words(lib), "a,b,d");
    EXPECT_TRUE(lib.insert(word("c"), 3)); // at N: the old last entry moves to N + 1
    EXPECT_EQ(words(lib), "a,b,c,d");
    EXPECT_FALSE(lib.insert(word("e"), 5)); // N + 1: use append
    EXPECT_FALSE(lib.insert(word("e"), 0));
    // More entries than the spare capacity: the array grows instead of refusing or overrunning.
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(lib.append(word("z" + std::to_string(i))));
    EXPECT_EQ(lib.count(), 54);
    EXPECT_GT(lib.capacity(), 54);

    EXPECT_FALSE(lib.replace(word("x"), 0));
    EXPECT_FALSE(lib.replace(word("x"), 55));
    EXPECT_FALSE(lib.replace(word(""), 1));
    EXPECT_TRUE(lib.replace(word("A"), 1));
    EXPECT_EQ(lib.entry(1).m_word, "A");

    EXPECT_FALSE(lib.remove(55));
    EXPECT_FALSE(lib.remove(0));
    EXPECT_TRUE(lib.remove(2));
    EXPECT_EQ(lib.entry(2).m_word, "c");
    EXPECT_EQ(lib.count(), 53);
    int index = 0;
    EXPECT_TRUE(lib.findIndex("z49", index));
    EXPECT_EQ(index, 53);
    EXPECT_FALSE(lib.findIndex("Z49", index)); // exact, case-sensitive

    CWordList one;
    one.reset();
    one.append(word("only"));
    EXPECT_TRUE(one.remove(1));
    EXPECT_EQ(one.count(), 0);
    EXPECT_TRUE(one.insert(word("again"), 1));
}

TEST(WordList, LetterIndexRunsAndUnits) {
    CWordList lib;
    ASSERT_TRUE(lib.load(test::fixture("words_units.rem"))) << lib.lastErrorDetail();
    EXPECT_EQ(lib.m_letterIndex[0][0], 2);
    EXPECT_EQ(lib.m_letterIndex[1]['g' - 'a' + 1], 2);
    EXPECT_EQ(lib.m_letterIndex[1][27], 4);
    EXPECT_EQ(lib.m_letterIndex[2]['b' - 'a' + 1], 4);
    EXPECT_EQ(lib.m_letterIndex[2][27], 6);
    struct Case {
        const char* word;
        bool found;
        int index;
        int unit;
    } cases[] = {{"apple", true, 1, 1}, {"ZOO", true, 3, 1},  {"going", true, 5, 2}, {"Yes", true, 6, 2},
                 {"bags", false, 0, 0}, {"1st", false, 0, 0}, {"", false, 0, 0}};
    for (const Case& c : cases) {
        int index = -1, unit = -1;
        EXPECT_EQ(lib.lookUpIndex(c.word, index, unit), c.found) << c.word;
        EXPECT_EQ(index, c.index) << c.word;
        EXPECT_EQ(unit, c.unit) << c.word;
    }
    CWordStruct out;
    int unit = 0;
    ASSERT_TRUE(lib.lookUp("Go", out, unit));
    EXPECT_EQ(out.m_meanings[0], gbk("v. 去"));
    EXPECT_EQ(lib.unitOf(0), 0);
    EXPECT_EQ(lib.unitOf(4), 2);
    EXPECT_EQ(lib.unitOf(7), 0);
    EXPECT_EQ(lib.unitStart(2), 4);
    EXPECT_EQ(lib.unitEnd(2), 6);
    // Unit sizes read from a damaged file may be huge: the bounds stay positive instead of wrapping.
    CWordList damaged = lib;
    damaged.m_unitSizes[1] = damaged.m_unitSizes[2] = INT32_MAX;
    EXPECT_EQ(damaged.unitStart(3), INT32_MAX);
    EXPECT_EQ(damaged.unitEnd(2), INT32_MAX);

    // Deleting after the index was built never sends the look-up past the last entry.
    ASSERT_TRUE(lib.remove(6));
    ASSERT_TRUE(lib.remove(5));
    int index = 0;
    EXPECT_FALSE(lib.lookUpIndex("yes", index, unit));
}

TEST(WordList, IndexStopsAtFortyNineRuns) {
    CWordList lib;
    lib.m_magic = "VerbaTroveRem";
    lib.reset();
    for (int run = 0; run < 60; ++run) {
        lib.append(word("b" + std::to_string(run)));
        lib.append(word("a" + std::to_string(run)));
    }
    lib.buildLetterIndex();
    EXPECT_EQ(lib.m_letterIndex[0][0], 49);
    int index = 0, unit = 0;
    EXPECT_TRUE(lib.lookUpIndex("a47", index, unit));
    EXPECT_EQ(index, 96);
    EXPECT_FALSE(lib.lookUpIndex("a55", index, unit)); // beyond the table: findIndex still finds it
    EXPECT_TRUE(lib.findIndex("a55", index));
}

TEST(WordList, ExampleSentenceSearch) {
    CWordList lib;
    lib.reset();
    lib.append(word("go", "", "We go now."));             // the word itself: skipped
    lib.append(word("going", "", "Going, going, gone.")); // contains "go" only inside words
    lib.append(word("home", "", "They go home."));
    lib.append(word("house", "", "They go home.")); // same sentence again: listed once
    lib.append(word("car", "", "Let it go"));       // at the very end
    lib.append(word("o", "", "go on"));             // its word "o" lies inside "go": skipped
    lib.append(word("ego", "", "His ego grew."));   // "go" inside "ego" fails the whole-word test
    std::string out;
    lib.findExampleSentences("go", 1, 100, out);
    EXPECT_EQ(toUtf8(out), "共找到 2 句\r\nThey go home.\r\nLet it go\r\n");
    lib.findExampleSentences("go", 4, 4, out);
    EXPECT_EQ(toUtf8(out), "共找到 1 句\r\nThey go home.\r\n");
    lib.findExampleSentences("absent", 1, 100, out);
    EXPECT_EQ(toUtf8(out), "共找到 0 句\r\n");

    CWordList many;
    many.reset();
    for (int i = 0; i < 80; ++i)
        many.append(word("w" + std::to_string(i), "", "I run " + std::to_string(i) + "."));
    many.findExampleSentences("run", 1, 1000, out);
    EXPECT_EQ(out.compare(0, 12, gbk("共找到 50 句")), 0);
}

TEST(WordList, WordAndMeaningSearch) {
    CWordList lib;
    lib.reset();
    lib.append(word("act", gbk("v. 行动")));
    lib.append(word("action", gbk("n. 行动")));
    lib.append(word("react", gbk("v. 反应")));
    lib.append(word("actor", gbk("n. 演员")));
    lib.append(word("action", gbk("n. 行动，作用")));
    std::string out;
    lib.findWordsContaining("act", 1, 5, 10, out);
    EXPECT_EQ(toUtf8(out), "[W]action  n. 行动\n[W]react  v. 反应\n[W]actor  n. 演员\n[W]action  n. 行动，作用\n");
    lib.findWordsContaining("act", 1, 5, 2, out);
    EXPECT_EQ(toUtf8(out), "[W]action  n. 行动\n[W]react  v. 反应\n");
    lib.findWordsContaining("action", 1, 5, 10, out); // entries contained in the text are left out
    EXPECT_EQ(out, "");
    lib.findWordsByMeaning(gbk("行动"), 1, 5, 10, out); // second "action" already listed
    EXPECT_EQ(toUtf8(out), "[W]act  v. 行动\n[W]action  n. 行动\n");
}
