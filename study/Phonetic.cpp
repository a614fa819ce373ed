#include "Phonetic.h"

#include "base/Gbk.h"

namespace vt {

std::string phoneticToIpa(const std::string& notation) {
    static const char* const kDigits[10] = {"θ", "ð", "ʃ", "ʒ", "ŋ", "æ", "ə", "ʌ", "ɔ", "ɪ"};
    std::string out;
    std::string plain; // runs of other bytes are converted from GBK together so double-byte text survives
    auto flush = [&] {
        if (!plain.empty())
            out += toUtf8(plain);
        plain.clear();
    };
    for (size_t i = 0; i < notation.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(notation[i]);
        if (c >= 0x80 && i + 1 < notation.size()) { // GBK lead and trail byte belong together
            plain += notation[i];
            plain += notation[++i];
            continue;
        }
        const char* ipa = nullptr;
        if (c >= '0' && c <= '9')
            ipa = kDigits[c - '0'];
        else if (c == '/')
            ipa = "ˈ";
        else if (c == ':')
            ipa = "ː";
        else if (c == ',')
            ipa = "ˌ";
        if (ipa) {
            flush();
            out += ipa;
        } else {
            plain += static_cast<char>(c);
        }
    }
    flush();
    return out;
}

} // namespace vt
