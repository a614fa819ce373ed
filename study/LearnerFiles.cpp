#include "LearnerFiles.h"

namespace vt {
namespace {
std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}
} // namespace

LearnerNameProblem checkLearnerName(const std::string& name, std::string* trimmedOut) {
    std::string t = trim(name);
    if (trimmedOut)
        *trimmedOut = t;
    if (t.empty())
        return LearnerNameProblem::Empty;
    for (size_t i = 0; i < t.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(t[i]);
        if (c >= 0x80 && i + 1 < t.size()) { // a GBK trail byte may be 0x5C, which is no separator
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F)
            return LearnerNameProblem::Control;
        if (c == '/' || c == '\\')
            return LearnerNameProblem::Separator;
    }
    if (t.find("..") != std::string::npos)
        return LearnerNameProblem::DotDot;
    if (t.size() > kMaxLearnerName)
        return LearnerNameProblem::TooLong;
    return LearnerNameProblem::None;
}

const char* learnerNameProblemText(LearnerNameProblem p) {
    switch (p) {
    case LearnerNameProblem::None:
        return "ok";
    case LearnerNameProblem::Empty:
        return "the learner name is empty";
    case LearnerNameProblem::Separator:
        return "the learner name contains a path separator";
    case LearnerNameProblem::DotDot:
        return "the learner name contains \"..\"";
    case LearnerNameProblem::Control:
        return "the learner name contains a control character";
    case LearnerNameProblem::TooLong:
        return "the learner name is too long";
    }
    return "";
}

bool isPlainFileName(const std::string& name) {
    if (name.empty() || name.find("..") != std::string::npos)
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (c >= 0x80 && i + 1 < name.size()) {
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\')
            return false;
    }
    return true;
}

std::string withSlash(const std::string& folder) {
    if (folder.empty())
        return "./";
    return folder.back() == '/' ? folder : folder + "/";
}

std::string historyFileName(const std::string& baseFolder, const std::string& learner,
                            const std::string& libraryFileName) {
    std::string stem =
        libraryFileName.size() >= 4 ? libraryFileName.substr(0, libraryFileName.size() - 4) : libraryFileName;
    return withSlash(baseFolder) + "his/" + learner + stem + ".his";
}

} // namespace vt
