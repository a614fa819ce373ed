#include "audio/EspeakEngine.h"

#include <espeak-ng/speak_lib.h>

#include <cstdlib>
#include <cstring>

namespace vt {

namespace {

struct SynthTarget {
    std::vector<int16_t>* out;
    size_t maxSamples;
};

int onSynth(short* wav, int numSamples, espeak_EVENT* events) {
    if (!events)
        return 1;
    auto* target = static_cast<SynthTarget*>(events->user_data);
    if (!target)
        return 1;
    if (wav && numSamples > 0) {
        size_t room = target->maxSamples > target->out->size() ? target->maxSamples - target->out->size() : 0;
        size_t n = static_cast<size_t>(numSamples) < room ? static_cast<size_t>(numSamples) : room;
        target->out->insert(target->out->end(), wav, wav + n);
        if (target->out->size() >= target->maxSamples)
            return 1; // abort: the cap is reached
    }
    return 0;
}

} // namespace

EspeakEngine& EspeakEngine::instance() {
    static EspeakEngine engine;
    return engine;
}

EspeakEngine::~EspeakEngine() {
    if (m_ok)
        espeak_Terminate();
}

void EspeakEngine::init() {
    if (m_tried)
        return;
    m_tried = true;
    const char* path = std::getenv(kDataPathVariable);
    int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, path && *path ? path : nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0)
        return;
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        VoiceInfo v;
        v.name = list[i]->name ? list[i]->name : "";
        v.identifier = list[i]->identifier ? list[i]->identifier : "";
        // languages: a priority byte, then the language name.
        if (list[i]->languages && list[i]->languages[0])
            v.language = list[i]->languages + 1;
        if (!v.name.empty())
            m_voices.push_back(v);
    }
    if (m_voices.empty())
        return; // data without voices: nothing can be said
    espeak_SetSynthCallback(onSynth);
    m_rate = rate;
    m_ok = true;
    // The engine's default voice is the one selected by the language name "en".
    if (espeak_SetVoiceByName("en") == EE_OK) {
        if (espeak_VOICE* cur = espeak_GetCurrentVoice(); cur && cur->identifier) {
            for (size_t i = 0; i < m_voices.size(); ++i) {
                if (m_voices[i].identifier == cur->identifier) {
                    m_defaultIndex = static_cast<int>(i);
                    m_currentVoice = m_voices[i].identifier;
                    break;
                }
            }
        }
    }
    if (m_defaultIndex < 0)
        m_defaultIndex = 0;
}

bool EspeakEngine::available() {
    init();
    return m_ok;
}

int EspeakEngine::sampleRate() {
    init();
    return m_rate;
}

const std::vector<VoiceInfo>& EspeakEngine::voices() {
    init();
    return m_voices;
}

int EspeakEngine::defaultVoiceIndex() {
    init();
    return m_ok ? m_defaultIndex : -1;
}

bool EspeakEngine::useVoice(const std::string& voice) {
    std::string want = voice.empty() ? m_voices[static_cast<size_t>(m_defaultIndex)].identifier : voice;
    if (want == m_currentVoice)
        return true;
    if (espeak_SetVoiceByName(want.c_str()) != EE_OK) {
        // A description was given: find its identifier.
        bool found = false;
        for (const VoiceInfo& v : m_voices) {
            if (v.name == want && espeak_SetVoiceByName(v.identifier.c_str()) == EE_OK) {
                found = true;
                break;
            }
        }
        if (!found) {
            m_currentVoice.clear();
            return false;
        }
    }
    m_currentVoice = want;
    return true;
}

bool EspeakEngine::synthesize(const std::string& utf8, const std::string& voice, std::vector<int16_t>& out,
                              size_t maxSamples) {
    if (!available() || utf8.empty() || !useVoice(voice))
        return false;
    if (out.size() >= maxSamples)
        return true;
    SynthTarget target{&out, maxSamples};
    espeak_ERROR err =
        espeak_Synth(utf8.c_str(), utf8.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &target);
    return err == EE_OK;
}

} // namespace vt
