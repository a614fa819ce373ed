#pragma once
// One text-to-speech voice object with its list of installed voices: selects a voice and speaks text through
// CAudioBase, returning once the speech has been heard. The main window owns one, the settings dialog another.
#include <string>
#include <vector>

namespace vt {

class CAudioBase;

class CTtsVoice {
public:
    // Fills the voice list from espeak-ng with the engine's default voice selected (and speaking).
    explicit CTtsVoice(CAudioBase& audio);

    // The voice list: descriptions in list order, and the selected entry (-1: none).
    const std::vector<std::string>& voiceDescriptions() const { return m_descriptions; }
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // Makes the selected entry the speaking voice; with no entry selected nothing changes.
    void SelectVoice();
    // Description of the voice that speaks (empty when there is none).
    std::string speakingVoice() const;

    // Start-up: the first voice whose description begins with "VW" (searching from the second entry, wrapping
    // to the first) is selected and speaks; otherwise the default voice stays.
    void ApplyStartupPreference();
    // After the settings dialog: selects the first entry beginning with the description (case-insensitive;
    // none selected when there is no such entry) and runs SelectVoice. True when an entry was found.
    // Storing the description in the profile ("Study"/"ttsname") is the caller's part.
    bool ApplyChosenVoice(const std::string& description);

    // Speaks GBK text: split after each '*', only letters and spaces kept, piece by piece, each heard before
    // the next is made. Says nothing (and returns at once) without voices or without a sound device.
    void SpeakText(const std::string& gbkText);
    // Speaks GBK text as it is, for the voice test of the settings dialog: Chinese runs are read by the
    // Mandarin (pinyin) voice, the rest by the selected voice.
    void SpeakUnfiltered(const std::string& gbkText);

    // At most this many seconds are said per call (the rest of a long text is dropped); 60 by default.
    void setMaxSpeechSeconds(double seconds) { m_maxSeconds = seconds; }
    double maxSpeechSeconds() const { return m_maxSeconds; }
    // True while SpeakText or SpeakUnfiltered waits for its speech to be heard. The wait serves the event loop
    // (timers still fire), and a request made meanwhile is ignored rather than spoken over the current one.
    bool isSpeaking() const { return m_busy; }
    // Utterances synthesised and handed to the sound output so far (for tests and diagnostics).
    int utterances() const { return m_utterances; }

    // Index of the first description beginning with prefix (case-insensitive), searching after startAfter
    // and wrapping to the start, like a list box's string search; -1 when none.
    static int findPrefix(const std::vector<std::string>& list, const std::string& prefix, int startAfter = -1);
    // Index the start-up preference picks, or -1 when no description begins with "VW".
    static int startupPreference(const std::vector<std::string>& list);

    static constexpr const char* kMandarinVoice = "cmn-latn-pinyin";

private:
    // Synthesises UTF-8 text with the voice, plays it and waits until it has been heard; false when the
    // time budget of this call is used up.
    bool sayUtf8(const std::string& utf8, const std::string& voice, double& secondsLeft);

    CAudioBase& m_audio;
    std::vector<std::string> m_descriptions;
    std::vector<std::string> m_identifiers;
    int m_current = -1;
    int m_speaking = -1;
    double m_maxSeconds = 60.0;
    int m_utterances = 0;
    bool m_busy = false;
};

} // namespace vt
