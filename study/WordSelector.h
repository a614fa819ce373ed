#pragma once
// The six selection orders: each picks a slot of the study list.
#include <string>
#include <vector>

namespace vt {

class CRandom;
class CWordList;
class RecentSpellings;
class SpellingIndex;
class StudyList;

// Picks the next study-list slot; keeps the cursor of "Original Order".
class WordSelector {
public:
    static constexpr int kRecentBuffer = 5000;

    // Level-weighted random ("Intellectual").
    static int intellectual(const StudyList& list, const CWordList& source, int speed, CRandom& rng);
    // Next slot, wrapping ("Original Order").
    int original(const StudyList& list);
    // Alphabetical successor of the current spelling ("In Sequence"), or by reversed spelling ("Reverse
    // Order"); currentKey is the current spelling lower-cased (and reversed).
    static int successor(const StudyList& list, const SpellingIndex& spellings, const std::string& currentKey,
                         bool reversed);
    static int random(const StudyList& list, CRandom& rng);
    // Similar spelling ("Correlative"): current is the current spelling; recent words are the last `speed`
    // entries of history[0..historyLength).
    static int correlative(const StudyList& list, const CWordList& source, const SpellingIndex& spellings,
                           RecentSpellings& recent, const std::vector<int>& history, int historyLength, int speed,
                           const std::string& current, CRandom& rng);
    // Patterns tried by the similar-spelling order for spelling s and cut position m, in order.
    static std::vector<std::string> correlativePatterns(const std::string& s, int m);

    int cursor() const { return m_cursor; }
    void setCursor(int c) { m_cursor = c < 0 ? 0 : c; }

private:
    int m_cursor = 0;
};

} // namespace vt
