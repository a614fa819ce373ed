#pragma once
// Writes a file so that readers see either the old or the complete new content: data goes to a temporary file
// in the same folder, which is renamed over the target only on commit.
#include <cstdio>
#include <string>

namespace vt {

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    ~AtomicFileWriter(); // discards an uncommitted temporary file
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open(const std::string& gbkPath);
    bool write(const void* data, size_t n);
    bool write(const std::string& s) { return write(s.data(), s.size()); }
    bool writeLine(const std::string& line); // line + CR LF
    // Flushes, syncs and renames; false (target untouched) when any write failed.
    bool commit();
    void abort();
    bool failed() const { return m_failed; }
    const std::string& error() const { return m_error; }

    // Test hook: every writer fails once more than this many bytes were written in this process (-1: never).
    static void setFailAfterBytesForTesting(long long bytes);

private:
    FILE* m_file = nullptr;
    std::string m_target;
    std::string m_temp;
    bool m_failed = false;
    std::string m_error;
};

// Convenience: writes the whole content atomically.
bool writeFileAtomically(const std::string& gbkPath, const std::string& content, std::string* error = nullptr);

} // namespace vt
