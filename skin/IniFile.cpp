#include "IniFile.h"

#include "base/Paths.h"

#include <climits>

namespace vt {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool isLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

// Cuts to at most max bytes without leaving half of a double-byte character at the end.
std::string cutValue(const std::string& s, std::size_t max) {
    if (s.size() <= max)
        return s;
    std::size_t i = 0;
    while (i < max) {
        std::size_t step = isLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
        if (i + step > max)
            break;
        i += step;
    }
    return s.substr(0, i);
}

} // namespace

std::string IniFile::foldCase(const std::string& text) {
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (isLeadByte(c) && i + 1 < out.size()) {
            ++i; // trail bytes 0x40..0x7E look like ASCII letters
        } else if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

void IniFile::parse(const std::string& bytes) {
    m_sections.clear();
    Section* current = nullptr;
    Section ignored; // duplicate sections: the first one wins, later ones are read and dropped
    std::size_t pos = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = trim(bytes.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            std::size_t close = line.find(']');
            std::string name =
                foldCase(trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            auto inserted = m_sections.emplace(name, Section());
            if (inserted.second) {
                current = &inserted.first->second;
            } else {
                ignored.clear();
                current = &ignored;
            }
            continue;
        }
        if (!current)
            continue;
        std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = foldCase(trim(line.substr(0, eq)));
        if (key.empty())
            continue;
        std::string value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        current->emplace(key, cutValue(value, kMaxValue));
    }
}

bool IniFile::load(const std::string& gbkPath) {
    std::string bytes;
    if (!readWholeFile(gbkPath, bytes)) {
        m_sections.clear();
        return false;
    }
    parse(bytes);
    return true;
}

bool IniFile::hasSection(const std::string& section) const {
    return m_sections.count(foldCase(section)) != 0;
}

bool IniFile::hasKey(const std::string& section, const std::string& key) const {
    auto s = m_sections.find(foldCase(section));
    return s != m_sections.end() && s->second.count(foldCase(key)) != 0;
}

std::string IniFile::value(const std::string& section, const std::string& key, const std::string& def) const {
    auto s = m_sections.find(foldCase(section));
    if (s == m_sections.end())
        return def;
    auto k = s->second.find(foldCase(key));
    return k == s->second.end() ? def : k->second;
}

int IniFile::intValue(const std::string& section, const std::string& key, int def) const {
    auto s = m_sections.find(foldCase(section));
    if (s == m_sections.end())
        return def;
    auto k = s->second.find(foldCase(key));
    if (k == s->second.end() || k->second.empty())
        return def;
    return toInt(k->second);
}

int IniFile::toInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            v = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

} // namespace vt
