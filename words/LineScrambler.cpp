#include "words/LineScrambler.h"

namespace vt {
namespace {

struct HexTable {
    uint8_t value[256];
    HexTable() {
        for (int i = 0; i < 256; ++i)
            value[i] = 0;
        for (int i = 0; i < 10; ++i)
            value['0' + i] = static_cast<uint8_t>(i);
        for (int i = 0; i < 6; ++i) {
            value['A' + i] = static_cast<uint8_t>(10 + i);
            value['a' + i] = static_cast<uint8_t>(10 + i);
        }
    }
};
const HexTable kHex;
const char kDigits[] = "0123456789ABCDEF";

} // namespace

std::string LineScrambler::scrambleWith(std::string_view line, uint32_t word) {
    const size_t groups = (line.size() + 3) / 4;
    std::string out(groups * 8, '0');
    char* o = &out[0];
    for (size_t g = 0; g < groups; ++g) {
        uint32_t v = 0;
        for (size_t b = 0; b < 4; ++b) {
            const size_t i = g * 4 + b;
            if (i < line.size())
                v |= static_cast<uint32_t>(static_cast<unsigned char>(line[i])) << (8 * b);
        }
        v ^= word;
        for (int d = 7; d >= 0; --d) {
            o[d] = kDigits[v & 0xF];
            v >>= 4;
        }
        o += 8;
    }
    return out;
}

void LineScrambler::unscrambleWith(std::string_view stored, uint32_t word, std::string& out) {
    const size_t groups = stored.size() / 8;
    out.resize(groups * 4);
    char* o = out.empty() ? nullptr : &out[0];
    const unsigned char* s = reinterpret_cast<const unsigned char*>(stored.data());
    size_t length = groups * 4;
    for (size_t g = 0; g < groups; ++g, s += 8) {
        uint32_t v = 0;
        for (int d = 0; d < 8; ++d)
            v = (v << 4) | kHex.value[s[d]];
        v ^= word;
        for (size_t b = 0; b < 4; ++b) {
            const char c = static_cast<char>((v >> (8 * b)) & 0xFF);
            if (c == 0) {
                length = g * 4 + b;
                out.resize(length);
                return;
            }
            o[g * 4 + b] = c;
        }
    }
    out.resize(length);
}

uint32_t LineScrambler::fileState(std::string_view headerLine, uint32_t seed) {
    uint32_t state = seed;
    for (size_t i = 0; i < headerLine.size(); ++i) {
        const int32_t b = static_cast<signed char>(headerLine[i]);
        state += static_cast<uint32_t>(b) * static_cast<uint32_t>(i);
    }
    return state;
}

} // namespace vt
