#include "audio/SpeechFile.h"

#include "base/Paths.h"

#include <cstdlib>
#include <cstring>

namespace vt {

namespace {
const char kMagic[] = "VTSPW1 ";
constexpr size_t kMaxNameBytes = 255; // NAME_MAX of the usual Linux file systems
} // namespace

std::string speechFilePath(const std::string& baseFolder, const std::string& word) {
    if (word.empty() || word.find('/') != std::string::npos || word.find('\0') != std::string::npos ||
        word.find("..") != std::string::npos)
        return std::string();
    if (fsName(word + ".spw").size() > kMaxNameBytes)
        return std::string();
    std::string base = baseFolder;
    if (!base.empty() && base.back() != '/')
        base += '/';
    return base + "speech/" + word.substr(0, 1) + "/" + word + ".spw";
}

std::string makeSpeechHeader(int rate, const std::string& word) {
    std::string h = kMagic;
    h += "rate=" + std::to_string(rate) + " bits=8 ch=1 word=";
    size_t room = kSpeechHeaderSize - 1 - h.size(); // keep one zero byte as terminator
    h += word.substr(0, room);
    h.resize(kSpeechHeaderSize, '\0');
    return h;
}

bool parseSpeechHeader(const std::string& bytes, int& rate, std::string& word) {
    if (bytes.size() < static_cast<size_t>(kSpeechHeaderSize))
        return false;
    std::string h(bytes.data(), kSpeechHeaderSize);
    h.resize(std::strlen(h.c_str()));
    if (h.compare(0, sizeof kMagic - 1, kMagic) != 0)
        return false;
    size_t r = h.find("rate=");
    size_t w = h.find(" word=");
    if (r == std::string::npos || w == std::string::npos)
        return false;
    rate = std::atoi(h.c_str() + r + 5);
    word = h.substr(w + 6);
    return rate > 0 && h.find(" bits=8 ch=1") != std::string::npos;
}

} // namespace vt
