#include "StudyList.h"

#include "PatternMatch.h"
#include "StudyTypes.h"
#include "words/CWordList.h"

#include <algorithm>

namespace vt {

bool StudyList::inRange(const CWordStruct& e, int index, const RangeSpec& r) {
    switch (r.kind) {
    case RangeErrorRatio:
        return (e.tests() - e.right()) / (e.tests() + 0.1) * 100.0 >= r.errRatio;
    case RangePattern:
        return matchPattern(r.pattern, e.m_word);
    case RangeStress:
        return e.level() == kLevelStress;
    case RangeLevel:
        return e.level() == r.level;
    case RangeMastered:
        return e.level() == kLevelMaster;
    case RangeManual:
        return r.start <= index && index <= r.end;
    default:
        return false; // an unknown kind selects nothing, so the request falls back to all words
    }
}

void StudyList::clear() {
    m_entries.clear();
    m_mastered.clear();
    m_levels.fill(0);
}

void StudyList::build(const CWordList& source, int first, int last, const RangeSpec& range) {
    clear();
    first = std::max(first, 1);
    last = std::min(last, source.count());
    for (int i = first; i <= last; ++i) {
        const CWordStruct& e = source.entry(i);
        if (!inRange(e, i, range))
            continue;
        if (e.level() != kLevelMaster || range.kind == RangeMastered)
            m_entries.push_back(i);
        else if (static_cast<int>(m_mastered.size()) < kMaxMastered)
            m_mastered.push_back(i);
    }
    for (int i : m_entries) {
        int level = source.entry(i).level();
        if (level >= 0 && level < 10)
            ++m_levels[static_cast<size_t>(level)];
    }
}

void StudyList::moveLevel(int from, int to) {
    if (from >= 0 && from < 10 && m_levels[static_cast<size_t>(from)] > 0)
        --m_levels[static_cast<size_t>(from)];
    if (to >= 0 && to < 10)
        ++m_levels[static_cast<size_t>(to)];
}

} // namespace vt
