#pragma once
// Search index over the general remembering library so preparing a word does not scan 20,000 entries
// several times: example sentences by word token, headwords and first meanings by byte pair, and entries by
// part of speech for the choice distractors. Results equal those of the plain scans in CWordList.
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vt {

class CWordList;

// Indexes of one library; rebuilt when the library is reloaded (the study only changes memory counters).
class LibraryIndex {
public:
    void build(const CWordList& lib);
    void clear();
    bool isBuiltFor(const CWordList& lib) const;

    // Same text as CWordList::findExampleSentences: "共找到 %d 句" CR LF and the sentences.
    void exampleSentences(const std::string& word, int firstIndex, int limit, std::string& out) const;
    // Append "[W]word  meaning\n" records to out (which may already hold text). By meaning, an entry is
    // skipped when out already contains its word, out being the whole text composed so far.
    void appendWordsContaining(const std::string& text, int firstIndex, int limit, int maxHits, std::string& out) const;
    void appendWordsByMeaning(const std::string& text, int firstIndex, int limit, int maxHits, std::string& out) const;
    // First entry at or after start whose first meaning has a sense with this part of speech ("n."); 0 when
    // none. senseText receives that sense's text.
    int firstWithPartOfSpeech(const std::string& partOfSpeech, int start, std::string* senseText) const;

private:
    // Entries per byte pair, in entry order (compressed rows).
    struct PairIndex {
        std::vector<int> offsets; // 65537
        std::vector<int> entries;
        void build(const CWordList& lib, const std::string& (*field)(const CWordList&, int));
        // Rarest pair of text; nullptr range when text is shorter than 2.
        bool candidates(const std::string& text, const int*& begin, const int*& end) const;
        // Calls visit(i) for the entries first..last that can hold text (all of them when the text is too short
        // to narrow them down), in order, until visit returns false.
        template <typename Visit> void forCandidates(const std::string& text, int first, int last, Visit visit) const;
    };
    struct Tagged {
        int index;
        std::string sense;
    };

    const CWordList* m_lib = nullptr;
    int m_count = -1;
    std::unordered_map<std::string, std::vector<int>> m_exampleTokens;
    PairIndex m_words;
    PairIndex m_meanings;
    mutable bool m_tagsBuilt = false; // the part-of-speech table is built on first use (choice questions)
    mutable std::unordered_map<std::string, std::vector<Tagged>> m_tags;
};

} // namespace vt
