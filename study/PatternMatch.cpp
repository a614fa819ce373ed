#include "PatternMatch.h"

#include <cstring>

namespace vt {

bool matchPattern(const std::string& p, const std::string& w) {
    const size_t lp = p.size();
    const size_t lw = w.size();
    // The first rule that decides wins; a rule whose test fails hands over to the next one.
    if (lp >= 2 && p[0] == '*') {
        if (lw < lp - 1)
            return false;
        if (std::memcmp(w.data() + lw - (lp - 1), p.data() + 1, lp - 1) == 0)
            return true;
    }
    if (lp >= 2 && p[lp - 1] == '*') {
        if (lw < lp - 1)
            return false;
        if (std::memcmp(w.data(), p.data(), lp - 1) == 0)
            return true;
    }
    if (lp >= 3) {
        size_t c = p.find('*', 1);
        if (c != std::string::npos && c < lp - 1) {
            if (lw < lp - 1)
                return false;
            size_t tail = lp - c - 1;
            if (std::memcmp(w.data(), p.data(), c) == 0 &&
                std::memcmp(w.data() + lw - tail, p.data() + c + 1, tail) == 0)
                return true;
        }
    }
    if (p == "*")
        return true;
    return lp > 0 && w.find(p) != std::string::npos;
}

} // namespace vt
