#pragma once
// The phonetic notation of the "[T]" field (keys of the phonetic keyboard) turned into Unicode IPA.
#include <string>

namespace vt {

// GBK notation -> UTF-8 IPA: "0".."9" and "/" stand for θ ð ʃ ʒ ŋ æ ə ʌ ɔ ɪ ˈ, ":" for ː, "," for ˌ;
// letters and everything else stay as they are. Example: "6/b5nd6n" -> "əˈbændən".
std::string phoneticToIpa(const std::string& notation);

} // namespace vt
