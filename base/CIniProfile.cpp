#include "CIniProfile.h"

#include "AtomicFile.h"
#include "Gbk.h"
#include "Paths.h"

namespace vt {
namespace {

// Backslash escapes keep every value on one line and round-trip any text.
std::string escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char n = s[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

CIniProfile::CIniProfile(const std::string& gbkPath) : m_path(gbkPath) {
    reload();
}

bool CIniProfile::reload() {
    m_sections.clear();
    m_error.clear();
    if (!fileExists(m_path))
        return true;
    std::string text;
    if (!readWholeFile(m_path, text)) {
        m_error = "cannot read " + toUtf8(m_path);
        return false;
    }
    parse(text);
    return true;
}

void CIniProfile::parse(const std::string& utf8Text) {
    std::string section;
    size_t pos = 0;
    while (pos < utf8Text.size()) {
        size_t eol = utf8Text.find('\n', pos);
        if (eol == std::string::npos)
            eol = utf8Text.size();
        std::string line = utf8Text.substr(pos, eol - pos);
        pos = eol + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            size_t close = line.rfind(']');
            if (close != std::string::npos && close > 0)
                section = toGbk(unescape(line.substr(1, close - 1)));
            continue;
        }
        size_t eq = line.find('=');
        if (eq == std::string::npos || section.empty())
            continue;
        setString(section, toGbk(unescape(line.substr(0, eq))), toGbk(unescape(line.substr(eq + 1))));
    }
}

std::string CIniProfile::serialize() const {
    std::string out;
    for (const Section& s : m_sections) {
        if (!out.empty())
            out += "\n";
        out += "[" + escape(toUtf8(s.name)) + "]\n";
        for (const auto& kv : s.keys)
            out += escape(toUtf8(kv.first)) + "=" + escape(toUtf8(kv.second)) + "\n";
    }
    return out;
}

bool CIniProfile::flush() {
    m_error.clear();
    std::string folder = dirOf(m_path);
    if (!folder.empty() && !dirExists(folder) && !makeDirs(folder)) {
        m_error = "cannot create folder " + toUtf8(folder);
        return false;
    }
    std::string err;
    if (!writeFileAtomically(m_path, serialize(), &err)) {
        m_error = err.empty() ? "cannot write " + toUtf8(m_path) : err;
        return false;
    }
    return true;
}

} // namespace vt
