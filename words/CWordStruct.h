#pragma once
// One library entry: headword, phonetic, up to ten meanings with examples, study notes, and the memory
// counters the learning history keeps for it. Text fields hold GBK bytes.
#include <string>
#include <string_view>

namespace vt {

class CWordStruct {
public:
    static constexpr int kMaxMeanings = 10;

    virtual ~CWordStruct() = default;

    std::string m_rawMeaning;  // line left after [W] and [T], one leading "[M]" stripped
    std::string m_usage;       // [B] 辨析
    std::string m_collocation; // [D] 搭配
    std::string m_inflection;  // [S] 变化
    std::string m_extra;       // not parsed; example sentences found for display
    std::string m_word;        // [W]
    std::string m_phonetic;    // [T]
    std::string m_firstMeaning;
    std::string m_firstExample;
    std::string m_meanings[kMaxMeanings]; // [M]
    std::string m_hint;                   // [J] 记法
    std::string m_spare;                  // not parsed
    std::string m_examples[kMaxMeanings]; // [L]
    std::string m_association;            // filled by the association search
    std::string m_english;                // [E] 英释
    int m_counters[4] = {0, 0, 0, 0};     // tests, right, level, ratio (owned by the history)
    int m_meaningCount = 0;

    int tests() const { return m_counters[0]; }
    int right() const { return m_counters[1]; }
    int level() const { return m_counters[2]; }
    void setTests(int v) { m_counters[0] = v; }
    void setRight(int v) { m_counters[1] = v; }
    void setLevel(int v) { m_counters[2] = v; }
};

// Cuts the first occurrence of tag (e.g. "[W]") and its value (up to the next '[') out of text.
bool extractTag(std::string& text, const char* tag, std::string& value);
// Fills the record from one entry line; missing tags leave their fields unchanged.
void parseEntryLine(const std::string& line, CWordStruct& entry);
// Same, on a view (the library loader parses lines in place).
void parseEntryText(std::string_view line, CWordStruct& entry);
// Full tagged line from the structured fields.
std::string writeEntryLine(const CWordStruct& entry);
// Like writeEntryLine, but an entry with raw meaning text is written as [W] [T] [M]raw.
std::string writeEntryLineKeepingRaw(const CWordStruct& entry);

} // namespace vt
