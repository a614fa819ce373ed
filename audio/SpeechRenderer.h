#pragma once
// Renders the speech file of a word with espeak-ng: our 200-byte header, then 8-bit unsigned mono samples
// at 11025 per second.
#include <string>

namespace vt {

enum class RenderResult { Ok, NoEngine, NotAWord, NoSound };
const char* renderResultText(RenderResult r); // English, for the command-line tool

// GBK word -> complete file content in *out. voice: espeak-ng voice name or identifier (empty: default).
RenderResult renderSpeechFile(const std::string& gbkWord, const std::string& voice, std::string& out);

} // namespace vt
