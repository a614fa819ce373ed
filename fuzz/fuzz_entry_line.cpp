// Entry lines: the segment parser must agree with plain tag cutting, and the raw form must read back as it
// was written.
#include "words/CWordStruct.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void reference(std::string text, vt::CWordStruct& e) {
    vt::extractTag(text, "[W]", e.m_word);
    vt::extractTag(text, "[T]", e.m_phonetic);
    e.m_rawMeaning = text.compare(0, 3, "[M]") == 0 ? text.substr(3) : text;
    int n = 0;
    std::string v;
    while (n < vt::CWordStruct::kMaxMeanings && vt::extractTag(text, "[M]", v)) {
        e.m_meanings[n] = v;
        if (vt::extractTag(text, "[L]", v))
            e.m_examples[n] = v;
        ++n;
    }
    e.m_meaningCount = n;
    vt::extractTag(text, "[J]", e.m_hint);
    vt::extractTag(text, "[D]", e.m_collocation);
    vt::extractTag(text, "[S]", e.m_inflection);
    vt::extractTag(text, "[B]", e.m_usage);
    vt::extractTag(text, "[E]", e.m_english);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    vt::CWordStruct fast, slow;
    vt::parseEntryLine(line, fast);
    reference(line, slow);
    if (vt::writeEntryLine(fast) != vt::writeEntryLine(slow) || fast.m_rawMeaning != slow.m_rawMeaning)
        std::abort();

    const std::string written = vt::writeEntryLineKeepingRaw(fast);
    if (!fast.m_rawMeaning.empty()) {
        vt::CWordStruct again;
        vt::parseEntryLine(written, again);
        if (vt::writeEntryLineKeepingRaw(again) != written)
            std::abort();
    }
    return 0;
}
