#pragma once
// The texts of the question on screen, filled by the study engine and drawn by a front end. GBK text; the
// phonetic is the stored notation (phoneticToIpa turns it into IPA).
#include "study/StudyTypes.h"

#include <string>

namespace vt {

// One question as the main window shows it.
struct QuestionRecord {
    std::string itemLabel; // short text before the word (unused by the study modes: empty)
    std::string word;      // the word, or its spelling with hidden letters as "_", or empty
    std::string phonetic;  // notation of the "[T]" field, empty when the question hides it
    std::string meaning;
    std::string hint;           // memory hint ("[记法]")
    std::string example;        // first example ("[例句]")
    std::string inflections;    // "[变化]"
    std::string english;        // "[英释]"
    std::string testPoints;     // "[考点]": the entry's collocations
    std::string usage;          // "[辨析]"
    std::string extended;       // "共找到 N 句" CR LF and the example sentences found
    std::string choices[4];     // A..D
    int rightOption = 0;        // 1..4 in the choice methods, 0 otherwise
    bool giveUpOffered = false; // D holds the give-up entry
    int selected = 0;           // 1..4, 0 when nothing is selected
    std::string typed;          // answer typed in the fill methods
    std::string prompt;
    std::string status[3];
    int level = 0;  // memory level of the word, 0..7
    int method = 0; // question method of this word (5 is resolved to 2..4)
    AnswerPhase phase = PhaseAsking;
    bool revisiting = false; // shown from the visit history
    bool wholeEntry = false; // every field is filled (after an answer, scanning, revisiting)

    bool isFill() const { return method == MethodFillLetter || method == MethodFillWord; }
    bool isChoice() const {
        return method == MethodChooseLetter || method == MethodChooseMeaning || method == MethodChooseWord;
    }
};

} // namespace vt
