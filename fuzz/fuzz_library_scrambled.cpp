// Scrambled remembering libraries (".ree"): hex decoding, per-file keys, unit lists and the letter index
// built from whatever the bytes decode to.
#include "words/CWordList.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vt::CWordList lib;
    if (!lib.loadFromBytes(bytes, "fuzz.ree")) {
        if (lib.count() != 0 || lib.lastErrorDetail().empty())
            std::abort();
        return 0;
    }
    if (lib.count() > static_cast<int>(size) || lib.m_unitCount < 0 || lib.m_unitCount > 29)
        std::abort();
    for (int i = 1; i <= lib.count() && i < 100; ++i) {
        int index = 0, unit = 0;
        const std::string& word = lib.entry(i).m_word;
        const bool found = lib.lookUpIndex(word, index, unit);
        if (found && (index < 1 || index > lib.count() || unit < 0 || unit > lib.m_unitCount))
            std::abort();
        if (lib.unitOf(i) < 0)
            std::abort();
    }
    std::string out;
    if (lib.count() > 0)
        lib.findExampleSentences(lib.entry(1).m_word, 1, lib.count(), out);
    return 0;
}
