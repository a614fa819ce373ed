#include "audio/Pronounce.h"

#include "audio/CAudioBase.h"
#include "audio/CTtsVoice.h"
#include "audio/SpeechFile.h"
#include "base/Paths.h"

namespace vt {

std::string recordedSpeechFor(const std::string& baseFolder, const std::string& gbkWord) {
    std::string path = speechFilePath(baseFolder, gbkWord);
    if (path.empty() || !isReadable(path))
        return std::string();
    return path;
}

SpeechSource PronounceWord(CAudioBase& audio, CTtsVoice& voice, const std::string& baseFolder,
                           const std::string& gbkWord, std::string* message) {
    if (message)
        message->clear();
    if (gbkWord.empty())
        return SpeechSource::None;
    std::string path = recordedSpeechFor(baseFolder, gbkWord);
    if (!path.empty()) {
        audio.PlayFile(path, message);
        return SpeechSource::File;
    }
    voice.SpeakText(gbkWord);
    return SpeechSource::Voice;
}

} // namespace vt
