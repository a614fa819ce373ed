#pragma once
// Splits a meaning field ("n. 算盘；计算器；v. ...") into senses with their part of speech.
#include "base/Random.h"

#include <deque>
#include <string>

namespace vt {

struct SingleMeaning {
    std::string partOfSpeech; // with its full stop, e.g. "vt."
    std::string text;
};

// Ordered list with a cursor, as the callers walk it.
template <typename T> class Set {
public:
    void add(const T& v) { m_items.push_back(v); }
    bool removeFirst(T* out = nullptr) {
        if (m_items.empty()) return false;
        if (out) *out = m_items.front();
        m_items.pop_front();
        return true;
    }
    int count() const { return static_cast<int>(m_items.size()); }
    void clear() { m_items.clear(); m_cursor = 0; }
    void rewind() { m_cursor = 0; }
    // Next item at the cursor, or nullptr past the end.
    const T* next() { return m_cursor < m_items.size() ? &m_items[m_cursor++] : nullptr; }
    const T& at(int i) const { return m_items[static_cast<size_t>(i)]; }

private:
    std::deque<T> m_items;
    size_t m_cursor = 0;
};

class CWordTrans {
public:
    virtual ~CWordTrans() = default;
    static bool splitMeanings(const std::string& text, Set<SingleMeaning>& list);
    static bool randomMeaning(const std::string& text, std::string& out, CRandom& rng);
};

} // namespace vt
