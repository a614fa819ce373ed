#pragma once
// One word library in memory: header fields, entries 1..N, unit table of a remembering library, letter index,
// and the search services of the study modes. Loads and saves every library file type.
#include "words/CWordStruct.h"

#include "base/Random.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vt {

// Why a load or save failed; the UI maps these to Chinese text in one place.
enum class LibraryError {
    None,
    CannotOpen,
    MissingHeader,    // file empty / no header line
    MissingHeaderTag, // one of [H] [N] [R] [P] [E] absent
    BadCount,         // entry count missing, not a number, or beyond the file's size
    BadUnitList,      // unit count/size line missing or not a number, or more than 29 units
    EmptyName,        // save: library name empty after trimming
    UnknownFamily,    // save: magic of no save family
    TooManyUnits,     // save: more than 29 units
    CannotCreate,     // save: target cannot be written
    WriteFailed,      // save: a line could not be written
};
const char* libraryErrorText(LibraryError e); // English, for tools and logs

class CWordList {
public:
    static constexpr uint32_t kDefaultKeyState = 0x2C4E6A8B;
    static constexpr uint32_t kKeyMask = 0x6C1F83B5;
    static constexpr uint32_t kKeyBseRee = 0x5A3C9E71;
    static constexpr uint32_t kKeyBte = 0x3B7D2A95;
    static constexpr uint32_t kFileStateSeed = 0x1F3D5B79;
    static constexpr int kMaxUnits = 29;
    static constexpr int kMaxRuns = 49;

    CWordList();
    virtual ~CWordList() = default;

    void setDefaultKey(uint32_t state, uint32_t mask);

    bool load(const std::string& gbkPath);
    bool loadHeaderOnly(const std::string& gbkPath);
    bool save();
    // Loads from bytes as if they were the file `nameForType` (its ending decides scrambling); for fuzzing.
    bool loadFromBytes(const std::string& bytes, const std::string& nameForType);
    // Seeds the generator of the [C] number drawn on save (by default seeded once from the time).
    void setSaveSeed(uint32_t seed) { m_saveRandom.seed(seed); }
    LibraryError lastError() const { return m_lastError; }
    // Human-readable detail of the last failure (line number, value), English.
    const std::string& lastErrorDetail() const { return m_lastErrorDetail; }

    void reset();
    bool append(const CWordStruct& entry);
    bool insert(const CWordStruct& entry, int position);
    bool replace(const CWordStruct& entry, int position);
    bool remove(int position); // "delete"

    bool findIndex(const std::string& word, int& index) const;
    bool lookUp(const std::string& word, CWordStruct& out, int& unit) const;
    // Same as lookUp but also gives the entry index (0 when not found).
    bool lookUpIndex(const std::string& word, int& index, int& unit) const;
    void findExampleSentences(const std::string& word, int firstIndex, int limit, std::string& out) const;
    void findWordsContaining(const std::string& text, int firstIndex, int limit, int maxHits, std::string& out) const;
    void findWordsByMeaning(const std::string& text, int firstIndex, int limit, int maxHits, std::string& out) const;

    // Rebuilds the letter index from the entries (load does this for remembering libraries).
    void buildLetterIndex();

    // History (per-learner memory records and unit weights). loadHistory zeroes every record, remembers the
    // path and reads what the file holds; it returns false only when the file could not be read (all words
    // are then new, which is not an error for the caller). saveHistory writes atomically; it does nothing and
    // succeeds for a library without entries, and fails with a reason when no path is known or writing fails.
    bool loadHistory(const std::string& gbkPath);
    bool saveHistory(std::string* error = nullptr) const;

    bool isRemembering() const;    // magic of a remembering library (units + letter index)
    int unitOf(int index) const;   // unit holding entry index, 0 when none
    int unitStart(int unit) const; // first entry of unit (1-based)
    int unitEnd(int unit) const;   // last entry of unit

    // Header fields.
    std::string m_email;     // [E]
    std::string m_homepage;  // [P]
    std::string m_publisher; // [R]
    std::string m_name;      // [N]
    std::string m_magic;     // [H]
    std::string m_random;    // [C]
    std::string m_version;   // [V]
    std::string m_path;
    std::string m_historyPath;
    bool m_historyLoaded = false;

    bool m_loaded = false;
    int m_spareCapacity = 0;
    int m_letterIndex[50][50];
    int m_unitSizes[30];
    int m_unitWeights[30];
    int m_unitCount = 0;

    int count() const { return m_count; }
    // Entry count the file declared; above count() when the file ended early (a short file still loads).
    int declaredCount() const { return m_declaredCount; }
    // Writable for the memory counters; change a word through replace() so look-up keeps finding it.
    CWordStruct& entry(int i) { return m_entries[static_cast<size_t>(i)]; }
    const CWordStruct& entry(int i) const { return m_entries[static_cast<size_t>(i)]; }
    int capacity() const { return static_cast<int>(m_entries.size()); }

private:
    bool parse(std::string_view bytes, const std::string& nameForType, bool headerOnly);
    bool fail(LibraryError error, const std::string& detail);
    void clearEntries();
    void makeRoom(); // grows the array when no spare slot is left

    std::vector<CWordStruct> m_entries; // slot 0 never used
    std::vector<uint32_t> m_keys;       // look-up key of each entry's word, kept by the editing calls
    int m_count = 0;
    int m_declaredCount = 0;
    uint32_t m_defaultState = kDefaultKeyState;
    uint32_t m_defaultMask = kKeyMask;
    LibraryError m_lastError = LibraryError::None;
    std::string m_lastErrorDetail;
    CRandom m_saveRandom;
};

} // namespace vt
