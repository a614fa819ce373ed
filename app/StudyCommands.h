#pragma once
// The command names of the skin buttons the main window understands, and what each one stands for.
#include <QString>
#include <string>

namespace StudyCommands {

// Skin INI of each mode (0..10) and the mode a main-screen button enters (-1: not a mode button).
int modeForButton(const std::string& name);
// Question type code 1..9 of a type button, 0 when the name is none.
int methodForButton(const std::string& name);
// Order code 0..5 of an order button, -1 when the name is none.
int orderForButton(const std::string& name);
// Level 0..7 of "Grade Zero".."Stress", -1 otherwise.
int levelForButton(const std::string& name);
// 0..3 for "Item A".."Item D", -1 otherwise.
int itemForButton(const std::string& name);
// Option toggles: 0 "Phonetic Symbol", 1 "Capitalization", 2 "Close Pronounce", 3 "Read Sentence", 4 "Word";
// -1 otherwise.
int toggleForButton(const std::string& name);
// Category folder (UTF-8) of a book-choice category button, empty when the name is none.
QString categoryForButton(const std::string& name);

// Which question types and orders a study mode offers (its buttons).
bool modeOffersMethod(int mode, int method);
bool modeOffersOrder(int mode, int order);
// Whether a study-mode command is honoured in that mode ("Range" not in Carefree Memory, the items only in
// the two choice modes).
bool honoured(int mode, const std::string& name);

inline bool isStudyMode(int mode) {
    return mode == 1 || mode == 3 || mode == 4 || mode == 5;
}

} // namespace StudyCommands
