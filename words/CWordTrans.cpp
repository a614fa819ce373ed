#include "words/CWordTrans.h"

namespace vt {
namespace {

bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

// Two-byte GBK marks (full-width parentheses, semicolon, comma).
constexpr char kOpenFull[] = "\xA3\xA8";
constexpr char kCloseFull[] = "\xA3\xA9";
constexpr char kSemicolonFull[] = "\xA3\xBB";
constexpr char kCommaFull[] = "\xA3\xAC";

bool at(const std::string& t, size_t i, const char* mark) {
    return i + 1 < t.size() && t[i] == mark[0] && t[i + 1] == mark[1];
}

// Length of the separator starting at i (1 or 2 bytes), 0 when there is none.
size_t separatorLength(const std::string& t, size_t i) {
    if (i >= t.size())
        return 0;
    if (t[i] == ';' || t[i] == ',')
        return 1;
    if (at(t, i, kSemicolonFull) || at(t, i, kCommaFull))
        return 2;
    return 0;
}

// Position of the next separator outside parentheses from `from`, or the text's size. Double-byte characters
// are stepped over whole so a trail byte never starts a mark.
size_t findSeparator(const std::string& t, size_t from) {
    bool inParen = false;
    size_t i = from;
    while (i < t.size()) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (t[i] == '(' || at(t, i, kOpenFull)) {
            inParen = true;
        } else if (t[i] == ')' || at(t, i, kCloseFull)) {
            inParen = false;
        } else if (!inParen && separatorLength(t, i) > 0) {
            return i;
        }
        i += (c >= 0x81 && i + 1 < t.size()) ? 2 : 1;
    }
    return t.size();
}

// True when a run of letters followed by '.' starts at i.
bool startsPartOfSpeech(const std::string& t, size_t i) {
    size_t j = i;
    while (j < t.size() && isLetter(t[j]))
        ++j;
    return j > i && j < t.size() && t[j] == '.';
}

// Start of the next part of speech (a run of letters followed by '.') in [from, end), or end.
size_t findPartOfSpeech(const std::string& t, size_t from, size_t end) {
    size_t i = from;
    while (i < end) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (isLetter(t[i]) && (i == 0 || !isLetter(t[i - 1]))) {
            size_t j = i;
            while (j < end && isLetter(t[j]))
                ++j;
            if (j < end && t[j] == '.')
                return i;
            i = j;
            continue;
        }
        i += (c >= 0x81 && i + 1 < end) ? 2 : 1;
    }
    return end;
}

void addSense(const std::string& t, size_t from, size_t to, const std::string& pos, Set<SingleMeaning>& list) {
    while (from < to && (t[from] == ' ' || t[from] == '\t'))
        ++from;
    while (to > from && (t[to - 1] == ' ' || t[to - 1] == '\t'))
        --to;
    if (to - from >= 2)
        list.add(SingleMeaning{pos, t.substr(from, to - from)});
}

} // namespace

bool CWordTrans::splitMeanings(const std::string& text, Set<SingleMeaning>& list) {
    list.clear();
    const size_t n = text.size();
    bool anyStop = false;
    size_t i = 0;
    while (i < n) {
        if (text[i] != '.') {
            ++i;
            continue;
        }
        anyStop = true;
        if (text.compare(i, 3, "...") == 0) {
            i += 3;
            continue;
        }
        size_t p = i;
        while (p > 0 && isLetter(text[p - 1]))
            --p;
        const std::string pos = text.substr(p, i - p + 1);

        size_t start = i + 1;
        while (start < n && (text[start] == '&' || text[start] == '.' || isLetter(text[start])))
            ++start;
        size_t end = findSeparator(text, start);
        addSense(text, start, end, pos, list);

        // Further senses of this part of speech, each after a separator.
        while (end + 2 <= n) {
            const size_t next = end + separatorLength(text, end);
            size_t peek = next;
            while (peek < n && text[peek] == ' ')
                ++peek;
            // A part of speech after the separator (blanks allowed) ends this group.
            if (peek >= n || startsPartOfSpeech(text, peek))
                break;
            const size_t sepEnd = findSeparator(text, next);
            if (sepEnd == n) {
                // The group's last sense written without a closing separator: it ends at the text's end or
                // where the next part of speech begins.
                addSense(text, next, findPartOfSpeech(text, next, n), pos, list);
                break;
            }
            addSense(text, next, sepEnd, pos, list);
            end = sepEnd;
        }
        i = i + 1;
    }
    return anyStop;
}

bool CWordTrans::randomMeaning(const std::string& text, std::string& out, CRandom& rng) {
    Set<SingleMeaning> list;
    splitMeanings(text, list);
    if (list.count() == 0)
        return false;
    const int index = CRandom::drawWith(rng.next(), 1, list.count());
    const SingleMeaning& m = list.at(index - 1);
    out = m.partOfSpeech + m.text;
    return true;
}

} // namespace vt
