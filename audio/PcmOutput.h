#pragma once
// The sound device as CAudioBase sees it: open for a PCM format, queue blocks, learn when everything queued has
// been heard, reset. A real backend (QtPcmOutput) and a recording fake for tests (RecordingPcmOutput) implement it.
#include <cstddef>
#include <cstdint>

namespace vt {

struct PcmFormat {
    int sampleRate = 11000;
    int bitsPerSample = 8; // 8: unsigned, 128 is silence; 16: signed little-endian
    int channels = 1;
    int bytesPerSecond() const { return sampleRate * channels * bitsPerSample / 8; }
};

class PcmOutput {
public:
    virtual ~PcmOutput() = default;

    // Opens the default device for the format; false when no device can be opened (nothing is kept open then).
    virtual bool open(const PcmFormat& format) = 0;
    // False before open, after reset, and once the device has been lost (the owner opens it again).
    virtual bool isOpen() const = 0;
    // Queues one block behind everything queued before; the bytes are copied. False when the device is not
    // open or its queue is full (the block is dropped).
    virtual bool write(const uint8_t* data, size_t size) = 0;
    // True when every queued byte has been sounded (also when nothing was ever queued).
    virtual bool isDrained() const = 0;
    // Returns once the queued sound has been heard or after timeoutMs; true when drained. Interactive backends
    // keep serving their event loop meanwhile (user input excluded), so windows still repaint.
    virtual bool waitDrained(int timeoutMs) = 0;
    // Drops queued sound and closes the device.
    virtual void reset() = 0;
};

} // namespace vt
