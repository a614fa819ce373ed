#pragma once
// The option flags, the auto-advance interval and the per-mode method pairs the main window reads when a
// mode is entered and writes back when the options are saved.
#include <string>

namespace vt {

class CProfile;

// Option keys of the learner's section with their valid ranges.
class ModeOptions {
public:
    struct Pair {
        int method;
        int order;
    };
    // Index of the pair for a mode (Carefree 0, Free Scan 1, Easy Choice 2, Fill Blanks 3); modes 6 and 8
    // use the Free Scan pair; -1 for modes without a pair.
    static int pairIndex(int mode);
    static const char* methodKey(int pairIndex); // "wyjymethod" ...
    static const char* orderKey(int pairIndex);  // "wyjymethodQuci" ...
    static int defaultMethod(int pairIndex);
    static constexpr int kDefaultOrder = 5;

    bool fayin = true;
    bool daxie = false;
    bool duju = false;
    bool danci = true;
    bool yinbiao = true;
    int timerAll = 5;
    Pair pairs[4] = {{3, 5}, {6, 5}, {3, 5}, {1, 5}};

    // Reads every key; a method outside 1..9 becomes the mode's default, an order outside 0..5 becomes 5,
    // a timer interval outside 0..36 becomes 5, a flag is on when non-zero.
    void read(const CProfile& profile, const std::string& learner);
    // Writes "fayin", "duju", "danci", "daxie", "yinbiao" and the eight pair keys ("timerAll" is written by
    // its own dialog: writeTimer).
    void write(CProfile& profile, const std::string& learner) const;
    void writeTimer(CProfile& profile, const std::string& learner) const;
    // "timerAll" alone, as the timer dialog re-reads it before opening.
    static int readTimer(const CProfile& profile, const std::string& learner);
};

} // namespace vt
