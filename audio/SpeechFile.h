#pragma once
// Speech files (".spw"): where the file of a word lives, and the 200-byte header this system writes.
#include <string>

namespace vt {

constexpr int kSpeechHeaderSize = 200;
constexpr int kSpeechFileRate = 11025; // rate files are rendered at (the lesson maker counts at this rate)

// base folder + "speech/" + first byte of the word + "/" + word + ".spw" (GBK). Empty when the word cannot
// be a file name: empty, holding '/', NUL or "..", or too long for the file system.
std::string speechFilePath(const std::string& baseFolder, const std::string& word);

// Header: "VTSPW1 rate=<rate> bits=8 ch=1 word=<word>" padded with zero bytes to 200 bytes (the word is cut
// when it does not fit).
std::string makeSpeechHeader(int rate, const std::string& word);
// Reads a header written by makeSpeechHeader; false for any other 200 bytes (files are played regardless).
bool parseSpeechHeader(const std::string& bytes, int& rate, std::string& word);

} // namespace vt
