#include "StudyTypes.h"

#include "base/Gbk.h"

namespace vt {

const char* levelName(int level) {
    static const char* const kNames[] = {"Grade Zero", "Grade One",  "Grade Two", "Grade Three",
                                         "Grade Four", "Grade Five", "Master",    "Stress"};
    return kNames[clampInt(level, 0, 7)];
}

const char* methodLabel(int method) {
    static const char* const kLabels[] = {"",       "Fill Letter",   "Choose Letter", "Choose Meaning", "Choose Word",
                                          "Choose", "Think Meaning", "Think Word",    "Scanning",       "Fill Word"};
    return method >= 1 && method <= 9 ? kLabels[method] : "";
}

const char* orderLabel(int order) {
    static const char* const kLabels[] = {"Intellectual",  "Original Order", "In Sequence",
                                          "Reverse Order", "Random",         "Correlative"};
    return order >= 0 && order <= 5 ? kLabels[order] : "";
}

const std::string& fallbackMessage(NextResult r) {
    static const std::string kNone;
    static const std::string kRangeEmpty = gbk("指定范围的单词个数为0，系统将选择所有未掌握单词！");
    static const std::string kMastered = gbk("所选书本已经全部掌握，请重新复习或选择新的书本！");
    static const std::string kNoWords = gbk("指定书本的单词个数为0，请重新选择书本！");
    switch (r) {
    case NextResult::RangeEmptyUsingAll:
        return kRangeEmpty;
    case NextResult::AllMastered:
        return kMastered;
    case NextResult::NoWords:
        return kNoWords;
    default:
        return kNone;
    }
}

} // namespace vt
