#pragma once
// Skin INI files read key by key: sections and keys match without regard to ASCII case, a missing key gives
// the caller's default, a malformed number reads 0, values are cut at 1000 bytes. Text stays GBK bytes.
// Plain C++ (no Qt) so the parser can be fuzzed and tested on its own.
#include <map>
#include <string>

namespace vt {

class IniFile {
public:
    static constexpr std::size_t kMaxValue = 1000;

    // Replaces the content with the sections parsed from the bytes; never fails.
    void parse(const std::string& bytes);
    // Reads a file named by a GBK path; false (and empty content) when it cannot be read.
    bool load(const std::string& gbkPath);
    void clear() { m_sections.clear(); }

    bool hasSection(const std::string& section) const;
    bool hasKey(const std::string& section, const std::string& key) const;
    // The value as GBK text, or the default when the section or key is missing.
    std::string value(const std::string& section, const std::string& key, const std::string& def = {}) const;
    // The value as a decimal integer: the default when missing or empty, 0 when it does not start with a number.
    int intValue(const std::string& section, const std::string& key, int def) const;

    // Leading optional sign and decimal digits (after blanks); 0 without digits; saturates at the int range.
    static int toInt(const std::string& text);
    // ASCII letters folded to lower case; the second byte of a GBK character is never touched.
    static std::string foldCase(const std::string& text);

private:
    using Section = std::map<std::string, std::string>; // folded key -> value
    std::map<std::string, Section> m_sections;          // folded section name -> keys
};

} // namespace vt
