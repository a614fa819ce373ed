#pragma once
// Test double for the sound device: records every open and every block queued, can refuse to open (no device)
// and can be limited in how many bytes it holds before refusing blocks.
#include "audio/PcmOutput.h"

#include <functional>
#include <string>
#include <vector>

namespace vt {

class RecordingPcmOutput : public PcmOutput {
public:
    bool open(const PcmFormat& format) override;
    bool isOpen() const override { return m_open; }
    bool write(const uint8_t* data, size_t size) override;
    bool isDrained() const override { return true; }
    bool waitDrained(int timeoutMs) override;
    void reset() override;

    // Test controls.
    void setDeviceAvailable(bool available) { m_available = available; }
    void loseDevice() { m_open = false; } // as when the sound server goes away
    void setCapacity(size_t bytes) { m_capacity = bytes; }
    std::function<void()> m_onWait; // runs inside waitDrained, as timers do in a real wait

    // What happened.
    std::vector<std::string> m_blocks; // every accepted block, in order
    std::vector<PcmFormat> m_opens;    // every successful open
    int m_openAttempts = 0;
    int m_resets = 0;
    int m_waits = 0;
    int m_lastWaitTimeoutMs = 0;
    size_t m_refused = 0; // blocks refused (not open or full)

    std::string played() const; // all accepted bytes joined
    size_t queuedBytes() const;

private:
    bool m_available = true;
    bool m_open = false;
    size_t m_capacity = static_cast<size_t>(-1);
};

} // namespace vt
