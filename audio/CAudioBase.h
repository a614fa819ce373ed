#pragma once
// Plays speech files and synthesised speech through a PCM output: a fixed ring of 150 blocks of 1920 bytes,
// filled from the file and handed to the device; a request returns once its last block is queued.
#include "audio/PcmOutput.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vt {

class CAudioBase {
public:
    static constexpr int kPoolBlocks = 150;
    static constexpr int kBlockSize = 1920;
    static constexpr int kHeaderSize = 200;    // speech-file header, skipped
    static constexpr int kMinFinalPiece = 960; // a shorter final piece of a file is not played
    static constexpr int kFormatSpeech = 7;    // 8-bit unsigned mono, 11000 per second
    static constexpr int kFormatFrame = 4;     // 16-bit, 8000 per second
    // Messages for the caller to show; the library shows nothing itself.
    static const char* const kAllocFailedMessage;
    static const char* const kOpenFailedMessage;

    // The output must outlive this object.
    explicit CAudioBase(PcmOutput& output);
    ~CAudioBase();
    CAudioBase(const CAudioBase&) = delete;
    CAudioBase& operator=(const CAudioBase&) = delete;

    // Fills the block pool and opens the device. On failure returns false and puts the message into
    // *message; "open waveOutOpen failed" is handed out only the first time in the life of this object, later
    // failures stay silent (the next request simply tries again). Callers passing no message (speech
    // synthesis) do not use up that one report.
    bool OpenOutput(int bitsPerSample, int samplesPerSecond, std::string* message = nullptr);
    // Streams a speech file (GBK path): header skipped, whole blocks of up to 1920 bytes queued, a final piece
    // under 960 bytes dropped. Opens the device first when needed; false only when it cannot be opened.
    // Returns as soon as the last block is queued; an unreadable file plays nothing and still succeeds.
    bool PlayFile(const std::string& gbkPath, std::string* message = nullptr);
    // Queues raw samples of the current format, all of them (synthesised speech).
    bool PlaySamples(const uint8_t* data, size_t size, std::string* message = nullptr);
    // Waits until everything queued has been heard, at most timeoutMs; true when it has.
    bool WaitUntilHeard(int timeoutMs);
    // Drops queued sound, closes the device and frees the pool.
    void ResetOutput();
    // 7 (speech files, the default) or 4; a change resets the output.
    void SetFormatCode(int code);

    int formatCode() const { return m_formatCode; }
    int bitsPerSample() const { return m_bitsPerSample; }
    int samplesPerSecond() const { return m_samplesPerSecond; }
    bool isOpened() const { return m_opened; }
    int poolBlocks() const { return static_cast<int>(m_pool.size()); }
    // Number of blocks ever allocated; stays at 150 however many requests are played.
    long poolAllocations() const { return m_poolAllocations; }
    PcmFormat format() const;

    // Test hook: block allocation fails once this many blocks have been allocated in total (-1: never).
    void setBlockAllocationLimitForTesting(long limit) { m_allocationLimit = limit; }

private:
    struct Block {
        std::unique_ptr<uint8_t[]> data;
        size_t length = 0;
    };
    bool ensureOpen(std::string* message);
    bool fillPool();
    // Takes the head block, fills it with bytes, queues it and moves it to the tail.
    bool queueBlock(const uint8_t* bytes, size_t n);

    PcmOutput& m_output;
    std::vector<Block> m_pool; // ring: m_head is the next block to fill
    size_t m_head = 0;
    long m_poolAllocations = 0;
    long m_allocationLimit = -1;
    bool m_deviceOpen = false; // device-open flag
    bool m_opened = false;
    bool m_openFailureReported = false;
    int m_formatCode = kFormatSpeech;
    int m_bitsPerSample = 8;
    int m_samplesPerSecond = 11000;
};

} // namespace vt
