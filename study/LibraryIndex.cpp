#include "LibraryIndex.h"

#include "base/Gbk.h"
#include "words/CWordList.h"
#include "words/CWordTrans.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace vt {
namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool allLetters(const std::string& s) {
    if (s.empty())
        return false;
    for (char c : s)
        if (!isLetter(c))
            return false;
    return true;
}

// The sentence rule of the library search: the word occurs, the entry's own word is not part of it, and the
// first occurrence stands as a whole word.
bool sentenceMatches(const CWordStruct& e, const std::string& word) {
    const std::string& ex = e.m_examples[0];
    if (ex.size() < word.size())
        return false;
    const void* hit = memmem(ex.data(), ex.size(), word.data(), word.size());
    if (!hit)
        return false;
    if (word.find(e.m_word) != std::string::npos)
        return false;
    const size_t pos = static_cast<size_t>(static_cast<const char*>(hit) - ex.data());
    if (pos > 0 && isLetter(ex[pos - 1]))
        return false;
    const size_t after = pos + word.size();
    return !(after < ex.size() && isLetter(ex[after]));
}

void appendRecord(std::string& out, const CWordStruct& e) {
    out += "[W]";
    out += e.m_word;
    out += "  ";
    out += e.m_meanings[0];
    out += "\n";
}

const std::string& wordOf(const CWordList& lib, int i) {
    return lib.entry(i).m_word;
}
const std::string& meaningOf(const CWordList& lib, int i) {
    return lib.entry(i).m_meanings[0];
}

unsigned pairAt(const std::string& s, size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(s[i])) << 8 | static_cast<unsigned char>(s[i + 1]);
}

} // namespace

void LibraryIndex::PairIndex::build(const CWordList& lib, const std::string& (*field)(const CWordList&, int)) {
    // Two passes over every (entry, distinct byte pair): count the rows, then fill them.
    std::vector<int> last(65536, 0);
    auto forEachPair = [&](auto visit) {
        std::fill(last.begin(), last.end(), 0);
        for (int i = 1; i <= lib.count(); ++i) {
            const std::string& s = field(lib, i);
            for (size_t k = 0; k + 1 < s.size(); ++k) {
                const unsigned p = pairAt(s, k);
                if (last[p] != i) {
                    last[p] = i;
                    visit(p, i);
                }
            }
        }
    };
    offsets.assign(65537, 0);
    forEachPair([&](unsigned p, int) { ++offsets[p + 1]; });
    for (size_t p = 0; p < 65536; ++p)
        offsets[p + 1] += offsets[p];
    entries.assign(static_cast<size_t>(offsets[65536]), 0);
    std::vector<int> fill(offsets.begin(), offsets.end() - 1);
    forEachPair([&](unsigned p, int i) { entries[static_cast<size_t>(fill[p]++)] = i; });
}

bool LibraryIndex::PairIndex::candidates(const std::string& text, const int*& begin, const int*& end) const {
    if (text.size() < 2 || offsets.empty())
        return false;
    unsigned best = pairAt(text, 0);
    for (size_t k = 1; k + 1 < text.size(); ++k) {
        unsigned p = pairAt(text, k);
        if (offsets[p + 1] - offsets[p] < offsets[best + 1] - offsets[best])
            best = p;
    }
    begin = entries.data() + offsets[best];
    end = entries.data() + offsets[best + 1];
    return true;
}

void LibraryIndex::clear() {
    m_lib = nullptr;
    m_count = -1;
    m_exampleTokens.clear();
    m_words = PairIndex();
    m_meanings = PairIndex();
    m_tags.clear();
    m_tagsBuilt = false;
}

bool LibraryIndex::isBuiltFor(const CWordList& lib) const {
    return m_lib == &lib && m_count == lib.count();
}

void LibraryIndex::build(const CWordList& lib) {
    clear();
    m_lib = &lib;
    m_count = lib.count();
    for (int i = 1; i <= lib.count(); ++i) {
        const std::string& ex = lib.entry(i).m_examples[0];
        size_t k = 0;
        while (k < ex.size()) {
            if (!isLetter(ex[k])) {
                ++k;
                continue;
            }
            size_t b = k;
            while (k < ex.size() && isLetter(ex[k]))
                ++k;
            std::vector<int>& list = m_exampleTokens[ex.substr(b, k - b)];
            if (list.empty() || list.back() != i)
                list.push_back(i);
        }
    }
    m_words.build(lib, wordOf);
    m_meanings.build(lib, meaningOf);
}

void LibraryIndex::exampleSentences(const std::string& word, int firstIndex, int limit, std::string& out) const {
    static const std::string kFound = gbk("共找到 %d 句\r\n");
    std::string sentences;
    int found = 0;
    const int first = std::max(1, firstIndex);
    const int last = m_lib ? std::min(limit, m_count) : 0;
    auto consider = [&](int i) {
        const CWordStruct& e = m_lib->entry(i);
        if (!sentenceMatches(e, word))
            return;
        if (sentences.find(e.m_examples[0]) != std::string::npos)
            return;
        sentences += e.m_examples[0];
        sentences += "\r\n";
        ++found;
    };
    if (!word.empty() && m_lib) {
        if (allLetters(word)) {
            // A whole-word occurrence of a word made of letters is one of the sentence's letter runs.
            auto it = m_exampleTokens.find(word);
            if (it != m_exampleTokens.end()) {
                const std::vector<int>& list = it->second;
                for (auto p = std::lower_bound(list.begin(), list.end(), first);
                     p != list.end() && *p <= last && found < 50; ++p)
                    consider(*p);
            }
        } else {
            for (int i = first; i <= last && found < 50; ++i)
                consider(i);
        }
    }
    char head[64];
    std::snprintf(head, sizeof head, kFound.c_str(), found);
    out = head;
    out += sentences;
}

template <typename Visit>
void LibraryIndex::PairIndex::forCandidates(const std::string& text, int first, int last, Visit visit) const {
    const int* b;
    const int* e;
    if (candidates(text, b, e)) {
        for (const int* p = std::lower_bound(b, e, first); p != e && *p <= last; ++p)
            if (!visit(*p))
                return;
    } else {
        for (int i = first; i <= last; ++i)
            if (!visit(i))
                return;
    }
}

void LibraryIndex::appendWordsContaining(const std::string& text, int firstIndex, int limit, int maxHits,
                                         std::string& out) const {
    if (text.empty() || !m_lib || maxHits <= 0)
        return;
    int hits = 0;
    m_words.forCandidates(text, std::max(1, firstIndex), std::min(limit, m_count), [&](int i) {
        const CWordStruct& e = m_lib->entry(i);
        if (e.m_word.find(text) != std::string::npos && text.find(e.m_word) == std::string::npos) {
            appendRecord(out, e);
            ++hits;
        }
        return hits < maxHits;
    });
}

void LibraryIndex::appendWordsByMeaning(const std::string& text, int firstIndex, int limit, int maxHits,
                                        std::string& out) const {
    if (text.empty() || !m_lib || maxHits <= 0)
        return;
    int hits = 0;
    m_meanings.forCandidates(text, std::max(1, firstIndex), std::min(limit, m_count), [&](int i) {
        const CWordStruct& e = m_lib->entry(i);
        if (e.m_meanings[0].find(text) != std::string::npos && out.find(e.m_word) == std::string::npos) {
            appendRecord(out, e);
            ++hits;
        }
        return hits < maxHits;
    });
}

int LibraryIndex::firstWithPartOfSpeech(const std::string& partOfSpeech, int start, std::string* senseText) const {
    if (!m_lib)
        return 0;
    if (!m_tagsBuilt) {
        m_tagsBuilt = true;
        Set<SingleMeaning> senses;
        for (int i = 1; i <= m_count; ++i) {
            CWordTrans::splitMeanings(m_lib->entry(i).m_firstMeaning, senses);
            for (int k = 0; k < senses.count(); ++k) {
                std::vector<Tagged>& list = m_tags[senses.at(k).partOfSpeech];
                if (list.empty() || list.back().index != i)
                    list.push_back(Tagged{i, senses.at(k).text});
            }
        }
    }
    auto it = m_tags.find(partOfSpeech);
    if (it == m_tags.end())
        return 0;
    const std::vector<Tagged>& list = it->second;
    auto p = std::lower_bound(list.begin(), list.end(), start, [](const Tagged& t, int v) { return t.index < v; });
    if (p == list.end())
        return 0;
    if (senseText)
        *senseText = p->sense;
    return p->index;
}

} // namespace vt
