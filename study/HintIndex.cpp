#include "HintIndex.h"

#include "words/CWordList.h"

#include <algorithm>
#include <climits>

namespace vt {

void HintIndex::clear() {
    m_lib = nullptr;
    m_count = -1;
    m_maxLength = 0;
    m_first.clear();
}

bool HintIndex::isBuiltFor(const CWordList& lib) const {
    return m_lib == &lib && m_count == lib.count();
}

void HintIndex::build(const CWordList& lib) {
    clear();
    m_lib = &lib;
    m_count = lib.count();
    m_first.reserve(static_cast<size_t>(m_count) + 1);
    for (int i = 1; i <= m_count; ++i) {
        const std::string& w = lib.entry(i).m_word;
        if (w.empty())
            continue;
        m_first.emplace(w, i);
        m_maxLength = std::max(m_maxLength, w.size());
    }
}

int HintIndex::longestContained(const std::string& spelling) const {
    // Every substring is looked up from the longest down; cost grows with the spelling, not the library.
    for (size_t len = std::min(spelling.size(), m_maxLength); len >= 1; --len) {
        int best = INT_MAX;
        for (size_t start = 0; start + len <= spelling.size(); ++start) {
            auto it = m_first.find(spelling.substr(start, len));
            if (it != m_first.end())
                best = std::min(best, it->second);
        }
        if (best != INT_MAX)
            return best;
    }
    return 0;
}

} // namespace vt
