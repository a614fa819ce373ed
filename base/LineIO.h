#pragma once
// Line reading and writing for the CR LF text files: a reader takes a line up to LF and drops the CR before it;
// a writer ends every line with CR LF.
#include <cstdio>
#include <string>

namespace vt {

class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool open(const std::string& gbkPath);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // Next line without its line end; false at end of file (a last line without LF is still returned).
    bool readLine(std::string& line);
    // Raw bytes (for the binary counts of legacy libraries); false when fewer than n bytes remain.
    bool readBytes(void* out, size_t n);
    // Size of the open file in bytes, so callers can check counts read from it before reserving memory.
    long long size() const { return m_size; }
    long long position() const;

private:
    FILE* m_file = nullptr;
    long long m_size = 0;
};

// Appends the line and CR LF.
inline void appendLine(std::string& out, const std::string& line) {
    out += line;
    out += "\r\n";
}

} // namespace vt
