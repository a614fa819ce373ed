#include "audio/RecordingPcmOutput.h"

namespace vt {

bool RecordingPcmOutput::open(const PcmFormat& format) {
    ++m_openAttempts;
    if (!m_available)
        return false;
    m_open = true;
    m_opens.push_back(format);
    return true;
}

bool RecordingPcmOutput::write(const uint8_t* data, size_t size) {
    if (!m_open || queuedBytes() + size > m_capacity) {
        ++m_refused;
        return false;
    }
    m_blocks.emplace_back(reinterpret_cast<const char*>(data), size);
    return true;
}

bool RecordingPcmOutput::waitDrained(int timeoutMs) {
    ++m_waits;
    m_lastWaitTimeoutMs = timeoutMs;
    if (m_onWait)
        m_onWait();
    return true;
}

void RecordingPcmOutput::reset() {
    ++m_resets;
    m_open = false;
}

std::string RecordingPcmOutput::played() const {
    std::string all;
    for (const std::string& b : m_blocks)
        all += b;
    return all;
}

size_t RecordingPcmOutput::queuedBytes() const {
    size_t n = 0;
    for (const std::string& b : m_blocks)
        n += b.size();
    return n;
}

} // namespace vt
