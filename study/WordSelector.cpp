#include "WordSelector.h"

#include "PatternMatch.h"
#include "RecentSpellings.h"
#include "SpellingIndex.h"
#include "StudyList.h"
#include "StudyTypes.h"
#include "base/Random.h"
#include "words/CWordList.h"

#include <cmath>

namespace vt {
namespace {

// The z-th word (1-based) of a level in list order.
int nthOfLevel(const StudyList& list, const CWordList& source, int level, int z) {
    for (int slot = 1; slot <= list.size(); ++slot) {
        if (source.entry(list.entryAt(slot)).level() == level && --z == 0)
            return slot;
    }
    return 0;
}

} // namespace

int WordSelector::intellectual(const StudyList& list, const CWordList& source, int speed, CRandom& rng) {
    if (list.empty())
        return 0;
    speed = clampInt(speed, 1, 5000);
    int level = -1;
    if (list.levelCount(kLevelStress) > 0 && rng.draw(0, speed + 10) == 0)
        level = kLevelStress;
    if (level < 0) {
        long long sums[6];
        long long total = 0;
        for (int r = 0; r <= 5; ++r) {
            int count = list.levelCount(r);
            long long weight = 0;
            if (count > 0) {
                float decay = std::exp(static_cast<float>(-speed) * static_cast<float>(r) / 5000.0f);
                double growth = std::exp(std::log(static_cast<double>(count)) * speed / 5000.0);
                weight = static_cast<long long>(1000.0 * decay * growth);
            }
            total += weight;
            sums[r] = total;
        }
        if (total > 0) {
            int y = rng.draw(1, static_cast<int>(std::min<long long>(total, 2000000000)));
            for (int r = 0; r <= 5; ++r) {
                if (sums[r] >= y) {
                    level = r;
                    break;
                }
            }
        } else {
            level = list.levelCount(kLevelStress) > 0 ? kLevelStress : kLevelMaster;
        }
    }
    int count = level >= 0 ? list.levelCount(level) : 0;
    if (count <= 0) {
        // The drawn level holds no word of the list: draw again among the levels that do.
        int levels[10];
        int n = 0;
        for (int r = 0; r < 10; ++r)
            if (list.levelCount(r) > 0)
                levels[n++] = r;
        if (n == 0)
            return rng.draw(1, list.size());
        level = levels[rng.draw(0, n - 1)];
        count = list.levelCount(level);
    }
    int slot = nthOfLevel(list, source, level, rng.draw(1, count));
    // Counts can only disagree with the list after an outside change of levels; then any slot will do.
    return slot > 0 ? slot : rng.draw(1, list.size());
}

int WordSelector::original(const StudyList& list) {
    if (list.empty())
        return 0;
    ++m_cursor;
    if (m_cursor > list.size() || m_cursor < 1)
        m_cursor = 1;
    return m_cursor;
}

int WordSelector::successor(const StudyList& list, const SpellingIndex& spellings, const std::string& currentKey,
                            bool reversed) {
    if (list.empty())
        return 0;
    auto key = [&](int slot) -> const std::string& {
        int e = list.entryAt(slot);
        return reversed ? spellings.reversedLower(e) : spellings.lower(e);
    };
    auto smallestAbove = [&](const std::string& bound) {
        int best = 0;
        for (int slot = 1; slot <= list.size(); ++slot) {
            const std::string& k = key(slot);
            if (k > bound && (best == 0 || k < key(best)))
                best = slot;
        }
        return best;
    };
    int slot = smallestAbove(currentKey);
    if (slot == 0)
        slot = smallestAbove(std::string());
    return slot > 0 ? slot : 1;
}

int WordSelector::random(const StudyList& list, CRandom& rng) {
    return list.empty() ? 0 : rng.draw(1, list.size());
}

std::vector<std::string> WordSelector::correlativePatterns(const std::string& s, int m) {
    const int L = static_cast<int>(s.size());
    std::vector<std::string> patterns;
    patterns.reserve(static_cast<size_t>(L) + 1);
    for (int l = 0; l <= L; ++l) {
        if (l == 0)
            patterns.push_back(s);
        else if (l == L)
            patterns.push_back("*");
        else if (m + l < L - 1)
            patterns.push_back(s.substr(0, static_cast<size_t>(m)) + "*" +
                               s.substr(static_cast<size_t>(m + l), static_cast<size_t>(L - m - l)));
        else if (m + l == L - 1)
            patterns.push_back(s.substr(0, static_cast<size_t>(m)) + "*");
        else
            patterns.push_back(s.substr(static_cast<size_t>(m + l - L), static_cast<size_t>(L - l)));
    }
    return patterns;
}

int WordSelector::correlative(const StudyList& list, const CWordList& source, const SpellingIndex& spellings,
                              RecentSpellings& recent, const std::vector<int>& history, int historyLength, int speed,
                              const std::string& current, CRandom& rng) {
    const int n = list.size();
    if (n == 0)
        return 0;
    const int L = static_cast<int>(current.size());
    const int r = rng.draw(1, n);
    const int m = rng.draw(0, L - 1);
    const int window = clampInt(speed, 0, kRecentBuffer);
    recent.sync(spellings, history, historyLength);
    // The exclusions do not depend on the pattern: filter once, keeping the visiting order r+1, r+2, ...
    // (the (n+1)-th visit repeats the first slot and cannot change the outcome).
    std::vector<int> eligible;
    eligible.reserve(static_cast<size_t>(n));
    for (int k = 1; k <= n; ++k) {
        const int slot = (r + k - 1) % n + 1;
        const int e = list.entryAt(slot);
        const CWordStruct& entry = source.entry(e);
        if (entry.m_word == current || entry.level() == kLevelMaster)
            continue;
        if (recent.isRecent(e, historyLength, window))
            continue;
        eligible.push_back(slot);
    }
    if (!eligible.empty()) {
        for (const std::string& pattern : correlativePatterns(current, clampInt(m, 0, L > 0 ? L - 1 : 0))) {
            for (int slot : eligible)
                if (matchPattern(pattern, source.entry(list.entryAt(slot)).m_word))
                    return slot;
        }
    }
    return rng.draw(1, n);
}

} // namespace vt
