#pragma once
// Seedable pseudo-random generator with the classic C runtime semantics (values 0..32767), one instance per
// owner so every draw can be reproduced in tests.
#include <cstdint>

namespace vt {

class CRandom {
public:
    static constexpr int kMax = 32767;
    explicit CRandom(uint32_t seed = 1) : m_state(seed) {}
    void seed(uint32_t seed) { m_state = seed; }
    // Next value in 0..32767.
    int next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    // Draw in [lo, hi]: trunc(r * (hi - lo + 0.99) / 32767 + lo).
    int draw(int lo, int hi) { return drawWith(next(), lo, hi); }
    static int drawWith(int r, int lo, int hi) {
        return static_cast<int>(r * (hi - lo + 0.99) / 32767.0 + lo);
    }
    uint32_t state() const { return m_state; }

private:
    uint32_t m_state;
};

} // namespace vt
