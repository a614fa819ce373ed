#pragma once
// Headwords of the common-word library, for the automatic memory hint: the longest headword inside a spelling.
#include <string>
#include <unordered_map>

namespace vt {

class CWordList;

// Maps each headword of the common-word library to its first entry.
class HintIndex {
public:
    void build(const CWordList& lib);
    void clear();
    bool isBuiltFor(const CWordList& lib) const;
    // Entry of the longest headword occurring in spelling (the earliest entry among equally long ones); 0 when
    // none.
    int longestContained(const std::string& spelling) const;

private:
    const CWordList* m_lib = nullptr;
    int m_count = -1;
    size_t m_maxLength = 0;
    std::unordered_map<std::string, int> m_first;
};

} // namespace vt
