#include "audio/CTtsVoice.h"

#include "audio/CAudioBase.h"
#include "audio/EspeakEngine.h"
#include "audio/PcmConvert.h"
#include "audio/SpeechText.h"
#include "base/Gbk.h"

#include <cctype>
#include <cstdint>

namespace vt {

namespace {

// Generous upper bound of characters spoken per second: text beyond what the time budget can say is
// never handed to the synthesiser.
constexpr double kMaxCharsPerSecond = 40.0;
// Slack on top of the sound's own length when waiting for it to be heard (device latency).
constexpr int kWaitSlackMs = 3000;

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Code point at text[i] (UTF-8), advancing i; invalid bytes count as one character each.
uint32_t nextCodePoint(const std::string& text, size_t& i) {
    auto c = static_cast<unsigned char>(text[i]);
    int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + static_cast<size_t>(len) > text.size())
        len = 1;
    uint32_t cp = len == 1 ? c : (c & (0x7F >> len));
    for (int k = 1; k < len; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
    i += static_cast<size_t>(len);
    return cp;
}

bool isChinese(uint32_t cp) {
    return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFF00 && cp <= 0xFFEF) ||
           (cp >= 0x20000 && cp <= 0x2FFFF);
}

struct BusyScope {
    explicit BusyScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~BusyScope() { m_flag = false; }
    bool& m_flag;
};

} // namespace

CTtsVoice::CTtsVoice(CAudioBase& audio) : m_audio(audio) {
    EspeakEngine& engine = EspeakEngine::instance();
    for (const VoiceInfo& v : engine.voices()) {
        m_descriptions.push_back(v.name);
        m_identifiers.push_back(v.identifier);
    }
    m_current = engine.defaultVoiceIndex();
    m_speaking = m_current;
}

void CTtsVoice::setCurrentIndex(int index) {
    m_current = index >= 0 && index < static_cast<int>(m_descriptions.size()) ? index : -1;
}

void CTtsVoice::SelectVoice() {
    if (m_current >= 0)
        m_speaking = m_current;
}

std::string CTtsVoice::speakingVoice() const {
    return m_speaking >= 0 ? m_descriptions[static_cast<size_t>(m_speaking)] : std::string();
}

int CTtsVoice::findPrefix(const std::vector<std::string>& list, const std::string& prefix, int startAfter) {
    int n = static_cast<int>(list.size());
    if (n == 0)
        return -1;
    int first = startAfter < 0 || startAfter >= n ? 0 : startAfter + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        if (startsWithNoCase(list[static_cast<size_t>(i)], prefix))
            return i;
    }
    return -1;
}

int CTtsVoice::startupPreference(const std::vector<std::string>& list) {
    // Searching after entry 0 already covers the whole list, so later starting points cannot find more.
    return list.empty() ? -1 : findPrefix(list, "VW", 0);
}

void CTtsVoice::ApplyStartupPreference() {
    int i = startupPreference(m_descriptions);
    if (i < 0)
        return;
    setCurrentIndex(i);
    SelectVoice();
}

bool CTtsVoice::ApplyChosenVoice(const std::string& description) {
    int i = findPrefix(m_descriptions, description);
    setCurrentIndex(i);
    SelectVoice();
    return i >= 0;
}

bool CTtsVoice::sayUtf8(const std::string& utf8, const std::string& voice, double& secondsLeft) {
    EspeakEngine& engine = EspeakEngine::instance();
    int rate = engine.sampleRate();
    if (rate <= 0 || secondsLeft <= 0)
        return false;
    std::string text = capSpeechText(utf8, static_cast<size_t>(secondsLeft * kMaxCharsPerSecond) + 1);
    std::vector<int16_t> samples;
    auto maxSamples = static_cast<size_t>(secondsLeft * rate);
    if (!engine.synthesize(text, voice, samples, maxSamples) || samples.empty())
        return true;
    secondsLeft -= static_cast<double>(samples.size()) / rate;
    std::vector<uint8_t> pcm = toUnsigned8(samples.data(), samples.size(), rate, m_audio.samplesPerSecond());
    // Without a device the learner hears nothing; the device is tried again next time.
    if (!m_audio.PlaySamples(pcm.data(), pcm.size()))
        return true;
    ++m_utterances;
    int ms = static_cast<int>(pcm.size() * 1000 / static_cast<size_t>(m_audio.samplesPerSecond()));
    m_audio.WaitUntilHeard(ms + kWaitSlackMs);
    return secondsLeft > 0;
}

void CTtsVoice::SpeakText(const std::string& gbkText) {
    if (gbkText.empty() || m_busy || m_speaking < 0 || m_audio.formatCode() != CAudioBase::kFormatSpeech)
        return;
    BusyScope busy(m_busy);
    double left = m_maxSeconds;
    const std::string& voice = m_identifiers[static_cast<size_t>(m_speaking)];
    // Pieces are filtered to ASCII letters and spaces, so they are valid UTF-8 as they are.
    for (const std::string& piece : speechPieces(gbkText)) {
        if (!sayUtf8(piece, voice, left))
            break;
    }
}

void CTtsVoice::SpeakUnfiltered(const std::string& gbkText) {
    if (gbkText.empty() || m_busy || m_speaking < 0 || m_audio.formatCode() != CAudioBase::kFormatSpeech)
        return;
    BusyScope busy(m_busy);
    std::string utf8 = toUtf8(gbkText);
    const std::string& voice = m_identifiers[static_cast<size_t>(m_speaking)];
    double left = m_maxSeconds;
    // Runs of Chinese and of other text, each read by the voice that can read it.
    size_t i = 0;
    while (i < utf8.size()) {
        size_t start = i;
        size_t probe = i;
        bool chinese = isChinese(nextCodePoint(utf8, probe));
        while (i < utf8.size()) {
            size_t next = i;
            if (isChinese(nextCodePoint(utf8, next)) != chinese)
                break;
            i = next;
        }
        std::string run = utf8.substr(start, i - start);
        if (run.find_first_not_of(" \t\r\n") == std::string::npos)
            continue;
        if (!sayUtf8(run, chinese ? std::string(kMandarinVoice) : voice, left))
            break;
    }
}

} // namespace vt
