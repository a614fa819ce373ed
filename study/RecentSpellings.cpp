#include "RecentSpellings.h"

#include "SpellingIndex.h"

namespace vt {

void RecentSpellings::sync(const SpellingIndex& spellings, const std::vector<int>& history, int length) {
    if (m_spellings != &spellings || m_synced < 0 || m_synced > length ||
        static_cast<int>(m_lastSeen.size()) != spellings.distinctCount()) {
        m_spellings = &spellings;
        m_lastSeen.assign(static_cast<size_t>(spellings.distinctCount()), -1);
        m_synced = 0;
    }
    for (int pos = m_synced; pos < length; ++pos) {
        int index = history[static_cast<size_t>(pos)];
        int id = index >= 1 && spellings.isValidIndex(index) ? spellings.spellingId(index) : -1;
        if (id >= 0)
            m_lastSeen[static_cast<size_t>(id)] = pos;
    }
    m_synced = length;
}

bool RecentSpellings::isRecent(int index, int length, int window) const {
    if (!m_spellings || window <= 0 || !m_spellings->isValidIndex(index))
        return false;
    int seen = m_lastSeen[static_cast<size_t>(m_spellings->spellingId(index))];
    return seen >= 0 && seen >= length - window;
}

} // namespace vt
