#include "audio/CAudioBase.h"

#include "base/Paths.h"

#include <cstdio>
#include <cstring>
#include <new>

namespace vt {

const char* const CAudioBase::kAllocFailedMessage = "GlobalAlloc buffers failed";
const char* const CAudioBase::kOpenFailedMessage = "open waveOutOpen failed";

CAudioBase::CAudioBase(PcmOutput& output) : m_output(output) {}

CAudioBase::~CAudioBase() {
    m_output.reset();
}

PcmFormat CAudioBase::format() const {
    PcmFormat f;
    f.sampleRate = m_samplesPerSecond;
    f.bitsPerSample = m_bitsPerSample;
    f.channels = 1;
    return f;
}

bool CAudioBase::fillPool() {
    // Blocks made by an earlier, failed attempt are kept; only the missing ones are allocated.
    while (m_pool.size() < static_cast<size_t>(kPoolBlocks)) {
        if (m_allocationLimit >= 0 && m_poolAllocations >= m_allocationLimit)
            return false;
        Block b;
        b.data.reset(new (std::nothrow) uint8_t[kBlockSize]);
        if (!b.data)
            return false;
        ++m_poolAllocations;
        m_pool.push_back(std::move(b));
    }
    return true;
}

bool CAudioBase::OpenOutput(int bitsPerSample, int samplesPerSecond, std::string* message) {
    if (message)
        message->clear();
    m_bitsPerSample = bitsPerSample;
    m_samplesPerSecond = samplesPerSecond;
    if (!fillPool()) {
        if (message)
            *message = kAllocFailedMessage;
        return false;
    }
    if (!m_output.open(format())) {
        // Without a device every pronunciation would fail the same way: tell the learner once per run.
        if (message && !m_openFailureReported) {
            *message = kOpenFailedMessage;
            m_openFailureReported = true;
        }
        return false;
    }
    m_deviceOpen = true;
    m_opened = true;
    return true;
}

bool CAudioBase::ensureOpen(std::string* message) {
    if (m_opened && !m_output.isOpen()) {
        // The device went away since the last request (sound server restarted): open it again.
        m_opened = false;
        m_deviceOpen = false;
    }
    if (m_opened)
        return true;
    return OpenOutput(m_bitsPerSample, m_samplesPerSecond, message);
}

bool CAudioBase::queueBlock(const uint8_t* bytes, size_t n) {
    if (m_pool.empty()) {
        std::fputs("\r\nG711: no play buffer.", stderr);
        return false;
    }
    Block& b = m_pool[m_head];
    std::memcpy(b.data.get(), bytes, n);
    b.length = n;
    bool accepted = m_deviceOpen && m_output.write(b.data.get(), b.length);
    m_head = (m_head + 1) % m_pool.size();
    return accepted;
}

bool CAudioBase::PlayFile(const std::string& gbkPath, std::string* message) {
    if (message)
        message->clear();
    if (m_formatCode != kFormatSpeech) {
        ResetOutput();
        m_formatCode = kFormatSpeech;
        m_bitsPerSample = 8;
        m_samplesPerSecond = 11000;
    }
    if (!ensureOpen(message))
        return false;

    FILE* f = std::fopen(fsName(gbkPath).c_str(), "rb");
    if (!f)
        return true;
    if (std::fseek(f, kHeaderSize, SEEK_SET) == 0) {
        uint8_t buf[kBlockSize];
        for (;;) {
            size_t n = std::fread(buf, 1, kBlockSize, f);
            if (n < static_cast<size_t>(kMinFinalPiece))
                break;
            // A refused block means the device queue is full (a huge file): stop reading instead of
            // running through the rest of it.
            if (!queueBlock(buf, n))
                break;
        }
    }
    std::fclose(f);
    return true;
}

bool CAudioBase::PlaySamples(const uint8_t* data, size_t size, std::string* message) {
    if (message)
        message->clear();
    if (!ensureOpen(message))
        return false;
    for (size_t done = 0; done < size;) {
        size_t n = size - done < static_cast<size_t>(kBlockSize) ? size - done : static_cast<size_t>(kBlockSize);
        if (!queueBlock(data + done, n))
            break;
        done += n;
    }
    return true;
}

bool CAudioBase::WaitUntilHeard(int timeoutMs) {
    if (!m_opened || !m_output.isOpen())
        return true;
    return m_output.waitDrained(timeoutMs);
}

void CAudioBase::ResetOutput() {
    m_deviceOpen = false;
    m_output.reset();
    m_pool.clear();
    m_head = 0;
    m_opened = false;
}

void CAudioBase::SetFormatCode(int code) {
    if (code != kFormatSpeech && code != kFormatFrame)
        return;
    if (code == m_formatCode)
        return;
    ResetOutput();
    m_formatCode = code;
    m_bitsPerSample = code == kFormatSpeech ? 8 : 16;
    m_samplesPerSecond = code == kFormatSpeech ? 11000 : 8000;
}

} // namespace vt
