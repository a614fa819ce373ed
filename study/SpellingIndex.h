#pragma once
// Per-library spelling data the selection orders need for every candidate: lower-cased and reversed
// spellings, and one number per distinct spelling so recent words can be excluded in constant time.
#include <string>
#include <vector>

namespace vt {

class CWordList;

// Derived spellings of one library, built once per load.
class SpellingIndex {
public:
    void build(const CWordList& lib);
    void clear();
    bool isBuiltFor(const CWordList& lib) const;

    bool isValidIndex(int index) const { return index >= 1 && index <= m_count; }
    int spellingId(int index) const { return m_ids[static_cast<size_t>(index)]; }
    int distinctCount() const { return m_distinct; }
    const std::string& lower(int index) const { return m_lower[static_cast<size_t>(index)]; }
    const std::string& reversedLower(int index) const { return m_reversed[static_cast<size_t>(index)]; }

private:
    const CWordList* m_lib = nullptr;
    int m_count = -1;
    int m_distinct = 0;
    std::vector<int> m_ids; // slot 0 unused
    std::vector<std::string> m_lower;
    std::vector<std::string> m_reversed;
};

std::string lowerAscii(const std::string& s);

} // namespace vt
