#include "words/CWordList.h"

#include "base/AtomicFile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "words/ByteLineReader.h"
#include "words/LineScrambler.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace vt {

const char* libraryErrorText(LibraryError e) {
    switch (e) {
    case LibraryError::None:
        return "no error";
    case LibraryError::CannotOpen:
        return "cannot open the file";
    case LibraryError::MissingHeader:
        return "header line missing";
    case LibraryError::MissingHeaderTag:
        return "header line lacks a required tag";
    case LibraryError::BadCount:
        return "entry count missing or not a number";
    case LibraryError::BadUnitList:
        return "unit list missing, not a number or too long";
    case LibraryError::EmptyName:
        return "library name is empty";
    case LibraryError::UnknownFamily:
        return "library type cannot be saved";
    case LibraryError::TooManyUnits:
        return "more than 29 units";
    case LibraryError::CannotCreate:
        return "cannot create the file";
    case LibraryError::WriteFailed:
        return "writing failed";
    }
    return "unknown error";
}

namespace {

constexpr int kRandomLow = 19751218;   // 0x12D6132
constexpr int kRandomHigh = 567893386; // 0x21D95D8A

const std::string& defaultPublisher() {
    static const std::string s = gbk("云杉坊");
    return s;
}
const char* const kDefaultHomepage = "https://verbatrove.example.org/";
const char* const kDefaultEmail = "support@verbatrove.example.org";

// Magics whose entry count is decimal text; any other has a binary count after the header line.
const char* const kDecimalCountMagics[] = {"VerbaTroveXDictBok", "VerbaTroveWordsBok", "VerbaTroveBok",
                                           "VerbaTroveBoe",      "VerbaTroveZoe",      "VerbaTroveBse",
                                           "VerbaTroveBte",      "VerbaTroveRee",      "VerbaTroveRem"};

bool contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Look-up key of a headword: a hash of its lower-cased bytes, kept in a compact array beside the entries so the
// look-up scans 4-byte keys instead of touching every 1 KB record of a letter's range.
uint32_t wordKey(const std::string& w) {
    uint32_t h = 2166136261u;
    for (char c : w)
        h = (h ^ static_cast<unsigned char>(lowerAscii(c))) * 16777619u;
    return h;
}

// First occurrence of needle in hay, or nullptr. memchr on the first byte, then memcmp: for many short
// sentences this beats memmem, whose per-call set-up dominates the scan.
const char* findIn(const std::string& hay, const std::string& needle) {
    const size_t n = needle.size();
    if (n == 0 || hay.size() < n)
        return nullptr;
    const char* p = hay.data();
    const char* const last = hay.data() + (hay.size() - n);
    while (p <= last) {
        p = static_cast<const char*>(std::memchr(p, needle[0], static_cast<size_t>(last - p) + 1));
        if (!p)
            return nullptr;
        if (std::memcmp(p + 1, needle.data() + 1, n - 1) == 0)
            return p;
        ++p;
    }
    return nullptr;
}

bool equalsIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i] && lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

// Ending of a file name, lower-cased (".ree"), or "" when the name is shorter.
std::string lowerEnding(const std::string& name, size_t n) {
    if (name.size() < n)
        return std::string();
    std::string e = name.substr(name.size() - n);
    for (char& c : e)
        c = lowerAscii(c);
    return e;
}

bool isScrambledName(const std::string& name) {
    return !name.empty() && lowerAscii(name.back()) == 'e';
}

uint32_t loadKeyState(const std::string& name, uint32_t defaultState) {
    const std::string ext = lowerEnding(name, 4);
    if (ext == ".bse" || ext == ".ree")
        return CWordList::kKeyBseRee;
    if (ext == ".bte")
        return CWordList::kKeyBte;
    return defaultState;
}

// Decimal number at the start of the line after blanks (as the runtime's scanf reads it); false when the line
// holds no number or it does not fit 32 bits.
bool parseDecimal(std::string_view line, long long& value) {
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+'))
        negative = line[i++] == '-';
    size_t digits = 0;
    long long v = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        v = v * 10 + (line[i] - '0');
        if (v > 0x7FFFFFFFLL)
            return false;
        ++i;
        ++digits;
    }
    if (digits == 0)
        return false;
    value = negative ? -v : v;
    return true;
}

std::string trimBlanks(const std::string& s) {
    size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return s.substr(a, b - a);
}

std::string lineNote(int line) {
    return " (line " + std::to_string(line) + ")";
}

// The word searches: "[W]" word, two blanks and the first meaning of every entry first..last that matches,
// one line each, up to maxHits lines. An empty search text finds nothing.
template <typename Match>
void collectWords(const std::vector<CWordStruct>& entries, int firstIndex, int last, int maxHits,
                  const std::string& text, std::string& out, Match matches) {
    out.clear();
    if (text.empty())
        return;
    int hits = 0;
    for (int i = std::max(1, firstIndex); i <= last && hits < maxHits; ++i) {
        const CWordStruct& e = entries[static_cast<size_t>(i)];
        if (!matches(e))
            continue;
        out += "[W]";
        out += e.m_word;
        out += "  ";
        out += e.m_meanings[0];
        out += "\n";
        ++hits;
    }
}

} // namespace

CWordList::CWordList() {
    std::memset(m_letterIndex, 0, sizeof m_letterIndex);
    std::memset(m_unitSizes, 0, sizeof m_unitSizes);
    std::memset(m_unitWeights, 0, sizeof m_unitWeights);
    m_saveRandom.seed(static_cast<uint32_t>(std::time(nullptr)));
}

void CWordList::setDefaultKey(uint32_t state, uint32_t mask) {
    m_defaultState = state;
    m_defaultMask = mask;
}

bool CWordList::fail(LibraryError error, const std::string& detail) {
    m_lastError = error;
    m_lastErrorDetail = detail;
    return false;
}

void CWordList::clearEntries() {
    m_entries.clear();
    m_entries.shrink_to_fit();
    m_keys.clear();
    m_count = 0;
    m_declaredCount = 0;
    m_loaded = false;
    m_unitCount = 0;
    std::memset(m_unitSizes, 0, sizeof m_unitSizes);
    std::memset(m_letterIndex, 0, sizeof m_letterIndex);
}

bool CWordList::isRemembering() const {
    return contains(m_magic, "VerbaTroveRem") || contains(m_magic, "VerbaTroveRee");
}

// ---- loading ----

bool CWordList::load(const std::string& gbkPath) {
    m_path = gbkPath;
    std::string bytes;
    if (!readWholeFile(gbkPath, bytes)) {
        clearEntries();
        return fail(LibraryError::CannotOpen, "cannot open the file");
    }
    return parse(bytes, gbkPath, false);
}

bool CWordList::loadFromBytes(const std::string& bytes, const std::string& nameForType) {
    return parse(bytes, nameForType, false);
}

bool CWordList::loadHeaderOnly(const std::string& gbkPath) {
    m_path = gbkPath;
    FILE* f = std::fopen(fsName(gbkPath).c_str(), "rb");
    if (!f) {
        clearEntries();
        return fail(LibraryError::CannotOpen, "cannot open the file");
    }
    // The header line and the count are all that is needed: read until both line ends (and the four bytes of
    // a binary count) are in, not the whole library.
    std::string bytes;
    char buf[16384];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        bytes.append(buf, n);
        const size_t first = bytes.find('\n');
        if (first != std::string::npos && bytes.find('\n', first + 1) != std::string::npos && bytes.size() >= first + 5)
            break;
    }
    std::fclose(f);
    return parse(bytes, gbkPath, true);
}

bool CWordList::parse(std::string_view bytes, const std::string& nameForType, bool headerOnly) {
    clearEntries();
    m_lastError = LibraryError::None;
    m_lastErrorDetail.clear();

    ByteLineReader in(bytes);
    const bool scrambled = isScrambledName(nameForType);
    LineScrambler scrambler(m_defaultState, m_defaultMask);
    if (scrambled)
        scrambler.setKey(loadKeyState(nameForType, m_defaultState), m_defaultMask);

    int lineNo = 0;
    std::string_view stored;
    std::string plainBuffer;
    // Next line as text: unscrambled into plainBuffer, or a view of the buffer for plain files.
    auto nextLine = [&](std::string_view& text) -> bool {
        if (!in.readLine(stored))
            return false;
        ++lineNo;
        if (scrambled) {
            scrambler.unscramble(stored, plainBuffer);
            text = plainBuffer;
        } else {
            text = stored;
        }
        return true;
    };

    std::string_view text;
    if (!nextLine(text))
        return fail(LibraryError::MissingHeader, "file is empty, no header line");
    const std::string header(text);
    {
        std::string rest = header;
        const struct {
            const char* tag;
            std::string* field;
        } required[] = {
            {"[H]", &m_magic}, {"[N]", &m_name}, {"[R]", &m_publisher}, {"[P]", &m_homepage}, {"[E]", &m_email}};
        for (const auto& r : required)
            if (!extractTag(rest, r.tag, *r.field))
                return fail(LibraryError::MissingHeaderTag,
                            std::string("header line lacks the ") + r.tag + " tag" + lineNote(1));
        if (!extractTag(rest, "[V]", m_version))
            m_version.clear();
        if (!extractTag(rest, "[C]", m_random))
            m_random.clear();
        if (m_publisher.empty())
            m_publisher = defaultPublisher();
        if (m_homepage.empty())
            m_homepage = kDefaultHomepage;
        if (m_email.empty())
            m_email = kDefaultEmail;
        if (m_version.empty())
            m_version = "1.0";
    }
    if (scrambled)
        scrambler.setKey(LineScrambler::fileState(header, kFileStateSeed), m_defaultMask);

    long long declared = 0;
    const bool decimalCount =
        std::find_if(std::begin(kDecimalCountMagics), std::end(kDecimalCountMagics),
                     [&](const char* m) { return m_magic == m; }) != std::end(kDecimalCountMagics);
    if (decimalCount) {
        if (!nextLine(text))
            return fail(LibraryError::BadCount, "entry count line missing" + lineNote(2));
        if (!parseDecimal(text, declared))
            return fail(LibraryError::BadCount, "entry count is not a number" + lineNote(lineNo));
    } else {
        int32_t binary = 0;
        if (!in.readInt32(binary))
            return fail(LibraryError::BadCount, "binary entry count missing after the header");
        declared = binary;
    }
    if (declared < 0)
        return fail(LibraryError::BadCount, "entry count is negative (" + std::to_string(declared) + ")");

    m_declaredCount = static_cast<int>(declared);
    if (headerOnly) {
        m_count = m_declaredCount;
        return true;
    }

    if (contains(m_magic, "VerbaTroveRemeLib")) {
        int32_t units = 0;
        if (!in.readInt32(units))
            return fail(LibraryError::BadUnitList, "binary unit count missing");
        if (units < 0 || units > kMaxUnits)
            return fail(LibraryError::BadUnitList, "binary unit count " + std::to_string(units) + " is not 0..29");
        for (int u = 1; u <= units; ++u) {
            int32_t size = 0;
            if (!in.readInt32(size) || size < 0)
                return fail(LibraryError::BadUnitList, "binary size of unit " + std::to_string(u) + " missing");
            m_unitSizes[u] = size;
        }
        m_unitCount = units;
    }
    if (contains(m_magic, "VerbaTroveRee") || contains(m_magic, "VerbaTroveRem")) {
        long long units = 0;
        if (!nextLine(text))
            return fail(LibraryError::BadUnitList, "unit count line missing" + lineNote(lineNo + 1));
        if (!parseDecimal(text, units) || units < 0)
            return fail(LibraryError::BadUnitList, "unit count is not a number" + lineNote(lineNo));
        if (units > kMaxUnits)
            return fail(LibraryError::BadUnitList,
                        std::to_string(units) + " units, at most 29 are allowed" + lineNote(lineNo));
        for (int u = 1; u <= units; ++u) {
            long long size = 0;
            if (!nextLine(text))
                return fail(LibraryError::BadUnitList,
                            "size of unit " + std::to_string(u) + " missing" + lineNote(lineNo + 1));
            if (!parseDecimal(text, size) || size < 0)
                return fail(LibraryError::BadUnitList,
                            "size of unit " + std::to_string(u) + " is not a number" + lineNote(lineNo));
            m_unitSizes[u] = static_cast<int>(size);
        }
        for (int u = static_cast<int>(units) + 1; u <= kMaxUnits; ++u)
            m_unitSizes[u] = 0;
        m_unitCount = static_cast<int>(units);
    }

    // Every entry takes at least one byte (its line end), so a count beyond the bytes left cannot be honest:
    // cap it and let the short-file rule apply instead of reserving room for it.
    const long long available = static_cast<long long>(in.remaining());
    const int expected = static_cast<int>(std::min(declared, available));
    const int spare = std::max(0, m_spareCapacity);
    // Reserve by a realistic line size; honest files never reallocate, dishonest ones only cost what they hold.
    m_entries.reserve(static_cast<size_t>(std::min<long long>(expected, available / 8 + 1)) + spare + 1);
    m_entries.emplace_back();
    int read = 0;
    while (read < expected && nextLine(text)) {
        m_entries.emplace_back();
        parseEntryText(text, m_entries.back());
        ++read;
    }
    m_count = read;
    m_entries.resize(static_cast<size_t>(m_count) + spare + 1);
    m_keys.resize(static_cast<size_t>(m_count) + 1);
    for (int i = 1; i <= m_count; ++i)
        m_keys[static_cast<size_t>(i)] = wordKey(m_entries[static_cast<size_t>(i)].m_word);
    m_loaded = true;
    if (isRemembering())
        buildLetterIndex();
    return true;
}

// ---- saving ----

bool CWordList::save() {
    m_lastError = LibraryError::None;
    m_lastErrorDetail.clear();
    const std::string name = trimBlanks(m_name);
    if (name.empty())
        return fail(LibraryError::EmptyName, "library name is empty");
    m_name = name;

    if (m_magic == "VerbaTroveWordsLib" || m_magic == "VerbaTroveBookLib" || m_magic == "VerbaTroveWordsBok")
        m_magic = "VerbaTroveBok";
    else if (m_magic == "VerbaTroveRemeLib" || m_magic == "VerbaTroveRemBok")
        m_magic = "VerbaTroveRem";

    bool scrambled = false, remembering = false;
    uint32_t keyState = m_defaultState;
    if (contains(m_magic, "VerbaTroveRee")) {
        scrambled = remembering = true;
        keyState = kKeyBseRee;
    } else if (contains(m_magic, "VerbaTroveRem")) {
        remembering = true;
    } else if (contains(m_magic, "VerbaTroveBse")) {
        scrambled = true;
        keyState = kKeyBseRee;
    } else if (contains(m_magic, "VerbaTroveBte")) {
        scrambled = true;
        keyState = kKeyBte;
    } else if (contains(m_magic, "VerbaTroveBoe") || contains(m_magic, "VerbaTroveZoe")) {
        scrambled = true;
    } else if (m_magic != "VerbaTroveBok") {
        return fail(LibraryError::UnknownFamily,
                    "magic \"" + m_magic + "\" belongs to no library type that can be saved");
    }
    if (remembering && (m_unitCount < 0 || m_unitCount > kMaxUnits))
        return fail(LibraryError::TooManyUnits, std::to_string(m_unitCount) + " units, at most 29 fit the unit table");
    if (m_path.empty())
        return fail(LibraryError::CannotCreate, "no file name to save to");

    std::string header = "[H]" + m_magic + "[N]" + m_name + "[R]" + m_publisher + "[P]" + m_homepage + "[E]" + m_email +
                         "[V]" + m_version;
    std::string random;
    if (scrambled) {
        random = std::to_string(CRandom::drawWith(m_saveRandom.next(), kRandomLow, kRandomHigh));
        header += "[C]" + random;
    }

    AtomicFileWriter out;
    if (!out.open(m_path))
        return fail(LibraryError::CannotCreate, out.error());
    LineScrambler scrambler(keyState, m_defaultMask);
    // Lines are gathered into blocks so a 20,000-entry library costs a few hundred writes, not 40,000.
    std::string block;
    block.reserve(1 << 20);
    auto put = [&](const std::string& line) -> bool {
        if (scrambled)
            block += scrambler.scramble(line);
        else
            block += line;
        block += "\r\n";
        if (block.size() < (1 << 20))
            return true;
        const bool ok = out.write(block);
        block.clear();
        return ok;
    };
    bool ok = put(header);
    if (scrambled)
        scrambler.setKey(LineScrambler::fileState(header, kFileStateSeed), m_defaultMask);
    ok = ok && put(std::to_string(m_count));
    if (remembering) {
        ok = ok && put(std::to_string(m_unitCount));
        for (int u = 1; ok && u <= m_unitCount; ++u)
            ok = put(std::to_string(m_unitSizes[u]));
    }
    for (int i = 1; ok && i <= m_count; ++i)
        ok = put(writeEntryLineKeepingRaw(m_entries[static_cast<size_t>(i)]));
    if (ok && !block.empty())
        ok = out.write(block);
    if (!ok) {
        const std::string why = out.error().empty() ? "a line could not be written" : out.error();
        out.abort();
        return fail(LibraryError::WriteFailed, why);
    }
    if (!out.commit())
        return fail(LibraryError::WriteFailed, out.error());
    if (scrambled)
        m_random = random;
    return true;
}

// ---- editing ----

void CWordList::reset() {
    clearEntries();
    m_entries.resize(static_cast<size_t>(std::max(0, m_spareCapacity)) + 1);
    m_keys.assign(1, 0);
    m_loaded = true;
}

void CWordList::makeRoom() {
    if (m_entries.empty())
        m_entries.resize(1);
    if (static_cast<size_t>(m_count) + 1 < m_entries.size())
        return;
    const size_t grow =
        std::max<size_t>({static_cast<size_t>(std::max(0, m_spareCapacity)), static_cast<size_t>(m_count) / 2, 16});
    m_entries.resize(static_cast<size_t>(m_count) + 1 + grow);
}

bool CWordList::append(const CWordStruct& entry) {
    makeRoom();
    m_entries[static_cast<size_t>(++m_count)] = entry;
    m_keys.resize(static_cast<size_t>(m_count));
    m_keys.push_back(wordKey(entry.m_word));
    m_loaded = true;
    return true;
}

bool CWordList::insert(const CWordStruct& entry, int position) {
    if (entry.m_word.empty())
        return false;
    if (m_count == 0) {
        if (position != 1)
            return false;
    } else if (position < 1 || position > m_count) {
        return false;
    }
    makeRoom();
    auto at = m_entries.begin() + position;
    std::move_backward(at, m_entries.begin() + m_count + 1, m_entries.begin() + m_count + 2);
    *at = entry;
    m_keys.resize(static_cast<size_t>(m_count) + 1);
    m_keys.insert(m_keys.begin() + position, wordKey(entry.m_word));
    ++m_count;
    m_loaded = true;
    return true;
}

bool CWordList::replace(const CWordStruct& entry, int position) {
    if (position < 1 || position > m_count || entry.m_word.empty())
        return false;
    m_entries[static_cast<size_t>(position)] = entry;
    m_keys.resize(static_cast<size_t>(m_count) + 1);
    m_keys[static_cast<size_t>(position)] = wordKey(entry.m_word);
    return true;
}

bool CWordList::remove(int position) {
    if (position < 1 || position > m_count)
        return false;
    std::move(m_entries.begin() + position + 1, m_entries.begin() + m_count + 1, m_entries.begin() + position);
    m_entries[static_cast<size_t>(m_count)] = CWordStruct();
    m_keys.resize(static_cast<size_t>(m_count) + 1);
    m_keys.erase(m_keys.begin() + position);
    --m_count;
    return true;
}

// ---- searching ----

bool CWordList::findIndex(const std::string& word, int& index) const {
    for (int i = 1; i <= m_count; ++i) {
        if (m_entries[static_cast<size_t>(i)].m_word == word) {
            index = i;
            return true;
        }
    }
    return false;
}

void CWordList::buildLetterIndex() {
    std::memset(m_letterIndex, 0, sizeof m_letterIndex);
    m_keys.resize(static_cast<size_t>(m_count) + 1);
    for (int i = 1; i <= m_count; ++i)
        m_keys[static_cast<size_t>(i)] = wordKey(m_entries[static_cast<size_t>(i)].m_word);
    int run = 1;
    char previous = ' ';
    for (int i = 1; i <= m_count; ++i) {
        const std::string& w = m_entries[static_cast<size_t>(i)].m_word;
        if (w.empty())
            continue;
        const char c = lowerAscii(w[0]);
        if (c < 'a' || c > 'z')
            continue;
        if (c < previous) {
            // A library with more runs than the table holds keeps the first 49 indexed; the rest is only
            // reachable through findIndex.
            if (run == kMaxRuns) {
                m_letterIndex[run][27] = i;
                m_letterIndex[0][0] = run;
                return;
            }
            m_letterIndex[run][27] = i;
            ++run;
            m_letterIndex[run][c - 'a' + 1] = i;
        } else if (c > previous) {
            m_letterIndex[run][c - 'a' + 1] = i;
        }
        previous = c;
    }
    m_letterIndex[run][27] = m_count;
    m_letterIndex[0][0] = run;
}

bool CWordList::lookUpIndex(const std::string& word, int& index, int& unit) const {
    index = 0;
    unit = 0;
    if (word.empty())
        return false;
    const char c = lowerAscii(word[0]);
    if (c < 'a' || c > 'z')
        return false;
    const int runs = std::min(m_letterIndex[0][0], kMaxRuns);
    const int column = c - 'a' + 1;
    const uint32_t key = wordKey(word);
    const uint32_t* keys = m_keys.size() == static_cast<size_t>(m_count) + 1 ? m_keys.data() : nullptr;
    for (int r = 1; r <= runs; ++r) {
        const int* row = m_letterIndex[r];
        const int start = std::max(1, row[column]);
        if (row[column] == 0)
            continue;
        int end = 0;
        for (int k = column + 1; k <= 27 && end == 0; ++k)
            end = row[k];
        // Edits after loading can leave the index pointing past the end; never read beyond entry N.
        end = std::min(end, m_count);
        for (int i = start; i <= end; ++i) {
            if (keys) {
                // Tight scan over the compact keys; only a matching key costs a look at the record.
                while (i <= end && keys[i] != key)
                    ++i;
                if (i > end)
                    break;
            }
            if (equalsIgnoringAsciiCase(m_entries[static_cast<size_t>(i)].m_word, word)) {
                index = i;
                unit = unitOf(i);
                return true;
            }
        }
    }
    return false;
}

bool CWordList::lookUp(const std::string& word, CWordStruct& out, int& unit) const {
    int index = 0;
    if (!lookUpIndex(word, index, unit))
        return false;
    out = m_entries[static_cast<size_t>(index)];
    return true;
}

int CWordList::unitOf(int index) const {
    if (index < 1)
        return 0;
    long long total = 0;
    for (int u = 1; u <= std::min(m_unitCount, kMaxUnits); ++u) {
        total += m_unitSizes[u];
        if (total >= index)
            return u;
    }
    return 0;
}

// Unit sizes come from the file and may be huge; the sums are taken wide and capped so they never overflow.
int CWordList::unitStart(int unit) const {
    long long start = 1;
    for (int u = 1; u < unit && u <= kMaxUnits; ++u)
        start += m_unitSizes[u];
    return static_cast<int>(std::min<long long>(start, INT32_MAX));
}

int CWordList::unitEnd(int unit) const {
    long long end = 0;
    for (int u = 1; u <= unit && u <= kMaxUnits; ++u)
        end += m_unitSizes[u];
    return static_cast<int>(std::min<long long>(end, INT32_MAX));
}

void CWordList::findExampleSentences(const std::string& word, int firstIndex, int limit, std::string& out) const {
    static const std::string kFound = gbk("共找到 %d 句\r\n");
    std::string sentences;
    int found = 0;
    const int last = std::min(limit, m_count);
    for (int i = std::max(1, firstIndex); !word.empty() && i <= last && found < 50; ++i) {
        const CWordStruct& e = m_entries[static_cast<size_t>(i)];
        const std::string& ex = e.m_examples[0];
        // The stored sentence is searched in place: no per-entry copies.
        const char* hit = findIn(ex, word);
        if (!hit)
            continue;
        if (word.find(e.m_word) != std::string::npos)
            continue;
        const size_t pos = static_cast<size_t>(hit - ex.data());
        if (pos > 0 && isAsciiLetter(ex[pos - 1]))
            continue;
        const size_t after = pos + word.size();
        if (after < ex.size() && isAsciiLetter(ex[after]))
            continue;
        if (sentences.find(ex) != std::string::npos)
            continue;
        sentences += ex;
        sentences += "\r\n";
        ++found;
    }
    char head[64];
    std::snprintf(head, sizeof head, kFound.c_str(), found);
    out = head;
    out += sentences;
}

void CWordList::findWordsContaining(const std::string& text, int firstIndex, int limit, int maxHits,
                                    std::string& out) const {
    collectWords(m_entries, firstIndex, std::min(limit, m_count), maxHits, text, out, [&](const CWordStruct& e) {
        return e.m_word.find(text) != std::string::npos && text.find(e.m_word) == std::string::npos;
    });
}

void CWordList::findWordsByMeaning(const std::string& text, int firstIndex, int limit, int maxHits,
                                   std::string& out) const {
    collectWords(m_entries, firstIndex, std::min(limit, m_count), maxHits, text, out, [&](const CWordStruct& e) {
        return e.m_meanings[0].find(text) != std::string::npos && out.find(e.m_word) == std::string::npos;
    });
}

// ---- history ----

bool CWordList::loadHistory(const std::string& gbkPath) {
    for (int i = 1; i <= m_count; ++i) {
        int* c = m_entries[static_cast<size_t>(i)].m_counters;
        c[0] = c[1] = c[2] = c[3] = 0;
    }
    std::memset(m_unitWeights, 0, sizeof m_unitWeights);
    m_historyPath = gbkPath;
    m_historyLoaded = true;

    std::string bytes;
    if (!readWholeFile(gbkPath, bytes))
        return false;
    ByteLineReader in(bytes);
    int32_t value = 0;
    for (int i = 1; i <= m_count && in.readInt32(value); ++i) {
        // Damaged values are brought back into the record's ranges instead of reaching the study rules.
        if (value < 0)
            value = 0;
        CWordStruct& e = m_entries[static_cast<size_t>(i)];
        const int tests = value / 100;
        const int right = std::min((value % 100) / 10, tests);
        const int level = std::min(value % 10, 7);
        e.setTests(tests);
        e.setRight(right);
        e.setLevel(level);
        e.m_counters[3] = static_cast<int>(right / (tests + 0.001));
    }
    if (isRemembering()) {
        for (int u = 1; u <= std::min(m_unitCount, kMaxUnits) && in.readInt32(value); ++u)
            m_unitWeights[u] = std::clamp(value, 0, 1000);
    }
    return true;
}

bool CWordList::saveHistory(std::string* error) const {
    if (m_count <= 0)
        return true;
    if (m_historyPath.empty()) {
        if (error)
            *error = "no history file name (history not loaded)";
        return false;
    }
    std::string bytes;
    bytes.reserve(static_cast<size_t>(m_count + kMaxUnits) * 4);
    auto putInt = [&bytes](long long v) {
        const int32_t x = static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
        const uint32_t u = static_cast<uint32_t>(x);
        const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                           static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
        bytes.append(b, 4);
    };
    for (int i = 1; i <= m_count; ++i) {
        const CWordStruct& e = m_entries[static_cast<size_t>(i)];
        putInt(static_cast<long long>(e.tests()) * 100 + static_cast<long long>(e.right()) * 10 + e.level());
    }
    if (isRemembering())
        for (int u = 1; u <= std::min(m_unitCount, kMaxUnits); ++u)
            putInt(m_unitWeights[u]);
    return writeFileAtomically(m_historyPath, bytes, error);
}

} // namespace vt
