#include "audio/SpeechText.h"

namespace vt {

std::string filterSpeechPiece(const std::string& piece) {
    std::string out;
    out.reserve(piece.size());
    for (char c : piece) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ' ')
            out.push_back(c);
    }
    return out;
}

std::vector<std::string> speechPieces(const std::string& text) {
    std::vector<std::string> pieces;
    size_t start = 0;
    while (start < text.size()) {
        size_t star = text.find('*', start);
        size_t end = star == std::string::npos ? text.size() : star + 1;
        std::string piece = filterSpeechPiece(text.substr(start, end - start));
        if (!piece.empty())
            pieces.push_back(std::move(piece));
        start = end;
    }
    return pieces;
}

std::string capSpeechText(const std::string& text, size_t maxChars) {
    if (text.size() <= maxChars)
        return text;
    size_t cut = text.rfind(' ', maxChars);
    if (cut == std::string::npos || cut == 0)
        cut = maxChars;
    return text.substr(0, cut);
}

} // namespace vt
