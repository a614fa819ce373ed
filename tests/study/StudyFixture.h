#pragma once
// Builds small libraries in a temporary base folder for the study engine tests.
#include "base/CMemoryProfile.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"

#include <string>
#include <vector>

namespace vt::test {

struct Word {
    std::string word;    // ASCII
    std::string meaning; // UTF-8
    std::string example; // ASCII
};

CWordStruct makeEntry(const Word& w);
// Writes a library (magic decides the family; units only for remembering libraries). Path is GBK.
bool writeLibrary(const std::string& path, const std::string& magic, const std::vector<Word>& words,
                  const std::vector<int>& units = {});
// Little-endian 32-bit integers of a history file.
std::vector<int> readHistory(const std::string& path);

// A base folder holding book "data/test/t.bok", and optionally vtgeneral.ree and cg.ree.
class StudyBase {
public:
    explicit StudyBase(const std::vector<Word>& book, bool withGeneral = true, bool withCommon = true);
    const std::string& base() const { return m_dir.path(); }
    std::string file(const std::string& rel) const { return m_dir.file(rel); }
    CMemoryProfile& profile() { return m_profile; }
    static std::vector<Word> generalWords(); // 3 units of 4 words
    static std::vector<Word> commonWords();

private:
    TempDir m_dir;
    CMemoryProfile m_profile;
};

} // namespace vt::test
