// Plain library files (".bok"): the loader must accept or refuse any bytes without crashing, and what it
// loads must be searchable.
#include "words/CWordList.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vt::CWordList lib;
    lib.m_spareCapacity = 2;
    if (!lib.loadFromBytes(bytes, "fuzz.bok")) {
        if (lib.count() != 0 || lib.lastErrorDetail().empty())
            std::abort();
        return 0;
    }
    if (lib.count() > static_cast<int>(size))
        std::abort();
    int index = 0;
    if (lib.count() > 0 && !lib.findIndex(lib.entry(lib.count()).m_word, index))
        std::abort();
    std::string out;
    lib.findExampleSentences("a", 1, lib.count(), out);
    lib.findWordsContaining("e", 1, lib.count(), 10, out);
    lib.buildLetterIndex();
    for (int i = 1; i <= lib.count() && i < 50; ++i) {
        int unit = 0;
        lib.lookUpIndex(lib.entry(i).m_word, index, unit);
    }
    return 0;
}
