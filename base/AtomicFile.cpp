#include "AtomicFile.h"

#include "Paths.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vt {
namespace {
std::atomic<long long> g_failAfter{-1};
std::atomic<long long> g_written{0};
} // namespace

void AtomicFileWriter::setFailAfterBytesForTesting(long long bytes) {
    g_failAfter = bytes;
    g_written = 0;
}

AtomicFileWriter::~AtomicFileWriter() { abort(); }

bool AtomicFileWriter::open(const std::string& gbkPath) {
    abort();
    m_failed = false;
    m_error.clear();
    m_target = fsName(gbkPath);
    m_temp = m_target + ".tmp" + std::to_string(::getpid());
    m_file = std::fopen(m_temp.c_str(), "wb");
    if (!m_file) {
        m_failed = true;
        m_error = std::string("cannot create ") + m_temp + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool AtomicFileWriter::write(const void* data, size_t n) {
    if (!m_file || m_failed) return false;
    if (g_failAfter >= 0 && (g_written += static_cast<long long>(n)) > g_failAfter) {
        m_failed = true;
        m_error = "write failed (simulated)";
        return false;
    }
    if (n && std::fwrite(data, 1, n, m_file) != n) {
        m_failed = true;
        m_error = std::string("write failed: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool AtomicFileWriter::writeLine(const std::string& line) { return write(line) && write("\r\n", 2); }

bool AtomicFileWriter::commit() {
    if (!m_file) return false;
    if (!m_failed && std::fflush(m_file) != 0) {
        m_failed = true;
        m_error = std::string("flush failed: ") + std::strerror(errno);
    }
    if (!m_failed) ::fsync(fileno(m_file));
    if (std::fclose(m_file) != 0 && !m_failed) {
        m_failed = true;
        m_error = std::string("close failed: ") + std::strerror(errno);
    }
    m_file = nullptr;
    if (m_failed) {
        std::remove(m_temp.c_str());
        return false;
    }
    if (std::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        m_failed = true;
        m_error = std::string("cannot rename over ") + m_target + ": " + std::strerror(errno);
        std::remove(m_temp.c_str());
        return false;
    }
    return true;
}

void AtomicFileWriter::abort() {
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
        std::remove(m_temp.c_str());
    }
}

bool writeFileAtomically(const std::string& gbkPath, const std::string& content, std::string* error) {
    AtomicFileWriter w;
    if (!w.open(gbkPath) || !w.write(content) || !w.commit()) {
        if (error) *error = w.error();
        return false;
    }
    return true;
}

} // namespace vt
