#pragma once
// Profile stored as an INI file: UTF-8 on disk, GBK at the interface, rewritten atomically on flush.
#include "base/CMemoryProfile.h"

#include <string>

namespace vt {

// The application profile on Linux: "[section]" lines and "key=value" lines.
class CIniProfile : public CMemoryProfile {
public:
    // gbkPath: file to read now and write on flush (defaultProfilePath() for the user's profile).
    explicit CIniProfile(const std::string& gbkPath);
    bool flush() override;
    // Re-reads the file, dropping values not yet flushed; false when it exists but cannot be read.
    bool reload();
    const std::string& path() const { return m_path; }
    const std::string& lastError() const { return m_error; }

    // Text form of the values (UTF-8), and the reverse; exposed for tests.
    std::string serialize() const;
    void parse(const std::string& utf8Text);

private:
    std::string m_path;
    std::string m_error;
};

} // namespace vt
