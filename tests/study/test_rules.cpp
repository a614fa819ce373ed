// Rules that need no files: patterns, phonetics, names, grading arithmetic, selection orders, questions.
#include "StudyFixture.h"
#include "base/Gbk.h"
#include "base/Random.h"
#include "study/Grader.h"
#include "study/LearnerFiles.h"
#include "study/PatternMatch.h"
#include "study/Phonetic.h"
#include "study/QuestionBuilder.h"
#include "study/RecentSpellings.h"
#include "study/SpellingIndex.h"
#include "study/StudyList.h"
#include "study/StudySettings.h"
#include "study/StudyTypes.h"
#include "study/WordSelector.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace vt;
using vt::test::Word;

TEST(Pattern, Rules) {
    struct Case {
        const char* pattern;
        const char* word;
        bool match;
    } cases[] = {
        {"ab*", "able", true},
        {"ab*", "a", false},
        {"*tion", "nation", true},
        {"*tion", "ion", false},
        {"c*t", "cat", true},
        {"c*t", "chart", true},
        {"c*t", "ct", true},
        {"c*t", "cab", false},
        {"*", "", true},
        {"*", "anything", true},
        {"ear", "learn", true},
        {"", "learn", false},
        {"ab*", "xab", false},
        {"*ab", "abx", false},
        {"xyz", "learn", false},
        // a prefix rule that fails hands over to the substring rule
        {"ea*", "learn", false},
        {"a*", "ba*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchPattern(c.pattern, c.word), c.match) << c.pattern << " " << c.word;
}

TEST(Phonetic, NotationToIpa) {
    EXPECT_EQ(phoneticToIpa("6/b5nd6n"), "əˈbændən");
    EXPECT_EQ(phoneticToIpa("0123456789/:,"), "θðʃʒŋæəʌɔɪˈːˌ");
    EXPECT_EQ(phoneticToIpa("bu:k"), "buːk");
    EXPECT_EQ(phoneticToIpa(gbk("音") + "[a]"), "音[a]");
}

TEST(LearnerNames, UnsafeNamesRefused) {
    struct Case {
        std::string name;
        LearnerNameProblem problem;
    } cases[] = {
        {"kelp", LearnerNameProblem::None},
        {gbk("小明"), LearnerNameProblem::None},
        {"  anna ", LearnerNameProblem::None},
        {"", LearnerNameProblem::Empty},
        {" \t ", LearnerNameProblem::Empty},
        {"a/b", LearnerNameProblem::Separator},
        {"a\\b", LearnerNameProblem::Separator},
        {"..", LearnerNameProblem::DotDot},
        {"x..y", LearnerNameProblem::DotDot},
        {"a\nb", LearnerNameProblem::Control},
        {"a\x7f", LearnerNameProblem::Control},
        {std::string(65, 'a'), LearnerNameProblem::TooLong},
        // 0x5C as the trail byte of a double-byte character is no separator
        {"\x81\x5C", LearnerNameProblem::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkLearnerName(c.name), c.problem) << c.name;
    std::string trimmed;
    checkLearnerName("  anna ", &trimmed);
    EXPECT_EQ(trimmed, "anna");
}

TEST(HistoryFiles, NamesJoinLearnerAndLibraryStem) {
    EXPECT_EQ(historyFileName("/b", "kelp", gbk("英语精选1000词.bte")), "/b/his/kelp" + gbk("英语精选1000词.his"));
    EXPECT_EQ(historyFileName("/b/", "kelp", "vtgeneral.ree"), "/b/his/kelpvtgeneral.his");
    EXPECT_EQ(historyFileName("/b/", "kelp", "kelp" + gbk("生词本.boe")), "/b/his/kelpkelp" + gbk("生词本.his"));
}

TEST(Grading, StepsAtSpeedFour) {
    StudySettings s;
    s.speed = 4;
    Grader::rightSteps(s);
    EXPECT_EQ(s.rightstep, 5);
    EXPECT_EQ(s.wrongstep, 1);
    Grader::wrongSteps(s);
    EXPECT_EQ(s.wrongstep, 41);
    EXPECT_EQ(s.rightstep, 1);
    for (int i = 0; i < 5; ++i)
        Grader::wrongSteps(s);
    EXPECT_EQ(s.wrongstep, 100);
    s.speed = 1000000; // a damaged profile value acts as the largest parameter
    Grader::rightSteps(s);
    EXPECT_EQ(s.rightstep, 100);
    EXPECT_EQ(s.wrongstep, 1);
}

TEST(Grading, RecordAndLevel) {
    struct Case {
        int tests, right, level;
        bool answer;
        int newTests, newRight, newLevel;
    } cases[] = {
        {0, 0, 0, true, 1, 1, 1},  {8, 8, 3, true, 4, 4, 4},  {5, 4, 5, true, 6, 5, 6},
        {2, 2, 6, true, 3, 3, 6},  {2, 2, 7, true, 3, 3, 7},  {2, 2, 6, false, 3, 2, 5},
        {2, 2, 7, false, 3, 2, 7}, {0, 0, 0, false, 1, 0, 0}, {8, 3, 2, false, 4, 1, 1},
    };
    for (const Case& c : cases) {
        CWordStruct e;
        e.setTests(c.tests);
        e.setRight(c.right);
        e.setLevel(c.level);
        int old = c.answer ? Grader::rightRecord(e) : Grader::wrongRecord(e);
        EXPECT_EQ(old, c.level);
        EXPECT_EQ(e.tests(), c.newTests);
        EXPECT_EQ(e.right(), c.newRight);
        EXPECT_EQ(e.level(), c.newLevel);
    }
}

TEST(Grading, UnitWeights) {
    int w[30] = {};
    // No history yet: the first right answer on unit 1 leaves it at 1 and gives unit 2 the step.
    Grader::rightWeightsCarefree(w, 1, 3, 5);
    EXPECT_EQ(w[1], 1);
    EXPECT_EQ(w[2], 5);
    // Unit 2 cannot pay 10: it stays at 1, and the nearest lower unit with weight to spare pays (keeping 1).
    w[1] = 8;
    Grader::rightWeightsCarefree(w, 2, 3, 10);
    EXPECT_EQ(w[2], 1);
    EXPECT_EQ(w[1], 1);
    EXPECT_EQ(w[3], 10);
    // At the last unit the unit itself receives, unless that would pass 1000.
    Grader::rightWeightsCarefree(w, 3, 3, 10);
    EXPECT_EQ(w[3], 20);
    w[3] = 995;
    Grader::rightWeightsCarefree(w, 3, 3, 10);
    EXPECT_EQ(w[3], 995);

    // Wrong at unit 1: gains 10 x wrongstep, capped at 1000 with wrongstep taken from a later unit.
    int v[30] = {0, 990, 1, 50};
    Grader::wrongWeights(v, 1, 3, 41);
    EXPECT_EQ(v[1], 1000);
    EXPECT_EQ(v[2], 1);
    EXPECT_EQ(v[3], 9);
    // Wrong at unit 2: loses 410, floors at 1 taking wrongstep from a higher unit, and unit 1 gains (capped).
    int x[30] = {0, 700, 100, 50};
    Grader::wrongWeights(x, 2, 3, 41);
    EXPECT_EQ(x[2], 1);
    EXPECT_EQ(x[3], 9);
    EXPECT_EQ(x[1], 1000);

    // Fixed unit: the next unit gains; beyond 1000 it is capped and a later unit pays.
    int f[30] = {0, 50, 998, 30, 1};
    Grader::rightWeightsFixedUnit(f, 1, 4, 5);
    EXPECT_EQ(f[1], 45);
    EXPECT_EQ(f[2], 1000);
    EXPECT_EQ(f[3], 25);
}

namespace {

CWordList listOf(const std::vector<std::pair<std::string, int>>& words) {
    CWordList lib;
    lib.reset();
    for (const auto& w : words) {
        CWordStruct e = test::makeEntry({w.first, "n. x", ""});
        e.setLevel(w.second);
        lib.append(e);
    }
    return lib;
}

StudyList allOf(const CWordList& lib, int kind = RangeErrorRatio) {
    StudyList list;
    RangeSpec r;
    r.kind = kind;
    list.build(lib, 1, lib.count(), r);
    return list;
}

} // namespace

TEST(Ranges, EachKind) {
    CWordStruct e = test::makeEntry({"cat", "n. x", ""});
    e.setTests(4);
    e.setRight(1);
    e.setLevel(3);
    struct Case {
        RangeSpec r;
        int index;
        bool in;
    } cases[] = {
        {{RangeErrorRatio, 73, "*", 0, 1, 1}, 1, true}, // 3 / 4.1 = 73.2 %
        {{RangeErrorRatio, 74, "*", 0, 1, 1}, 1, false},
        {{RangePattern, 0, "c*t", 0, 1, 1}, 1, true},
        {{RangePattern, 0, "dog", 0, 1, 1}, 1, false},
        {{RangeStress, 0, "*", 0, 1, 1}, 1, false},
        {{RangeLevel, 0, "*", 3, 1, 1}, 1, true},
        {{RangeLevel, 0, "*", 2, 1, 1}, 1, false},
        {{RangeMastered, 0, "*", 0, 1, 1}, 1, false},
        {{RangeManual, 0, "*", 0, 2, 5}, 5, true},
        {{RangeManual, 0, "*", 0, 2, 5}, 6, false},
        {{RangeManual, 0, "*", 0, -3, -1}, 1, false},
        {{9, 0, "*", 0, 1, 1}, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StudyList::inRange(e, c.index, c.r), c.in) << c.r.kind;

    // Mastered words are set aside unless the range is the mastered one.
    CWordList lib = listOf({{"a", 0}, {"b", 6}, {"c", 7}, {"d", 6}});
    StudyList list = allOf(lib);
    EXPECT_EQ(list.entries(), (std::vector<int>{1, 3}));
    EXPECT_EQ(list.mastered(), (std::vector<int>{2, 4}));
    EXPECT_EQ(list.levelCount(7), 1);
    EXPECT_EQ(allOf(lib, RangeMastered).entries(), (std::vector<int>{2, 4}));
}

TEST(Selection, OrderedAndRandomOrders) {
    CWordList lib = listOf({{"Delta", 0}, {"alpha", 0}, {"charlie", 0}, {"bravo", 0}});
    StudyList list = allOf(lib);
    SpellingIndex sp;
    sp.build(lib);
    // In Sequence: alphabetical successor, case-insensitive; the last word is followed by the first.
    EXPECT_EQ(list.entryAt(WordSelector::successor(list, sp, "alpha", false)), 4);
    EXPECT_EQ(list.entryAt(WordSelector::successor(list, sp, "delta", false)), 2);
    // Reverse Order compares reversed spellings: ahpla < atled < eilrahc < ovarb.
    EXPECT_EQ(list.entryAt(WordSelector::successor(list, sp, "ahpla", true)), 1);
    EXPECT_EQ(list.entryAt(WordSelector::successor(list, sp, "ovarb", true)), 2);
    WordSelector sel;
    std::vector<int> slots;
    for (int i = 0; i < 5; ++i)
        slots.push_back(sel.original(list));
    EXPECT_EQ(slots, (std::vector<int>{1, 2, 3, 4, 1}));
    CRandom rng(7);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(WordSelector::random(list, rng));
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3, 4}));
}

TEST(Selection, IntellectualWeightsAndStressChance) {
    std::vector<std::pair<std::string, int>> words;
    for (int level = 0; level <= 5; ++level)
        words.push_back({"w" + std::to_string(level), level});
    words.push_back({"stress", 7});
    CWordList lib = listOf(words);
    StudyList list = allOf(lib);
    CRandom rng(12345);
    std::map<int, int> byLevel;
    const int draws = 30000;
    for (int i = 0; i < draws; ++i)
        ++byLevel[lib.entry(list.entryAt(WordSelector::intellectual(list, lib, 4, rng))).level()];
    // Stress first with chance 1/15; the rest nearly evenly over levels 0..5.
    EXPECT_NEAR(byLevel[7] / double(draws), 1.0 / 15, 0.01);
    for (int level = 0; level <= 5; ++level)
        EXPECT_NEAR(byLevel[level] / double(draws), (14.0 / 15) / 6, 0.015);

    // Large parameter: low levels dominate.
    std::map<int, int> steep;
    for (int i = 0; i < 3000; ++i)
        ++steep[lib.entry(list.entryAt(WordSelector::intellectual(list, lib, 5000, rng))).level()];
    EXPECT_GT(steep[0], steep[5] * 20);
}

TEST(Selection, IntellectualNeverFallsBackToAnEmptyLevel) {
    // Levels outside 0..7 (as a damaged record could hold) leave every weighted level empty.
    CWordList lib = listOf({{"odd", 9}, {"odder", 9}});
    StudyList list = allOf(lib);
    ASSERT_EQ(list.size(), 2);
    CRandom rng(3);
    for (int i = 0; i < 50; ++i) {
        int slot = WordSelector::intellectual(list, lib, 4, rng);
        EXPECT_TRUE(slot == 1 || slot == 2);
    }
}

TEST(Selection, CorrelativePatternsAndExclusions) {
    EXPECT_EQ(WordSelector::correlativePatterns("nation", 2),
              (std::vector<std::string>{"nation", "na*ion", "na*on", "na*", "na", "a", "*"}));
    EXPECT_EQ(WordSelector::correlativePatterns("cat", 0), (std::vector<std::string>{"cat", "*at", "*", "*"}));

    CWordList lib = listOf({{"nation", 0}, {"station", 0}, {"zoo", 0}, {"ration", 6}, {"cation", 0}});
    StudyList list = allOf(lib);
    SpellingIndex sp;
    sp.build(lib);
    RecentSpellings recent;
    CRandom rng(11);
    std::vector<int> history = {1};
    for (int i = 0; i < 30; ++i) {
        int slot = WordSelector::correlative(list, lib, sp, recent, history, 1, 4, "nation", rng);
        int e = list.entryAt(slot);
        // never the word itself; a similar spelling always exists
        EXPECT_TRUE(e == 2 || e == 5) << e;
    }
    // Recently visited "cation" is kept out while it is within the last `speed` history entries.
    history = {1, 5};
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(list.entryAt(WordSelector::correlative(list, lib, sp, recent, history, 2, 4, "nation", rng)), 2);
    history = {5, 1, 3, 3, 3};
    recent.invalidate(); // a replaced history (the engine does this when it clears the history)
    int fromCation = 0;
    for (int i = 0; i < 60; ++i)
        fromCation += list.entryAt(WordSelector::correlative(list, lib, sp, recent, history, 5, 4, "nation", rng)) == 5;
    EXPECT_GT(fromCation, 0); // entry 5 is five visits back, outside a window of 4
}

TEST(Questions, HiddenLetterRuns) {
    CRandom rng(5);
    for (int level = 0; level <= 7; ++level) {
        for (int i = 0; i < 20; ++i) {
            std::string masked, hidden;
            QuestionBuilder::hideLetters("planet", level, false, rng, masked, hidden);
            size_t expected = level == 5 ? 6 : std::min(6, level + 1);
            EXPECT_EQ(hidden.size(), expected) << level;
            size_t start = masked.find('_');
            ASSERT_NE(start, std::string::npos);
            EXPECT_EQ(masked.substr(start, expected), std::string(expected, '_'));
            EXPECT_EQ(std::string("planet").substr(start, expected), hidden);
            EXPECT_EQ(std::count(masked.begin(), masked.end(), '_'), static_cast<long>(expected));
        }
    }
    std::string masked, hidden;
    QuestionBuilder::hideLetters("planet", 0, true, rng, masked, hidden);
    EXPECT_EQ(masked, "______");
    EXPECT_EQ(hidden, "planet");
    QuestionBuilder::hideLetters("", 0, false, rng, masked, hidden);
    EXPECT_EQ(masked, "_");
}

TEST(Questions, OptionsAndGiveUpEntry) {
    CWordList lib;
    lib.reset();
    for (const Word& w : test::StudyBase::generalWords())
        lib.append(test::makeEntry(w));
    CWordStruct word = test::makeEntry({"nation", "n. 国家；民族；", ""});
    CRandom rng(99);
    for (int method : {MethodChooseLetter, MethodChooseMeaning, MethodChooseWord}) {
        for (int level : {0, 3}) {
            word.setLevel(level);
            for (int i = 0; i < 40; ++i) {
                Question q = QuestionBuilder::build(word, method, &lib, nullptr, rng);
                ASSERT_GE(q.rightOption, 1);
                if (level == 0) {
                    EXPECT_NE(q.rightOption, 4);
                    EXPECT_EQ(q.options[3], QuestionBuilder::giveUpText(method));
                }
                std::set<std::string> distinct(q.options, q.options + 4);
                EXPECT_EQ(distinct.size(), 4u) << method;
                if (method == MethodChooseMeaning) {
                    EXPECT_EQ(q.options[q.rightOption - 1].substr(0, 2), "n.");
                }
                if (method == MethodChooseWord) {
                    EXPECT_EQ(q.options[q.rightOption - 1], "nation");
                }
                if (method == MethodChooseLetter) {
                    EXPECT_EQ(q.options[q.rightOption - 1], q.expected);
                    for (int k = 0; k < 4; ++k)
                        if (k + 1 != q.rightOption && !(level == 0 && k == 3)) {
                            EXPECT_EQ(q.options[k].size(), q.expected.size());
                        }
                }
            }
        }
    }
    EXPECT_EQ(QuestionBuilder::giveUpText(MethodChooseWord), gbk("*很不熟悉,直接看答案吧*"));
    EXPECT_EQ(QuestionBuilder::giveUpText(MethodChooseMeaning), gbk("*很不熟悉,直接看答案*"));
}
