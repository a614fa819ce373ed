#include "ModeOptions.h"

#include "StudyTypes.h"
#include "base/CProfile.h"

namespace vt {
namespace {
const char* const kMethodKeys[4] = {"wyjymethod", "zyllmethod", "qsxzmethod", "sdtkmethod"};
const char* const kOrderKeys[4] = {"wyjymethodQuci", "zyllmethodQuci", "qsxzmethodQuci", "sdtkmethodQuci"};
const int kDefaultMethods[4] = {3, 6, 3, 1};
} // namespace

int ModeOptions::pairIndex(int mode) {
    switch (mode) {
    case ModeCarefree:
        return 0;
    case ModeFreeScan:
    case ModeEntertainment:
    case ModeMp3:
        return 1;
    case ModeEasyChoice:
        return 2;
    case ModeFillBlanks:
        return 3;
    default:
        return -1;
    }
}

const char* ModeOptions::methodKey(int i) {
    return kMethodKeys[clampInt(i, 0, 3)];
}
const char* ModeOptions::orderKey(int i) {
    return kOrderKeys[clampInt(i, 0, 3)];
}
int ModeOptions::defaultMethod(int i) {
    return kDefaultMethods[clampInt(i, 0, 3)];
}

int ModeOptions::readTimer(const CProfile& p, const std::string& learner) {
    int v = p.getInt(learner, "timerAll", 5);
    return v < 0 || v > 36 ? 5 : v;
}

void ModeOptions::read(const CProfile& p, const std::string& s) {
    fayin = p.getInt(s, "fayin", 1) != 0;
    daxie = p.getInt(s, "daxie", 0) != 0;
    duju = p.getInt(s, "duju", 0) != 0;
    danci = p.getInt(s, "danci", 1) != 0;
    yinbiao = p.getInt(s, "yinbiao", 1) != 0;
    timerAll = readTimer(p, s);
    for (int i = 0; i < 4; ++i) {
        int m = p.getInt(s, kMethodKeys[i], kDefaultMethods[i]);
        int o = p.getInt(s, kOrderKeys[i], kDefaultOrder);
        pairs[i].method = m < 1 || m > 9 ? kDefaultMethods[i] : m;
        pairs[i].order = o < 0 || o > 5 ? kDefaultOrder : o;
    }
}

void ModeOptions::write(CProfile& p, const std::string& s) const {
    p.setInt(s, "fayin", fayin ? 1 : 0);
    p.setInt(s, "duju", duju ? 1 : 0);
    p.setInt(s, "danci", danci ? 1 : 0);
    p.setInt(s, "daxie", daxie ? 1 : 0);
    p.setInt(s, "yinbiao", yinbiao ? 1 : 0);
    for (int i = 0; i < 4; ++i) {
        p.setInt(s, kMethodKeys[i], pairs[i].method);
        p.setInt(s, kOrderKeys[i], pairs[i].order);
    }
}

void ModeOptions::writeTimer(CProfile& p, const std::string& s) const {
    p.setInt(s, "timerAll", timerAll);
}

} // namespace vt
