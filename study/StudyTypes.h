#pragma once
// Codes shared by the study engine and its front ends: study kinds, methods, orders, ranges, phases, results.
#include <string>

namespace vt {

// Where the words come from.
enum StudyKind { KindCarefree = 0, KindFixedUnit = 1, KindBook = 2 };

// Main-window modes the engine cares about.
enum StudyMode {
    ModeMain = 0,
    ModeCarefree = 1,
    ModeChooseBook = 2,
    ModeFreeScan = 3,
    ModeEasyChoice = 4,
    ModeFillBlanks = 5,
    ModeEntertainment = 6,
    ModeMp3 = 8,
};

// Question methods ("method").
enum QuestionMethod {
    MethodFillLetter = 1,
    MethodChooseLetter = 2,
    MethodChooseMeaning = 3,
    MethodChooseWord = 4,
    MethodChoose = 5,
    MethodThinkMeaning = 6,
    MethodThinkWord = 7,
    MethodScanning = 8,
    MethodFillWord = 9,
};

// Selection orders ("methodQuci").
enum SelectionOrder {
    OrderIntellectual = 0,
    OrderOriginal = 1,
    OrderSequence = 2,
    OrderReverse = 3,
    OrderRandom = 4,
    OrderCorrelative = 5,
};

// Range kinds ("fanwei").
enum RangeKind {
    RangeErrorRatio = 0,
    RangePattern = 1,
    RangeStress = 2,
    RangeLevel = 3,
    RangeMastered = 4,
    RangeManual = 5,
};

// Answer phase of the word on screen.
enum AnswerPhase { PhaseAsking = 0, PhaseRight = 1, PhaseWrong = 2, PhaseGaveUp = 3 };

// Outcome of a next-word request. Anything but Shown means no new word is on screen and the caller shows
// fallbackMessage(result) to the learner.
enum class NextResult { Shown, RangeEmptyUsingAll, AllMastered, NoWords };

// What one advance command did.
enum class AdvanceAction { Judged, Revealed, NextWord, Relearn };

struct AdvanceResult {
    AdvanceAction action = AdvanceAction::NextWord;
    AnswerPhase phase = PhaseAsking;     // phase after the command
    NextResult next = NextResult::Shown; // for NextWord
};

enum class LearnerResult { Ok, Refused };

constexpr int kLevelMaster = 6;
constexpr int kLevelStress = 7;
constexpr int kLevelCount = 8;

// "Grade Zero" .. "Stress".
const char* levelName(int level);
// English labels of the option menus.
const char* methodLabel(int method);
const char* orderLabel(int order);
// GBK text of the three fallback messages; empty for Shown.
const std::string& fallbackMessage(NextResult r);

inline int clampInt(int v, int lo, int hi) {
    return v < lo ? lo : v > hi ? hi : v;
}

} // namespace vt
