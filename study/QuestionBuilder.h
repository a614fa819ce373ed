#pragma once
// Builds the question part of a word for its method: hidden letters, the four options and the give-up entry.
#include <string>

namespace vt {

class CRandom;
class CWordList;
class CWordStruct;
class LibraryIndex;

// What a question asks and what counts as right.
struct Question {
    int method = 0;
    std::string masked;   // spelling with the hidden letters as "_" (fill methods, "Choose Letter")
    std::string expected; // hidden letters
    std::string options[4];
    int rightOption = 0;
    bool giveUp = false;
};

// Question construction; distractors come from a library (with its index when there is one).
class QuestionBuilder {
public:
    static const std::string& giveUpText(int method);
    static const std::string& fillOptionText(); // "选项无效，请手动填写"

    // Hidden run: the whole word at level 5 or for "Fill Word", else level + 1 letters at a random place.
    static void hideLetters(const std::string& spelling, int level, bool wholeWord, CRandom& rng, std::string& masked,
                            std::string& hidden);
    // The meaning a choice question shows: one sense of the first meaning ("n.算盘"), or the whole text
    // when it has no part of speech.
    static std::string shownMeaning(const std::string& firstMeaning, CRandom& rng);
    static Question build(const CWordStruct& word, int method, const CWordList* distractors, const LibraryIndex* index,
                          CRandom& rng);

private:
    static std::string distractor(int method, const std::string& right, const std::string& tag, const CWordList* lib,
                                  const LibraryIndex* index, bool retry, CRandom& rng);
};

} // namespace vt
