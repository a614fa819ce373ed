#include "audio/SpeechRenderer.h"

#include "audio/EspeakEngine.h"
#include "audio/PcmConvert.h"
#include "audio/SpeechFile.h"
#include "base/Gbk.h"

#include <cstdint>
#include <vector>

namespace vt {

namespace {
constexpr double kMaxWordSeconds = 10.0; // a headword, even a phrase, is never longer
}

const char* renderResultText(RenderResult r) {
    switch (r) {
    case RenderResult::Ok:
        return "ok";
    case RenderResult::NoEngine:
        return "text-to-speech engine not available";
    case RenderResult::NotAWord:
        return "not a word that can be spoken or stored as a file";
    case RenderResult::NoSound:
        return "the synthesiser produced no sound";
    }
    return "?";
}

RenderResult renderSpeechFile(const std::string& gbkWord, const std::string& voice, std::string& out) {
    out.clear();
    EspeakEngine& engine = EspeakEngine::instance();
    if (!engine.available())
        return RenderResult::NoEngine;
    bool hasLetter = false;
    for (char c : gbkWord)
        hasLetter |= (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    std::string utf8;
    if (!hasLetter || !gbkToUtf8(gbkWord, utf8))
        return RenderResult::NotAWord;
    std::vector<int16_t> samples;
    int rate = engine.sampleRate();
    if (!engine.synthesize(utf8, voice, samples, static_cast<size_t>(kMaxWordSeconds * rate)))
        return RenderResult::NoSound;
    std::vector<uint8_t> pcm = toUnsigned8(samples.data(), samples.size(), rate, kSpeechFileRate);
    if (pcm.empty())
        return RenderResult::NoSound;
    out = makeSpeechHeader(kSpeechFileRate, gbkWord);
    out.append(reinterpret_cast<const char*>(pcm.data()), pcm.size());
    return RenderResult::Ok;
}

} // namespace vt
