#pragma once
// Learner names and the file names built from them.
#include <string>

namespace vt {

// Why a learner name cannot be used.
enum class LearnerNameProblem { None, Empty, Separator, DotDot, Control, TooLong };

// Trims blanks and checks that the name can be used inside file names of the "his" folder and the data
// folder: no "/" or "\", no "..", no control characters, not empty, at most kMaxLearnerName bytes.
LearnerNameProblem checkLearnerName(const std::string& gbkName, std::string* trimmed = nullptr);
constexpr size_t kMaxLearnerName = 64;
// English reason, for tools.
const char* learnerNameProblemText(LearnerNameProblem p);

// A file name taken from the profile (a book file or category folder) must stay one path component.
bool isPlainFileName(const std::string& gbkName);

// "his/" + learner + library file name without its extension + ".his", under the base folder.
std::string historyFileName(const std::string& baseFolder, const std::string& learner,
                            const std::string& libraryFileName);
// Base folder with exactly one trailing '/'.
std::string withSlash(const std::string& folder);

} // namespace vt
