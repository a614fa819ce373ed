// The answer phases of one word: questions per method, judging, give-up, relearning, the timer.
#include "StudyFixture.h"
#include "base/Gbk.h"
#include "study/CWordStudy.h"

#include <gtest/gtest.h>

using namespace vt;
using vt::test::StudyBase;

namespace {

struct Flow : ::testing::Test {
    StudyBase b{{{"planet", "n. 行星；", "The planet turns."}, {"nation", "n. 国家；", ""}, {"cat", "n. 猫；", ""}}};
    std::unique_ptr<CWordStudy> study;

    void start(int mode, int method, int order = OrderOriginal) {
        const char* keys[] = {"wyjy", "", "", "zyll", "qsxz", "sdtk"};
        std::string prefix = keys[mode == ModeCarefree ? 0 : mode];
        b.profile().setInt("kelp", prefix + "method", method);
        b.profile().setInt("kelp", prefix + "methodQuci", order);
        study = std::make_unique<CWordStudy>(b.profile(), b.base(), 42);
        ASSERT_TRUE(study->loadWordSets().ok());
        ASSERT_EQ(study->enterMode(mode), NextResult::Shown);
    }
    const QuestionRecord& q() { return study->question(); }
};

} // namespace

TEST_F(Flow, ChoiceRightWrongAndGiveUp) {
    start(ModeEasyChoice, MethodChooseMeaning);
    EXPECT_EQ(q().word, "planet");
    EXPECT_TRUE(q().meaning.empty());
    EXPECT_EQ(q().choices[3], gbk("*很不熟悉,直接看答案*"));
    EXPECT_NE(q().rightOption, 4);
    EXPECT_EQ(q().choices[q().rightOption - 1], gbk("n.行星"));
    EXPECT_EQ(q().prompt, gbk("请选择正确项，如果不会就猜一个(请用↑、↓移动选项，回车或空格或→确定)"));

    // Give up: graded wrong, phase 3, the whole entry with the relearn prompt.
    AdvanceResult r = study->answerOption(4);
    EXPECT_EQ(r.action, AdvanceAction::Judged);
    EXPECT_EQ(q().phase, PhaseGaveUp);
    EXPECT_EQ(study->book().entry(1).tests(), 1);
    EXPECT_EQ(study->book().entry(1).right(), 0);
    EXPECT_EQ(study->wrongCount(), 1);
    EXPECT_EQ(q().meaning, gbk("n. 行星；"));
    EXPECT_EQ(q().example, "The planet turns.");
    EXPECT_EQ(q().prompt, gbk("请按回车、空格或→键或鼠标点击重新学习该单词"));

    // Relearn: same word, fresh question, then a wrong option.
    EXPECT_EQ(study->advance().action, AdvanceAction::Relearn);
    EXPECT_EQ(q().phase, PhaseAsking);
    EXPECT_EQ(q().word, "planet");
    int wrongOption = q().rightOption == 1 ? 2 : 1;
    study->answerOption(wrongOption);
    EXPECT_EQ(q().phase, PhaseWrong);
    EXPECT_EQ(study->wrongCount(), 2);
    study->advance();

    // Right: level up, then the next word with the wrong counter reset.
    study->moveSelection(+1);
    while (q().selected != q().rightOption)
        study->moveSelection(+1);
    study->advance();
    EXPECT_EQ(q().phase, PhaseRight);
    EXPECT_EQ(q().level, 1);
    EXPECT_EQ(q().prompt, gbk("请按回车、空格或→键或鼠标点击继续下一个单词"));
    EXPECT_EQ(study->advance().action, AdvanceAction::NextWord);
    EXPECT_EQ(q().word, "nation");
    EXPECT_EQ(study->wrongCount(), 0);
}

TEST_F(Flow, FillLetterHidesLevelPlusOneLetters) {
    start(ModeFillBlanks, MethodFillLetter);
    study->setLevel(2);
    study->advance(); // unanswered: wrong, level 1
    EXPECT_EQ(q().phase, PhaseWrong);
    EXPECT_EQ(study->book().entry(1).level(), 1);
    study->setLevel(2);
    study->advance(); // relearn at level 2
    EXPECT_EQ(q().choices[0], gbk("选项无效，请手动填写"));
    EXPECT_EQ(q().prompt, gbk("请输入所缺单词"));
    EXPECT_EQ(q().meaning, gbk("n. 行星；"));
    const std::string masked = q().word;
    size_t start = masked.find("___");
    ASSERT_NE(start, std::string::npos) << masked;
    EXPECT_EQ(std::count(masked.begin(), masked.end(), '_'), 3);
    study->setTyped(std::string("planet").substr(start, 3));
    study->advance();
    EXPECT_EQ(q().phase, PhaseRight);
    EXPECT_EQ(study->book().entry(1).level(), 3);
    EXPECT_TRUE(q().typed.empty());
}

TEST_F(Flow, ThinkAndScanNeedTwoAndOneAdvances) {
    start(ModeFreeScan, MethodThinkMeaning);
    EXPECT_EQ(q().word, "planet");
    EXPECT_TRUE(q().meaning.empty());
    EXPECT_EQ(study->statusLine(1), gbk("词义回想-原序选词"));
    EXPECT_EQ(study->advance().action, AdvanceAction::Revealed);
    EXPECT_EQ(q().meaning, gbk("n. 行星；"));
    EXPECT_EQ(study->book().entry(1).tests(), 0); // not judged
    study->advance();
    EXPECT_EQ(q().word, "nation");

    study->chooseMethod(MethodScanning);
    EXPECT_EQ(q().phase, PhaseRight);
    EXPECT_TRUE(q().wholeEntry);
    EXPECT_EQ(study->options().pairs[1].method, MethodScanning); // the mode's pair follows the menu
    std::string before = q().word;
    study->advance();
    EXPECT_NE(q().word, before);
}

TEST_F(Flow, ChooseDrawsAChoiceMethodPerWord) {
    start(ModeEasyChoice, MethodChoose, OrderRandom);
    std::set<int> methods;
    for (int i = 0; i < 40; ++i) {
        methods.insert(q().method);
        study->nextWordRequest();
    }
    EXPECT_EQ(methods, (std::set<int>{2, 3, 4}));
}

TEST_F(Flow, TimerAdvancesAndGradesUnansweredQuestions) {
    start(ModeEasyChoice, MethodChooseMeaning);
    study->options().timerAll = 2;
    EXPECT_FALSE(study->tick()); // every mode starts paused
    EXPECT_FALSE(study->tick());
    study->timer().start();
    EXPECT_FALSE(study->tick());
    EXPECT_DOUBLE_EQ(study->timerProgress(), 1 / 2.1);
    AdvanceResult r;
    EXPECT_TRUE(study->tick(&r));
    EXPECT_EQ(r.action, AdvanceAction::Judged);
    EXPECT_EQ(r.phase, PhaseWrong); // nothing selected counts as wrong
    EXPECT_EQ(study->book().entry(1).tests(), 1);

    // Interval 0 advances on every tick, even while stopped.
    study->timer().stop();
    study->options().timerAll = 0;
    EXPECT_TRUE(study->tick());
    EXPECT_EQ(q().phase, PhaseAsking);
}
