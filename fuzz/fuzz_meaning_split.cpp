// Meaning splitting: every sense is a piece of the text, at least two bytes, with a part of speech ending in '.'.
#include "base/Random.h"
#include "words/CWordTrans.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    vt::Set<vt::SingleMeaning> list;
    const bool any = vt::CWordTrans::splitMeanings(text, list);
    if (!any && list.count() != 0)
        std::abort();
    for (int i = 0; i < list.count(); ++i) {
        const vt::SingleMeaning& m = list.at(i);
        if (m.text.size() < 2 || text.find(m.text) == std::string::npos)
            std::abort();
        if (m.partOfSpeech.empty() || m.partOfSpeech.back() != '.')
            std::abort();
    }
    vt::CRandom rng(static_cast<uint32_t>(size));
    std::string out;
    if (vt::CWordTrans::randomMeaning(text, out, rng) != (list.count() > 0))
        std::abort();
    return 0;
}
