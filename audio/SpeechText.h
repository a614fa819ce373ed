#pragma once
// How text handed to the speaking voice is cut up and cleaned: pieces end at each '*', and only ASCII letters
// and spaces are spoken.
#include <string>
#include <vector>

namespace vt {

// Keeps 'a'..'z', 'A'..'Z' and ' '; drops everything else (digits, punctuation, '*', every byte of Chinese text).
std::string filterSpeechPiece(const std::string& piece);
// Splits GBK text after every '*' and filters each piece; empty pieces are left out.
std::vector<std::string> speechPieces(const std::string& text);
// Cuts text to at most maxChars bytes, at the last space before the limit when there is one.
std::string capSpeechText(const std::string& text, size_t maxChars);

} // namespace vt
