#include "StudyFixture.h"

#include "base/Gbk.h"
#include "base/Paths.h"

namespace vt::test {

CWordStruct makeEntry(const Word& w) {
    CWordStruct e;
    e.m_word = w.word;
    e.m_meanings[0] = gbk(w.meaning);
    e.m_firstMeaning = e.m_meanings[0];
    e.m_examples[0] = w.example;
    e.m_firstExample = w.example;
    e.m_meaningCount = 1;
    return e;
}

bool writeLibrary(const std::string& path, const std::string& magic, const std::vector<Word>& words,
                  const std::vector<int>& units) {
    makeDirs(dirOf(path));
    CWordList lib;
    lib.reset();
    lib.m_magic = magic;
    lib.m_name = "fixture";
    lib.m_publisher = "tests";
    lib.m_homepage = "x";
    lib.m_email = "x";
    lib.m_version = "1.0";
    lib.m_path = path;
    lib.m_unitCount = static_cast<int>(units.size());
    for (size_t u = 0; u < units.size(); ++u)
        lib.m_unitSizes[u + 1] = units[u];
    for (const Word& w : words)
        lib.append(makeEntry(w));
    return lib.save();
}

std::vector<int> readHistory(const std::string& path) {
    std::string bytes = readFile(fsName(path));
    std::vector<int> values;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        uint32_t u = static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8 |
                     static_cast<unsigned char>(bytes[i + 2]) << 16 |
                     static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 3])) << 24;
        values.push_back(static_cast<int>(u));
    }
    return values;
}

std::vector<Word> StudyBase::generalWords() {
    return {
        {"able", "adj. 能够的；", "She is able to swim."},
        {"bat", "n. 蝙蝠；球棒；", "The bat flew out."},
        {"cat", "n. 猫；", "A cat sat here."},
        {"dog", "n. 狗；", "The dog barked at the cat."},
        {"apple", "n. 苹果；", "An apple a day."},
        {"bake", "v. 烘烤；", "We bake bread."},
        {"chart", "n. 图表；", "Look at the chart."},
        {"drive", "v. 驾驶；", "They drive to work."},
        {"action", "n. 行动；", "Take action now."},
        {"nation", "n. 国家；民族；", "The nation voted."},
        {"station", "n. 车站；", "Meet at the station."},
        {"zebra", "n. 斑马；", "A zebra ran."},
    };
}

std::vector<Word> StudyBase::commonWords() {
    return {{"at", "prep. 在；", ""}, {"station", "n. 车站；", ""}, {"ion", "n. 离子；", ""}, {"ta", "n. 谢谢；", ""}};
}

StudyBase::StudyBase(const std::vector<Word>& book, bool withGeneral, bool withCommon) {
    const std::string data = m_dir.path() + "data/";
    writeLibrary(data + "test/t.bok", "VerbaTroveBok", book);
    if (withGeneral)
        writeLibrary(data + "vtgeneral.ree", "VerbaTroveRee", generalWords(), {4, 4, 4});
    if (withCommon)
        writeLibrary(data + "cg.ree", "VerbaTroveRee", commonWords(), {4});
    m_profile.setString("kelp", "bookclass", "test");
    m_profile.setString("kelp", "filebookname", "t.bok");
    m_profile.setString("kelp", "bookname", "t");
}

} // namespace vt::test
