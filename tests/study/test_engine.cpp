// The engine with files: settings, word sets, histories, selection through requests, grading, preparing.
#include "StudyFixture.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "study/CWordStudy.h"
#include "study/LibraryIndex.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vt;
using vt::test::StudyBase;
using vt::test::Word;

namespace {

std::vector<Word> bookWords() {
    return {{"cat", "n. 猫；", "My cat sleeps."}, {"nation", "n. 国家；", ""}, {"zebra", "", ""}};
}

void writeInts(const std::string& path, const std::vector<int>& values) {
    std::string bytes;
    for (int v : values) {
        uint32_t u = static_cast<uint32_t>(v);
        for (int k = 0; k < 4; ++k)
            bytes += static_cast<char>((u >> (8 * k)) & 0xFF);
    }
    makeDirs(dirOf(path));
    test::writeFile(fsName(path), bytes);
}

} // namespace

TEST(Settings, FirstStartDefaults) {
    test::TempDir dir;
    CMemoryProfile profile;
    CWordStudy study(profile, dir.path(), 1);
    EXPECT_EQ(study.learner(), "kelp");
    const StudySettings& s = study.settings();
    EXPECT_EQ(s.method, 3);
    EXPECT_EQ(s.methodQuci, 0);
    EXPECT_EQ(s.speed, 4);
    EXPECT_EQ(s.matchword, "*");
    EXPECT_EQ(study.bookPath(), dir.path() + gbk("data/其它/英语精选1000词.bte"));
    StudyReport r = study.loadWordSets();
    EXPECT_TRUE(r.has(StudyFile::Book));
    EXPECT_TRUE(r.has(StudyFile::GeneralLibrary));
    EXPECT_TRUE(r.has(StudyFile::CommonLibrary));
    EXPECT_FALSE(r.has(StudyFile::NewWordsBook)); // created
    EXPECT_TRUE(fileExists(dir.path() + "data/kelp" + gbk("生词本.boe")));
    // Nothing to study: the third message, and the engine keeps working.
    EXPECT_EQ(study.enterMode(ModeEasyChoice), NextResult::NoWords);
    EXPECT_FALSE(study.hasWord());
    EXPECT_EQ(study.advance().next, NextResult::NoWords);
    EXPECT_TRUE(study.saveSettings().ok());
    EXPECT_EQ(profile.getString("Study", "username", ""), "kelp");
    EXPECT_EQ(profile.getString("kelp", "bookname", ""), gbk("英语精选1000词"));
    EXPECT_EQ(profile.getString("kelp", "defaultdir", ""), "d:\\kelp\\verbatrove\\");
}

TEST(Settings, LearnersKeepTheirOwnSections) {
    test::TempDir dir;
    CMemoryProfile profile;
    profile.setInt("kelp", "speed", 100);
    profile.setInt("anna", "speed", 7);
    profile.setInt("anna", "fanwei", 5);
    CWordStudy kelp(profile, dir.path(), 1);
    EXPECT_EQ(kelp.settings().speed, 100);
    profile.setString("Study", "username", "anna");
    CWordStudy anna(profile, dir.path(), 1);
    EXPECT_EQ(anna.learner(), "anna");
    EXPECT_EQ(anna.settings().speed, 7);
    EXPECT_EQ(anna.settings().fanwei, 5);
    // A stored name that would leave the history folder is not used.
    profile.setString("Study", "username", "../../etc");
    CWordStudy odd(profile, dir.path(), 1);
    EXPECT_EQ(odd.learner(), "kelp");
}

TEST(Settings, ModeKeysOutsideTheirRangesGetDefaults) {
    CMemoryProfile p;
    p.setInt("kelp", "wyjymethodQuci", 7);
    p.setInt("kelp", "wyjymethod", 0);
    p.setInt("kelp", "qsxzmethod", 10);
    p.setInt("kelp", "sdtkmethodQuci", 6);
    p.setInt("kelp", "zyllmethod", 8);
    p.setInt("kelp", "timerAll", 40);
    p.setInt("kelp", "daxie", 1);
    ModeOptions o;
    o.read(p, "kelp");
    EXPECT_EQ(o.pairs[0].order, 5);
    EXPECT_EQ(o.pairs[0].method, 3);
    EXPECT_EQ(o.pairs[2].method, 3);
    EXPECT_EQ(o.pairs[3].order, 5);
    EXPECT_EQ(o.pairs[1].method, 8);
    EXPECT_EQ(o.timerAll, 5);
    EXPECT_TRUE(o.daxie);
    EXPECT_TRUE(o.fayin);
    EXPECT_EQ(ModeOptions::pairIndex(ModeEntertainment), 1);
}

TEST(Histories, FilesNamesLengthsAndBytes) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    ASSERT_TRUE(study.loadWordSets().ok());
    study.book().entry(1).setTests(3);
    study.book().entry(1).setRight(2);
    study.book().entry(1).setLevel(4);
    study.generalLibrary().m_unitWeights[2] = 17;
    ASSERT_TRUE(study.saveSettings().ok());
    std::vector<int> book = test::readHistory(b.file("his/kelpt.his"));
    EXPECT_EQ(book, (std::vector<int>{324, 0, 0}));
    std::vector<int> general = test::readHistory(b.file("his/kelpvtgeneral.his"));
    ASSERT_EQ(general.size(), 12u + 3u); // N entries then U unit weights
    EXPECT_EQ(general[13], 17);
    // The empty new-words book writes no history.
    EXPECT_FALSE(fileExists(b.base() + "his/kelpkelp" + gbk("生词本.his")));

    // Reload: 1256 decodes to tests 12, right 5, level 6; damaged values are clamped.
    writeInts(b.file("his/kelpt.his"), {1256, -5, 99});
    CWordStudy again(b.profile(), b.base(), 1);
    again.loadWordSets();
    EXPECT_EQ(again.book().entry(1).tests(), 12);
    EXPECT_EQ(again.book().entry(1).right(), 5);
    EXPECT_EQ(again.book().entry(1).level(), 6);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_GE(again.book().entry(i).level(), 0);
        EXPECT_LE(again.book().entry(i).level(), 7);
        EXPECT_LE(again.book().entry(i).right(), again.book().entry(i).tests());
    }
}

TEST(Histories, MissingFolderCreatedAndFailedWriteReported) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    EXPECT_TRUE(dirExists(b.base() + "his"));
    study.book().entry(2).setLevel(3);
    ASSERT_EQ(::rmdir(fsName(b.base() + "his").c_str()), 0);
    EXPECT_TRUE(study.saveSettings().ok()); // recreated
    EXPECT_EQ(test::readHistory(b.file("his/kelpt.his"))[1], 3);
    // "his" is a file now: every history write fails and is reported, the old content is not lost.
    ASSERT_EQ(std::system(("rm -rf '" + b.base() + "his' && touch '" + b.base() + "his'").c_str()), 0);
    StudyReport r = study.saveSettings();
    EXPECT_TRUE(r.has(StudyFile::History));
    EXPECT_TRUE(r.has(StudyFile::Folder));
}

TEST(Learner, SetLearnerSavesOldAndLoadsNew) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    ASSERT_EQ(study.enterMode(ModeEasyChoice), NextResult::Shown);
    study.right();
    LearnerNameProblem why;
    EXPECT_EQ(study.setLearner("../x", &why), LearnerResult::Refused);
    EXPECT_EQ(why, LearnerNameProblem::Separator);
    EXPECT_EQ(study.learner(), "kelp");
    EXPECT_EQ(study.setLearner(" anna "), LearnerResult::Ok);
    EXPECT_EQ(study.learner(), "anna");
    EXPECT_EQ(b.profile().getString("Study", "username", ""), "anna");
    EXPECT_TRUE(fileExists(b.file("his/kelpt.his"))); // the old learner's progress was saved
    EXPECT_EQ(study.visitHistory().size(), 0u);
    for (int i = 1; i <= study.book().count(); ++i)
        EXPECT_EQ(study.book().entry(i).tests(), 0); // a new learner
    EXPECT_TRUE(fileExists(b.base() + "data/anna" + gbk("生词本.boe")));
}

TEST(Requests, FallbackMessages) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    RangeSpec stress;
    stress.kind = RangeStress;
    study.enterMode(ModeEasyChoice);
    EXPECT_EQ(study.applyRange(stress), NextResult::RangeEmptyUsingAll);
    EXPECT_EQ(study.settings().fanwei, RangePattern);
    EXPECT_EQ(study.settings().matchword, "*");
    EXPECT_EQ(fallbackMessage(NextResult::RangeEmptyUsingAll),
              gbk("指定范围的单词个数为0，系统将选择所有未掌握单词！"));
    EXPECT_FALSE(study.hasWord());
    EXPECT_EQ(study.advance().next, NextResult::Shown); // the next request draws from the rebuilt list

    for (int i = 1; i <= 3; ++i)
        study.book().entry(i).setLevel(6);
    EXPECT_EQ(study.applyRange(stress), NextResult::AllMastered);
    EXPECT_EQ(study.settings().fanwei, RangeMastered);
    EXPECT_EQ(study.advance().next, NextResult::Shown);
    EXPECT_EQ(study.studyList().size(), 3);
}

TEST(Requests, SelectionThroughTheEngine) {
    StudyBase b({{"delta", "n. d", ""}, {"alpha", "n. a", ""}, {"charlie", "n. c", ""}, {"bravo", "n. b", ""}});
    b.profile().setInt("kelp", "qsxzmethodQuci", OrderSequence);
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    ASSERT_EQ(study.enterMode(ModeEasyChoice), NextResult::Shown);
    // Current entry starts at 1 ("delta"): its successor wraps to "alpha", then the alphabet continues.
    std::vector<std::string> words{study.currentWord().m_word};
    for (int i = 0; i < 4; ++i) {
        study.nextWordRequest();
        words.push_back(study.currentWord().m_word);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"alpha", "bravo", "charlie", "delta", "alpha"}));
    // Previous steps back through the visit history; next steps forward again before drawing anything new.
    study.previousWord();
    EXPECT_EQ(study.currentWord().m_word, "delta");
    EXPECT_TRUE(study.question().revisiting);
    EXPECT_EQ(study.question().phase, PhaseRight);
    study.advance();
    EXPECT_EQ(study.currentWord().m_word, "alpha");
    EXPECT_EQ(study.visitHistory().size(), 5u);
    EXPECT_EQ(study.statusLine(1), gbk("-顺序选词"));
    EXPECT_EQ(study.statusLine(2), gbk("出错率>0%  4 个  "));
    EXPECT_EQ(study.statusLine(0), "kelp  t  ");
}

TEST(Grading, BookStudyMovesNoUnitWeight) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    study.enterMode(ModeFillBlanks);
    int before[30];
    std::copy(study.generalLibrary().m_unitWeights, study.generalLibrary().m_unitWeights + 30, before);
    study.wrong();
    study.right();
    EXPECT_TRUE(std::equal(before, before + 30, study.generalLibrary().m_unitWeights));
}

TEST(Grading, CarefreeUnitWeightsThroughARun) {
    StudyBase b(bookWords());
    CWordStudy study(b.profile(), b.base(), 1);
    study.loadWordSets();
    ASSERT_EQ(study.enterMode(ModeCarefree), NextResult::Shown);
    const int* w = study.generalLibrary().m_unitWeights;
    EXPECT_EQ(study.currentUnit(), 1);
    EXPECT_LE(study.currentEntryNumber(), 4);
    study.right(); // rightstep 5
    EXPECT_EQ(w[1], 1);
    EXPECT_EQ(w[2], 5);
    study.nextWordRequest(); // (1 + 10) / 6.1 + 0.4 -> unit 2
    EXPECT_EQ(study.currentUnit(), 2);
    EXPECT_GE(study.currentEntryNumber(), 5);
    EXPECT_LE(study.currentEntryNumber(), 8);
    EXPECT_EQ(study.statusLine(0), "kelp  " + gbk("无忧记忆") + "2" + gbk("级词汇 "));
    study.right(); // rightstep 9: unit 2 pays 9 (floors at 1, unit 1 keeps 1), unit 3 gains 9
    EXPECT_EQ(w[2], 1);
    EXPECT_EQ(w[3], 9);
    study.wrong(); // wrongstep 41, t = 410 at unit 2: floors at 1 (unit 3 pays 41 down to 1), unit 1 + 410
    EXPECT_EQ(w[1], 411);
    EXPECT_EQ(w[2], 1);
    EXPECT_EQ(w[3], 1);
    study.nextWordRequest();
    EXPECT_EQ(study.currentUnit(), 1);
    EXPECT_EQ(study.rangeSourceCount(), 4);
}

TEST(Preparing, BookFieldsHintExamplesAndAssociation) {
    StudyBase b({{"zebra", "", ""}, {"nation", "n. 国家；", ""}, {"cat", "n. 猫；", ""}, {"at", "prep. 在；", ""}});
    b.profile().setInt("kelp", "qsxzmethodQuci", OrderOriginal);
    CWordStudy study(b.profile(), b.base(), 1);
    ASSERT_TRUE(study.loadWordSets().ok());
    study.enterMode(ModeEasyChoice);
    // zebra: meaning and example completed from the general library.
    EXPECT_EQ(study.currentWord().m_firstMeaning, gbk("n. 斑马；"));
    EXPECT_EQ(study.currentWord().m_firstExample, "A zebra ran.");
    study.nextWordRequest();
    EXPECT_EQ(study.currentWord().m_hint, gbk("自动分析：ion  n. 离子；"));
    study.nextWordRequest();
    // The cat's own sentence is left out; the dog's sentence names the cat as a whole word.
    EXPECT_EQ(study.currentWord().m_extra, gbk("共找到 1 句\r\n") + "The dog barked at the cat.\r\n");
    EXPECT_EQ(study.currentWord().m_association, "[W]cat");
    study.nextWordRequest();
    EXPECT_EQ(study.currentWord().m_association, "[W]at[W]bat  " + gbk("n. 蝙蝠；球棒；") + "\n[W]cat  " +
                                                     gbk("n. 猫；") + "\n[W]nation  " + gbk("n. 国家；民族；") +
                                                     "\n[W]station  " + gbk("n. 车站；") + "\n");
}

TEST(Preparing, IndexGivesTheSameResultsAsTheLibraryScans) {
    CWordList lib;
    lib.reset();
    CRandom rng(2024);
    const char* syllables[] = {"ab", "at", "ion", "cat", "re", "st", "a", "in", "go", "ing"};
    const char* senses[] = {"猫", "国家", "车站", "行动", "在"};
    std::vector<std::string> spellings;
    for (int i = 0; i < 800; ++i) {
        std::string w;
        for (int k = rng.draw(1, 3); k > 0; --k)
            w += syllables[rng.draw(0, 9)];
        std::string sentence =
            "We " + std::string(syllables[rng.draw(0, 9)]) + " " + w + (rng.draw(0, 1) ? "s" : "") + ".";
        lib.append(test::makeEntry({w, std::string("n. ") + senses[rng.draw(0, 4)] + "；", sentence}));
        spellings.push_back(w);
    }
    LibraryIndex index;
    index.build(lib);
    for (const std::string& w : spellings) {
        std::string slow, fast;
        lib.findExampleSentences(w, 2, 20001, slow);
        index.exampleSentences(w, 2, 20001, fast);
        ASSERT_EQ(slow, fast) << w;
        lib.findWordsContaining(w, 1, lib.count(), 5, slow);
        fast.clear();
        index.appendWordsContaining(w, 1, lib.count(), 5, fast);
        ASSERT_EQ(slow, fast) << w;
    }
    for (const char* s : senses) {
        std::string slow, fast;
        lib.findWordsByMeaning(gbk(s), 1, lib.count(), 5, slow);
        index.appendWordsByMeaning(gbk(s), 1, lib.count(), 5, fast);
        EXPECT_EQ(slow, fast);
    }
}
