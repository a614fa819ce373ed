#pragma once
// The words of the current source that fall in the learner's range, the mastered words set aside, and the
// number of words per memory level.
#include <array>
#include <string>
#include <vector>

namespace vt {

class CWordList;
class CWordStruct;

// The range settings a study list is built with.
struct RangeSpec {
    int kind = 0;
    int errRatio = 0;
    std::string pattern = "*";
    int level = 0;
    int start = 1;
    int end = 1;
};

// Study list (slots 1..n holding entry numbers), mastered list and level counts.
class StudyList {
public:
    static constexpr int kMaxMastered = 59999;

    static bool inRange(const CWordStruct& e, int index, const RangeSpec& range);
    // Candidates are entries first..last of the source.
    void build(const CWordList& source, int first, int last, const RangeSpec& range);
    void clear();

    int size() const { return static_cast<int>(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    int entryAt(int slot) const { return m_entries[static_cast<size_t>(slot - 1)]; } // slot 1..n
    const std::vector<int>& entries() const { return m_entries; }
    const std::vector<int>& mastered() const { return m_mastered; }
    int levelCount(int level) const { return level >= 0 && level < 10 ? m_levels[static_cast<size_t>(level)] : 0; }
    // A word of the list changed level: it leaves the old count and joins the new one.
    void moveLevel(int from, int to);

private:
    std::vector<int> m_entries;
    std::vector<int> m_mastered;
    std::array<int, 10> m_levels{};
};

} // namespace vt
