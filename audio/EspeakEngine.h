#pragma once
// The process-wide espeak-ng engine, used in-process: lists its voices and synthesises text into memory.
// Initialised on first use; when it cannot start (no data, no voices) everything reports "nothing" quietly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vt {

struct VoiceInfo {
    std::string name;       // e.g. "English (America)": the description shown to the learner
    std::string identifier; // e.g. "gmw/en-US": what selects it
    std::string language;   // e.g. "en-us"
};

class EspeakEngine {
public:
    static EspeakEngine& instance();

    bool available();
    int sampleRate();                       // 22050 with espeak-ng; 0 when unavailable
    const std::vector<VoiceInfo>& voices(); // empty when unavailable
    int defaultVoiceIndex();                // the engine's own default voice in voices(), -1 when none
    // Synthesises UTF-8 text with the voice (identifier or name; empty: the default voice) into 16-bit mono
    // samples at sampleRate(), appended to out; synthesis stops once out holds maxSamples. False when the
    // engine or the voice is missing.
    bool synthesize(const std::string& utf8, const std::string& voice, std::vector<int16_t>& out, size_t maxSamples);

    // Environment variable naming another espeak-ng data folder (tests use an empty one: no voices).
    static constexpr const char* kDataPathVariable = "VERBATROVE_ESPEAK_DATA";

private:
    EspeakEngine() = default;
    ~EspeakEngine();
    void init();
    bool useVoice(const std::string& voice);

    bool m_tried = false;
    bool m_ok = false;
    int m_rate = 0;
    std::vector<VoiceInfo> m_voices;
    int m_defaultIndex = -1;
    std::string m_currentVoice;
};

} // namespace vt
