#include "LineIO.h"

#include "Paths.h"

namespace vt {

LineReader::~LineReader() { close(); }

bool LineReader::open(const std::string& gbkPath) {
    close();
    m_file = std::fopen(fsName(gbkPath).c_str(), "rb");
    if (!m_file) return false;
    if (std::fseek(m_file, 0, SEEK_END) == 0) {
        m_size = std::ftell(m_file);
        std::fseek(m_file, 0, SEEK_SET);
    }
    return true;
}

void LineReader::close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
    m_size = 0;
}

bool LineReader::readLine(std::string& line) {
    line.clear();
    if (!m_file) return false;
    int c;
    bool any = false;
    while ((c = std::getc(m_file)) != EOF) {
        any = true;
        if (c == '\n') break;
        line += static_cast<char>(c);
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool LineReader::readBytes(void* out, size_t n) {
    if (!m_file) return false;
    return std::fread(out, 1, n, m_file) == n;
}

long long LineReader::position() const { return m_file ? std::ftell(m_file) : 0; }

} // namespace vt
