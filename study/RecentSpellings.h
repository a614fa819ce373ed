#pragma once
// Which spellings were visited within the last k entries of the visit history, answered in constant time:
// the latest history position of each distinct spelling, updated as the history grows.
#include <vector>

namespace vt {

class SpellingIndex;

// Sliding view of the visit history by spelling.
class RecentSpellings {
public:
    // Brings the table up to date with history[0..length); rebuilds when the spellings or the history were
    // replaced (invalidate) or the history shrank.
    void sync(const SpellingIndex& spellings, const std::vector<int>& history, int length);
    void invalidate() { m_synced = -1; }
    // True when the spelling of entry index occurs among the last `window` history entries before `length`.
    bool isRecent(int index, int length, int window) const;

private:
    const SpellingIndex* m_spellings = nullptr;
    std::vector<int> m_lastSeen; // per spelling id: latest history position, -1 when never
    int m_synced = -1;
};

} // namespace vt
