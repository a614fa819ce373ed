#pragma once
// Keystream generator of the scrambled library files: one keystream word per line, XORed over the line's
// little-endian 32-bit groups, stored as upper-case hexadecimal.
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

class LineScrambler {
public:
    LineScrambler(uint32_t state = 0, uint32_t mask = 0) : m_state(state), m_mask(mask) {}
    void setKey(uint32_t state, uint32_t mask) {
        m_state = state;
        m_mask = mask;
    }
    // Keystream word of the next line; advances the state.
    uint32_t nextWord() {
        const uint32_t w = m_state & m_mask;
        m_state = (m_state >> 1) | ((((w >> 1) ^ (w >> 9)) & 1u) << 31);
        return w;
    }
    // Stored form of one line (without line end).
    std::string scramble(std::string_view line) { return scrambleWith(line, nextWord()); }
    // Plain text of one stored line: hex groups XORed, cut at the first zero byte. Characters that are not
    // hexadecimal digits count as 0 and an incomplete last group is ignored, so any input decodes.
    void unscramble(std::string_view stored, std::string& out) { unscrambleWith(stored, nextWord(), out); }

    static std::string scrambleWith(std::string_view line, uint32_t word);
    static void unscrambleWith(std::string_view stored, uint32_t word, std::string& out);
    // Per-file state from the header line text: seed plus the sum of signed byte value times position.
    static uint32_t fileState(std::string_view headerLine, uint32_t seed);

private:
    uint32_t m_state;
    uint32_t m_mask;
};

} // namespace vt
