#include "words/CWordStruct.h"

#include <cstring>
#include <string_view>
#include <vector>

namespace vt {

bool extractTag(std::string& text, const char* tag, std::string& value) {
    const size_t tagLen = std::strlen(tag);
    const size_t pos = text.find(tag, 0, tagLen);
    if (pos == std::string::npos)
        return false;
    const size_t start = pos + tagLen;
    size_t end = text.find('[', start);
    if (end == std::string::npos)
        end = text.size();
    value.assign(text, start, end - start);
    text.erase(pos, end - pos);
    return true;
}

namespace {

// The line cut at every '[': a prefix before the first '[' and segments that each start with '['. Cutting a
// tag and its value out of the text is the same as dropping its segment, because a value ends at the next '['
// and joining two segments never forms a new tag; working on segments avoids re-copying the line for every tag.
class SegmentedLine {
public:
    explicit SegmentedLine(std::string_view line) {
        size_t first = line.find('[');
        if (first == std::string_view::npos)
            first = line.size();
        m_prefix = line.substr(0, first);
        size_t pos = first;
        while (pos < line.size()) {
            size_t next = line.find('[', pos + 1);
            if (next == std::string_view::npos)
                next = line.size();
            m_segments.push_back({line.substr(pos, next - pos), false});
            pos = next;
        }
    }

    // Removes the first remaining segment that starts with the three-character tag; its value goes to out.
    bool take(const char* tag, std::string_view* out) {
        for (Segment& s : m_segments) {
            if (s.taken || s.text.size() < 3 || s.text[1] != tag[1] || s.text[2] != tag[2])
                continue;
            s.taken = true;
            *out = s.text.substr(3);
            return true;
        }
        return false;
    }

    bool take(const char* tag, std::string& out) {
        std::string_view v;
        if (!take(tag, &v))
            return false;
        out.assign(v.data(), v.size());
        return true;
    }

    void remaining(std::string& out) const {
        size_t n = m_prefix.size();
        for (const Segment& s : m_segments)
            if (!s.taken)
                n += s.text.size();
        out.clear();
        out.reserve(n);
        out.append(m_prefix.data(), m_prefix.size());
        for (const Segment& s : m_segments)
            if (!s.taken)
                out.append(s.text.data(), s.text.size());
    }

private:
    struct Segment {
        std::string_view text;
        bool taken;
    };
    std::string_view m_prefix;
    // Most lines have a dozen tags; a small inline buffer would do, but a vector reused per call is enough.
    std::vector<Segment> m_segments;
};

} // namespace

void parseEntryLine(const std::string& line, CWordStruct& entry) {
    parseEntryText(line, entry);
}

void parseEntryText(std::string_view line, CWordStruct& entry) {
    SegmentedLine seg(line);
    seg.take("[W]", entry.m_word);
    seg.take("[T]", entry.m_phonetic);

    // Exactly one leading "[M]" is stripped: stripping every leading '[', 'M' and ']' would eat the first
    // letters of meanings such as "Mr." or "Monday".
    seg.remaining(entry.m_rawMeaning);
    if (entry.m_rawMeaning.compare(0, 3, "[M]") == 0)
        entry.m_rawMeaning.erase(0, 3);

    int count = 0;
    std::string_view value;
    // Ten slots; further [M] tags are left in the line and ignored.
    while (count < CWordStruct::kMaxMeanings && seg.take("[M]", &value)) {
        entry.m_meanings[count].assign(value.data(), value.size());
        if (seg.take("[L]", &value))
            entry.m_examples[count].assign(value.data(), value.size());
        ++count;
    }
    entry.m_meaningCount = count;
    entry.m_firstMeaning = entry.m_meanings[0];
    entry.m_firstExample = entry.m_examples[0];

    seg.take("[J]", entry.m_hint);
    seg.take("[D]", entry.m_collocation);
    seg.take("[S]", entry.m_inflection);
    seg.take("[B]", entry.m_usage);
    seg.take("[E]", entry.m_english);
}

std::string writeEntryLine(const CWordStruct& entry) {
    const int count = entry.m_meaningCount < 0                           ? 0
                      : entry.m_meaningCount > CWordStruct::kMaxMeanings ? CWordStruct::kMaxMeanings
                                                                         : entry.m_meaningCount;
    std::string line;
    size_t n = 30 + entry.m_word.size() + entry.m_phonetic.size() + entry.m_hint.size() + entry.m_collocation.size() +
               entry.m_inflection.size() + entry.m_usage.size() + entry.m_english.size();
    for (int i = 0; i < count; ++i)
        n += 6 + entry.m_meanings[i].size() + entry.m_examples[i].size();
    line.reserve(n);
    line += "[W]";
    line += entry.m_word;
    line += "[T]";
    line += entry.m_phonetic;
    for (int i = 0; i < count; ++i) {
        line += "[M]";
        line += entry.m_meanings[i];
        line += "[L]";
        line += entry.m_examples[i];
    }
    line += "[J]";
    line += entry.m_hint;
    line += "[D]";
    line += entry.m_collocation;
    line += "[S]";
    line += entry.m_inflection;
    line += "[B]";
    line += entry.m_usage;
    line += "[E]";
    line += entry.m_english;
    return line;
}

std::string writeEntryLineKeepingRaw(const CWordStruct& entry) {
    if (entry.m_rawMeaning.empty())
        return writeEntryLine(entry);
    std::string line;
    line.reserve(9 + entry.m_word.size() + entry.m_phonetic.size() + entry.m_rawMeaning.size());
    line += "[W]";
    line += entry.m_word;
    line += "[T]";
    line += entry.m_phonetic;
    line += "[M]";
    line += entry.m_rawMeaning;
    return line;
}

} // namespace vt
