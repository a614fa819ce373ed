#include "app/StudyCommands.h"

#include "study/StudyTypes.h"

#include <cstring>

namespace StudyCommands {

int modeForButton(const std::string& name) {
    static const char* const kModes[] = {"",
                                         "Carefree Memory",
                                         "Choose Book",
                                         "Free Scan",
                                         "Easy Choice",
                                         "Fill Blanks",
                                         "Entertainment Memory",
                                         "Game",
                                         "Make MP3",
                                         "State Statistic",
                                         "System Management"};
    for (int m = 1; m <= 10; ++m)
        if (name == kModes[m])
            return m;
    return -1;
}

int methodForButton(const std::string& name) {
    for (int m = 1; m <= 9; ++m)
        if (name == vt::methodLabel(m))
            return m;
    return 0;
}

int orderForButton(const std::string& name) {
    for (int o = 0; o <= 5; ++o)
        if (name == vt::orderLabel(o))
            return o;
    return -1;
}

int levelForButton(const std::string& name) {
    for (int l = 0; l < vt::kLevelCount; ++l)
        if (name == vt::levelName(l))
            return l;
    return -1;
}

int itemForButton(const std::string& name) {
    if (name.size() == 6 && name.compare(0, 5, "Item ") == 0 && name[5] >= 'A' && name[5] <= 'D')
        return name[5] - 'A';
    return -1;
}

int toggleForButton(const std::string& name) {
    static const char* const kToggles[] = {"Phonetic Symbol", "Capitalization", "Close Pronounce", "Read Sentence",
                                           "Word"};
    for (int i = 0; i < 5; ++i)
        if (name == kToggles[i])
            return i;
    return -1;
}

QString categoryForButton(const std::string& name) {
    // Three of the names carry two blanks, as the skins spell them.
    static const struct {
        const char* button;
        const char* folder;
    } kCategories[] = {
        {"Others", "其它"},
        {"High School And University", "高中大学"},
        {"Schoolbook One", "1"},
        {"Schoolbook  Two", "2"},
        {"Schoolbook  Three", "3"},
        {"Schoolbook  Four", "4"},
        {"GRE", "GREGMAT"},
        {"CET4 And CET6", "四六级公共英语"},
        {"Elementary And Middle School", "小学初中"},
        {"TOEFL And IELTS", "托福雅思等"},
        {"Professional Title", "职称自考考研等"},
    };
    for (const auto& c : kCategories)
        if (name == c.button)
            return QString::fromUtf8(c.folder);
    return {};
}

bool modeOffersMethod(int mode, int method) {
    switch (mode) {
    case 1:
        return method == 1 || method == 2 || method == 3 || method == 4 || method == 5 || method == 9;
    case 3:
        return method >= 6 && method <= 8;
    case 4:
        return method >= 2 && method <= 5;
    case 5:
        return method == 1 || method == 9;
    default:
        return false;
    }
}

bool modeOffersOrder(int mode, int order) {
    if (mode == 3)
        return order >= 1 && order <= 5;
    return isStudyMode(mode) && (order == 0 || order == 5);
}

bool honoured(int mode, const std::string& name) {
    if (!isStudyMode(mode))
        return false;
    if (name == "Range")
        return mode != 1;
    if (itemForButton(name) >= 0)
        return mode == 1 || mode == 4;
    if (int m = methodForButton(name))
        return modeOffersMethod(mode, m);
    if (int o = orderForButton(name); o >= 0)
        return modeOffersOrder(mode, o);
    return true;
}

} // namespace StudyCommands
