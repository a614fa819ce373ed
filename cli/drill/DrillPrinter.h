#pragma once
// Text form of the study engine's screen for the terminal drill, in UTF-8.
#include <string>

namespace vt {

class CWordStudy;
struct FileProblem;
struct QuestionRecord;

// Renders questions, results and problems as lines of UTF-8 text.
class DrillPrinter {
public:
    // Status lines, level, word with IPA, meaning, hint, notes (after an answer), options and prompt.
    static std::string question(const CWordStudy& study);
    // One line naming what could not be read or written.
    static std::string problem(const FileProblem& p);
};

} // namespace vt
