#pragma once
// Reads CR LF lines and raw bytes from an in-memory buffer: the single byte source of the library parser, so
// files and fuzz inputs go through the same code.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace vt {

class ByteLineReader {
public:
    explicit ByteLineReader(std::string_view bytes) : m_bytes(bytes) {}
    // Next line up to LF without its CR LF; false at the end (a last line without LF is still returned).
    bool readLine(std::string_view& line) {
        if (m_pos >= m_bytes.size())
            return false;
        const char* start = m_bytes.data() + m_pos;
        const size_t left = m_bytes.size() - m_pos;
        const void* lf = std::memchr(start, '\n', left);
        size_t len = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : left;
        m_pos += lf ? len + 1 : len;
        if (len > 0 && start[len - 1] == '\r')
            --len;
        line = std::string_view(start, len);
        return true;
    }
    // Little-endian signed 32-bit integer; false when fewer than 4 bytes remain.
    bool readInt32(int32_t& value) {
        if (remaining() < 4)
            return false;
        const unsigned char* p = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
        value = static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                     static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
        m_pos += 4;
        return true;
    }
    size_t remaining() const { return m_bytes.size() - m_pos; }

private:
    std::string_view m_bytes;
    size_t m_pos = 0;
};

} // namespace vt
