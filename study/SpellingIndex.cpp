#include "SpellingIndex.h"

#include "words/CWordList.h"

#include <algorithm>
#include <unordered_map>

namespace vt {

std::string lowerAscii(const std::string& s) {
    std::string out = s;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

void SpellingIndex::clear() {
    m_lib = nullptr;
    m_count = -1;
    m_distinct = 0;
    m_ids.clear();
    m_lower.clear();
    m_reversed.clear();
}

bool SpellingIndex::isBuiltFor(const CWordList& lib) const {
    return m_lib == &lib && m_count == lib.count();
}

void SpellingIndex::build(const CWordList& lib) {
    clear();
    m_lib = &lib;
    m_count = lib.count();
    const size_t n = static_cast<size_t>(m_count) + 1;
    m_ids.assign(n, 0);
    m_lower.assign(n, std::string());
    m_reversed.assign(n, std::string());
    std::unordered_map<std::string, int> ids;
    ids.reserve(n);
    for (int i = 1; i <= m_count; ++i) {
        const std::string& w = lib.entry(i).m_word;
        auto r = ids.emplace(w, static_cast<int>(ids.size()));
        m_ids[static_cast<size_t>(i)] = r.first->second;
        m_lower[static_cast<size_t>(i)] = lowerAscii(w);
        m_reversed[static_cast<size_t>(i)].assign(m_lower[static_cast<size_t>(i)].rbegin(),
                                                  m_lower[static_cast<size_t>(i)].rend());
    }
    m_distinct = static_cast<int>(ids.size());
}

} // namespace vt
