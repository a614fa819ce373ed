#pragma once
// Conversion between GBK (code page 936, the text of every file) and UTF-8 (source literals, tool output,
// file-system names). The core keeps text as GBK bytes; these are the only conversion points.
#include <string>

namespace vt {

// Converts UTF-8 to GBK. Returns false and sets error (when given) for text that is not valid UTF-8
// or holds characters GBK cannot represent.
bool utf8ToGbk(const std::string& utf8, std::string& gbkOut, std::string* error = nullptr);
// Converts GBK to UTF-8. Returns false for byte sequences that are not valid GBK.
bool gbkToUtf8(const std::string& gbkText, std::string& utf8Out, std::string* error = nullptr);

// Literal helper for source text: gbk("自动分析："). Aborts on text that cannot be converted, since a
// literal that is not GBK-representable is a programming error.
std::string gbk(const std::string& utf8);
// Lenient display helper: converts GBK to UTF-8, replacing invalid bytes with '?'.
std::string toUtf8(const std::string& gbkText);
// Lenient input helper: converts UTF-8 to GBK, replacing unrepresentable characters with '?'.
std::string toGbk(const std::string& utf8);

} // namespace vt
