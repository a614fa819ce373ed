#include "study/Enlighten.h"

#include "base/Gbk.h"
#include "words/CWordStruct.h"

#include <cstring>

namespace vt {
namespace {

bool isLead(unsigned char c) {
    return c >= 0x80;
}

// Appends the ASCII bytes of GBK text that are not in `drop` (nor NUL), stopping at the part limit.
void appendAscii(std::string& out, const std::string& text, const char* drop) {
    for (size_t i = 0; i < text.size() && out.size() < kEnlightenPartLimit; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (isLead(c)) {
            ++i; // the trail byte belongs to the same character
            continue;
        }
        if (c != 0 && std::strchr(drop, c) == nullptr)
            out += static_cast<char>(c);
    }
}

} // namespace

std::string enlightenRootPart(const std::string& hint) {
    static const std::string kAuto = gbk("自动词根分析:");
    static const std::string kPlus = gbk("＋");
    std::string out;
    if (hint.find(kAuto) != std::string::npos)
        return out;
    for (size_t i = 0; i < hint.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(hint[i]);
        if (isLead(c)) {
            // Of the two-byte characters only "＋" is kept: full-width brackets and glosses go.
            if (hint.compare(i, 2, kPlus) == 0) {
                if (out.size() + 2 > kEnlightenPartLimit)
                    break;
                out += kPlus;
            }
            ++i;
            continue;
        }
        if (out.size() >= kEnlightenPartLimit)
            break;
        if (c != 0 && c != '(' && c != ')')
            out += static_cast<char>(c);
    }
    return out;
}

std::string enlightenPartOfSpeech(const std::string& meaning) {
    std::string out;
    appendAscii(out, meaning, "");
    return out;
}

std::string enlightenExamplePart(const std::string& example) {
    std::string out;
    appendAscii(out, example, "()");
    return out;
}

std::string enlightenAssociation(const std::string& association) {
    std::string text = association;
    std::string out;
    for (int n = 0; n < kEnlightenAssociationValues; ++n) {
        std::string value;
        if (!extractTag(text, "[W]", value))
            break;
        if (n == 0)
            continue; // the word itself
        if (value.empty())
            break;
        if (out.size() + 1 >= kEnlightenPartLimit)
            break;
        std::string part;
        appendAscii(part, value, ",;");
        if (out.size() + part.size() + 1 > kEnlightenPartLimit)
            part.resize(kEnlightenPartLimit - out.size() - 1);
        out += part;
        out += ',';
    }
    return out;
}

std::string buildEnlightenAid(const CWordStruct& word) {
    static const std::string kPos = gbk("[词性]");
    static const std::string kRoot = gbk("[记法]");
    static const std::string kAssoc = gbk("[联想]");
    const std::string example = enlightenExamplePart(word.m_firstExample);
    const std::string pos = enlightenPartOfSpeech(word.m_firstMeaning);
    const std::string root = enlightenRootPart(word.m_hint);
    const std::string assoc = enlightenAssociation(word.m_association);
    std::string aid = example;
    if (!pos.empty())
        aid += kPos + pos + "\r\n";
    if (!root.empty())
        aid += kRoot + root + "\r\n";
    if (!assoc.empty())
        aid += kAssoc + assoc + "\r\n";
    return aid;
}

} // namespace vt
