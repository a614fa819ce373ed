#include "CMemoryProfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace vt {

const std::string* CMemoryProfile::find(const std::string& section, const std::string& key) const {
    for (const Section& s : m_sections) {
        if (s.name != section)
            continue;
        for (const auto& kv : s.keys)
            if (kv.first == key)
                return &kv.second;
        return nullptr;
    }
    return nullptr;
}

bool CMemoryProfile::has(const std::string& section, const std::string& key) const {
    return find(section, key) != nullptr;
}

int CMemoryProfile::getInt(const std::string& section, const std::string& key, int defaultValue) const {
    const std::string* v = find(section, key);
    if (!v)
        return defaultValue;
    const char* begin = v->c_str();
    char* end = nullptr;
    errno = 0;
    long long n = std::strtoll(begin, &end, 10);
    // A value that is not a number is treated like a missing one.
    if (end == begin)
        return defaultValue;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return defaultValue;
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

std::string CMemoryProfile::getString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) const {
    const std::string* v = find(section, key);
    return v ? *v : defaultValue;
}

void CMemoryProfile::setInt(const std::string& section, const std::string& key, int value) {
    setString(section, key, std::to_string(value));
}

void CMemoryProfile::setString(const std::string& section, const std::string& key, const std::string& value) {
    for (Section& s : m_sections) {
        if (s.name != section)
            continue;
        for (auto& kv : s.keys) {
            if (kv.first == key) {
                kv.second = value;
                return;
            }
        }
        s.keys.emplace_back(key, value);
        return;
    }
    m_sections.push_back(Section{section, {{key, value}}});
}

} // namespace vt
