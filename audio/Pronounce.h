#pragma once
// Pronouncing a word: its recorded speech file when there is a readable one, otherwise the speaking voice.
#include <string>

namespace vt {

class CAudioBase;
class CTtsVoice;

enum class SpeechSource { None, File, Voice };

// The recording to play for the word, or empty when the word goes to text-to-speech.
std::string recordedSpeechFor(const std::string& baseFolder, const std::string& gbkWord);

// Plays the word's recording (returning once it is queued) or speaks the word (returning once it is heard).
// *message receives a device message for the window to show ("open waveOutOpen failed", at most once a run).
SpeechSource PronounceWord(CAudioBase& audio, CTtsVoice& voice, const std::string& baseFolder,
                           const std::string& gbkWord, std::string* message = nullptr);

} // namespace vt
