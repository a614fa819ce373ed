#include "QuestionBuilder.h"

#include "LibraryIndex.h"
#include "StudyTypes.h"
#include "base/Gbk.h"
#include "base/Random.h"
#include "words/CWordList.h"
#include "words/CWordTrans.h"

#include <algorithm>

namespace vt {
namespace {

// Distractors are drawn again while they repeat an earlier option; tiny libraries may never give a new one.
constexpr int kMaxDraws = 64;

std::string tagOf(const std::string& meaning) {
    size_t dot = meaning.find('.');
    return dot == std::string::npos ? std::string() : meaning.substr(0, dot + 1);
}

// A sense of the candidate with the wanted part of speech, scanning the library without an index.
int scanForTag(const CWordList& lib, const std::string& tag, int start, std::string* sense) {
    Set<SingleMeaning> senses;
    for (int i = std::max(1, start); i <= lib.count(); ++i) {
        CWordTrans::splitMeanings(lib.entry(i).m_firstMeaning, senses);
        for (int k = 0; k < senses.count(); ++k) {
            if (senses.at(k).partOfSpeech == tag) {
                *sense = senses.at(k).text;
                return i;
            }
        }
    }
    return 0;
}

} // namespace

const std::string& QuestionBuilder::giveUpText(int method) {
    static const std::string kWord = gbk("*很不熟悉,直接看答案吧*");
    static const std::string kOther = gbk("*很不熟悉,直接看答案*");
    return method == MethodChooseWord ? kWord : kOther;
}

const std::string& QuestionBuilder::fillOptionText() {
    static const std::string kText = gbk("选项无效，请手动填写");
    return kText;
}

void QuestionBuilder::hideLetters(const std::string& spelling, int level, bool wholeWord, CRandom& rng,
                                  std::string& masked, std::string& hidden) {
    const int L = spelling.empty() ? 1 : static_cast<int>(spelling.size());
    int run = level == 5 || wholeWord ? L : std::min(L, std::max(0, level) + 1);
    int start = level == 5 || wholeWord ? 0 : rng.draw(0, L - run);
    start = clampInt(start, 0, L - run);
    masked = spelling;
    if (masked.empty())
        masked = " ";
    hidden = spelling.substr(std::min(spelling.size(), static_cast<size_t>(start)), static_cast<size_t>(run));
    for (int i = start; i < start + run; ++i)
        masked[static_cast<size_t>(i)] = '_';
}

std::string QuestionBuilder::shownMeaning(const std::string& firstMeaning, CRandom& rng) {
    std::string out;
    if (CWordTrans::randomMeaning(firstMeaning, out, rng))
        return out;
    return firstMeaning;
}

std::string QuestionBuilder::distractor(int method, const std::string& right, const std::string& tag,
                                        const CWordList* lib, const LibraryIndex* index, bool retry, CRandom& rng) {
    if (method == MethodChooseLetter) {
        std::string s(right.size(), 'a');
        for (char& c : s) {
            if (rng.draw(0, 1) == 0 || right.empty())
                c = static_cast<char>('a' + rng.draw(0, 25));
            else
                c = right[static_cast<size_t>(rng.draw(0, static_cast<int>(right.size()) - 1))];
        }
        return s;
    }
    if (!lib || lib->count() == 0)
        return std::string();
    const int n = lib->count();
    // The search starts before the last 1000 entries; a repeated draw starts anywhere, since in a library of
    // fewer than 1000 entries the first range always gives the same word.
    int start = std::max(1, retry ? rng.draw(1, n) : rng.draw(0, std::max(0, n - 1000)));
    std::string sense;
    int found = 0;
    if (!tag.empty()) {
        found = index && index->isBuiltFor(*lib) ? index->firstWithPartOfSpeech(tag, start, &sense)
                                                 : scanForTag(*lib, tag, start, &sense);
    }
    if (found == 0) { // no word of that part of speech after the start: the start entry itself
        found = start;
        if (method == MethodChooseMeaning)
            return shownMeaning(lib->entry(found).m_firstMeaning, rng);
    }
    if (method == MethodChooseWord)
        return lib->entry(found).m_word;
    return tag + sense;
}

Question QuestionBuilder::build(const CWordStruct& word, int method, const CWordList* distractors,
                                const LibraryIndex* index, CRandom& rng) {
    Question q;
    q.method = method;
    if (method == MethodFillLetter || method == MethodFillWord || method == MethodChooseLetter)
        hideLetters(word.m_word, word.level(), method == MethodFillWord, rng, q.masked, q.expected);
    if (method != MethodChooseLetter && method != MethodChooseMeaning && method != MethodChooseWord)
        return q;

    std::string right;
    std::string tag;
    if (method == MethodChooseLetter) {
        right = q.expected;
    } else {
        std::string meaning = shownMeaning(word.m_firstMeaning, rng);
        tag = tagOf(meaning);
        right = method == MethodChooseMeaning ? meaning : word.m_word;
    }
    q.giveUp = word.level() == 0;
    q.rightOption = rng.draw(1, 4);
    if (q.giveUp && q.rightOption == 4)
        q.rightOption = rng.draw(1, 3);
    q.options[q.rightOption - 1] = right;
    if (q.giveUp)
        q.options[3] = giveUpText(method);
    for (int k = 1; k <= 4; ++k) {
        if (k == q.rightOption || (q.giveUp && k == 4))
            continue;
        std::string d;
        bool unique = false;
        for (int attempt = 0; attempt < kMaxDraws && !unique; ++attempt) {
            d = distractor(method, right, tag, distractors, index, attempt > 0, rng);
            unique = d != right;
            for (int j = 1; j < k && unique; ++j)
                if (j != q.rightOption && d == q.options[j - 1])
                    unique = false;
        }
        q.options[k - 1] = unique ? d : std::string();
    }
    return q;
}

} // namespace vt
