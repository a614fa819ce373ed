// Checks of the default data as it ships: the generated libraries in the build tree's share folder, the import
// tables they come from, and the help texts.
#include "base/Gbk.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"
#include "words/CWordTrans.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace vt;

namespace {

const std::string kTables = VT_CONTENT_TABLES; // res/content/build
const std::string kShare = VT_BUILD_SHARE;     // <build>/share/verbatrove

using Row = std::map<std::string, std::string>;

// UTF-8 tab-separated table with a header row.
std::vector<Row> readTable(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<Row> rows;
    std::vector<std::string> head;
    std::string line;
    auto split = [](const std::string& l) {
        std::vector<std::string> cells;
        std::stringstream ss(l);
        std::string c;
        while (std::getline(ss, c, '\t'))
            cells.push_back(c);
        if (!l.empty() && l.back() == '\t')
            cells.emplace_back();
        return cells;
    };
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (head.empty()) {
            head = split(line);
            continue;
        }
        const std::vector<std::string> cells = split(line);
        Row r;
        for (size_t i = 0; i < head.size(); ++i)
            r[head[i]] = i < cells.size() ? cells[i] : std::string();
        rows.push_back(r);
    }
    return rows;
}

struct Library {
    std::string kind, table, file, name, units;
};

std::vector<Library> manifest() {
    std::vector<Library> libs;
    for (const Row& r : readTable(kTables + "/manifest.tsv"))
        libs.push_back({r.at("kind"), r.at("table"), r.at("file"), r.at("name"), r.at("units")});
    return libs;
}

bool load(CWordList& lib, const std::string& utf8Path) {
    std::string gbkPath;
    if (!utf8ToGbk(utf8Path, gbkPath))
        return false;
    return lib.load(gbkPath);
}

bool wholeWordIn(const std::string& text, const std::string& word) {
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (size_t p = text.find(word); p != std::string::npos; p = text.find(word, p + 1)) {
        const bool before = p == 0 || !isLetter(text[p - 1]);
        const size_t end = p + word.size();
        if (before && (end == text.size() || !isLetter(text[end])))
            return true;
    }
    return false;
}

// Characters of the key notation: letters, the digit keys, stress marks and the length mark.
bool isNotation(const std::string& phonetic) {
    for (char c : phonetic)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' || c == ',' || c == ':'))
            return false;
    return true;
}

std::string shareData(const std::string& file) {
    return kShare + "/data/" + file;
}

} // namespace

// Every library of the manifest was generated, loads, and holds exactly its table's rows with sound entries.
TEST(DefaultContent, EveryLibraryLoadsWithSoundEntries) {
    const std::vector<Library> libs = manifest();
    ASSERT_FALSE(libs.empty());
    for (const Library& l : libs) {
        SCOPED_TRACE(l.file);
        CWordList lib;
        ASSERT_TRUE(load(lib, shareData(l.file))) << libraryErrorText(lib.lastError()) << " " << lib.lastErrorDetail();
        const std::vector<Row> rows = readTable(kTables + "/" + l.table);
        EXPECT_EQ(lib.count(), static_cast<int>(rows.size()));
        EXPECT_GT(lib.count(), 0);
        std::string name;
        ASSERT_TRUE(utf8ToGbk(l.name, name));
        EXPECT_EQ(lib.m_name, name);

        std::set<std::string> seen;
        for (int i = 1; i <= lib.count(); ++i) {
            const CWordStruct& e = lib.entry(i);
            SCOPED_TRACE(e.m_word);
            EXPECT_TRUE(seen.insert(e.m_word).second) << "duplicate headword";
            EXPECT_TRUE(isNotation(e.m_phonetic)) << e.m_phonetic;
            Set<SingleMeaning> senses;
            CWordTrans::splitMeanings(e.m_firstMeaning, senses);
            EXPECT_GE(senses.count(), 1) << toUtf8(e.m_firstMeaning);
        }
    }
}

// The tables as committed: every cell converts to GBK and holds no "[" (it would end a library field).
TEST(DefaultContent, ImportTablesAreGbkTextWithoutTags) {
    for (const Library& l : manifest()) {
        SCOPED_TRACE(l.table);
        for (const Row& r : readTable(kTables + "/" + l.table))
            for (const auto& [column, text] : r) {
                std::string g, err;
                EXPECT_TRUE(utf8ToGbk(text, g, &err)) << r.at("word") << " " << column << ": " << err;
                EXPECT_EQ(text.find('['), std::string::npos) << r.at("word") << " " << column;
            }
    }
}

// The general remembering library: units of rising difficulty that cover every entry, examples that show
// the headword, and a letter index through which every headword is found in its own unit.
TEST(DefaultContent, GeneralLibraryUnitsExamplesAndLookUp) {
    CWordList general;
    ASSERT_TRUE(load(general, shareData("vtgeneral.ree")));
    EXPECT_EQ(general.m_magic, "VerbaTroveRee");
    EXPECT_GE(general.m_unitCount, 20);
    EXPECT_LE(general.m_unitCount, 29);
    int total = 0;
    for (int u = 1; u <= general.m_unitCount; ++u) {
        EXPECT_GT(general.m_unitSizes[u], 0) << "unit " << u;
        total += general.m_unitSizes[u];
    }
    EXPECT_EQ(total, general.count());

    int withExample = 0;
    for (int i = 1; i <= general.count(); ++i) {
        const CWordStruct& e = general.entry(i);
        if (wholeWordIn(e.m_firstExample, e.m_word))
            ++withExample;
        CWordStruct found;
        int unit = 0;
        EXPECT_TRUE(general.lookUp(e.m_word, found, unit)) << e.m_word;
        EXPECT_EQ(unit, general.unitOf(i)) << e.m_word;
        EXPECT_EQ(found.m_firstMeaning, e.m_firstMeaning) << e.m_word;
    }
    EXPECT_GE(withExample * 10, general.count() * 9) << withExample << " of " << general.count();
}

// The required size of the general library; fails while the entries are still being written.
TEST(DefaultContent, GeneralLibraryHasAtLeast3000Entries) {
    CWordList general;
    ASSERT_TRUE(load(general, shareData("vtgeneral.ree")));
    EXPECT_GE(general.count(), 3000);
}

// The book a first start opens, and every word of it in the general library.
TEST(DefaultContent, DefaultBookIsInGeneralLibrary) {
    CWordList book, general;
    ASSERT_TRUE(load(book, shareData("其它/英语精选1000词.bte")));
    ASSERT_TRUE(load(general, shareData("vtgeneral.ree")));
    EXPECT_EQ(book.m_magic, "VerbaTroveBte");
    EXPECT_EQ(book.m_name, gbk("英语精选1000词"));
    EXPECT_EQ(book.count(), std::min(1000, general.count()));
    for (int i = 1; i <= book.count(); ++i) {
        CWordStruct found;
        int unit = 0;
        EXPECT_TRUE(general.lookUp(book.entry(i).m_word, found, unit)) << book.entry(i).m_word;
    }
}

// The book-choice screen lists *.zoe, *.boe and *.bte of each category folder: each must hold a book.
TEST(DefaultContent, EveryCategoryFolderHasABook) {
    for (const char* category : {"小学初中", "高中大学", "四六级公共英语", "托福雅思等", "GREGMAT", "职称自考考研等",
                                 "1", "2", "3", "4", "其它"}) {
        SCOPED_TRACE(category);
        const fs::path dir = fs::u8path(shareData(category));
        int books = 0;
        if (fs::is_directory(dir))
            for (const auto& f : fs::directory_iterator(dir)) {
                const std::string ext = f.path().extension().string();
                if (ext != ".zoe" && ext != ".boe" && ext != ".bte")
                    continue;
                CWordList lib;
                EXPECT_TRUE(load(lib, f.path().u8string())) << f.path().u8string();
                EXPECT_GT(lib.count(), 0) << f.path().u8string();
                ++books;
            }
        EXPECT_GE(books, 1);
    }
}

// The common-word library feeds the automatic memory hint: real parts of three letters or more, each with a
// meaning that splits.
TEST(DefaultContent, CommonWordLibrary) {
    CWordList cg;
    ASSERT_TRUE(load(cg, shareData("cg.ree")));
    EXPECT_GE(cg.count(), 400);
    std::set<std::string> seen;
    for (int i = 1; i <= cg.count(); ++i) {
        const CWordStruct& e = cg.entry(i);
        EXPECT_GE(e.m_word.size(), 3u) << e.m_word;
        EXPECT_EQ(e.m_word.find_first_not_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << e.m_word;
        EXPECT_TRUE(seen.insert(e.m_word).second) << e.m_word;
        Set<SingleMeaning> senses;
        CWordTrans::splitMeanings(e.m_firstMeaning, senses);
        ASSERT_GE(senses.count(), 1) << e.m_word;
        EXPECT_GE(senses.at(0).text.size(), 2u) << e.m_word;
    }
}

// Help texts: GBK with CR LF line ends, short enough for the help area of the main screen.
TEST(DefaultContent, HelpTexts) {
    for (const char* name : {"lxcy", "mp3zz", "qsxz", "sbxz", "sdtk", "wyjy", "xtgl", "xxjy", "yxtd", "zttj", "zyll",
                             "kelpsoft", "help", "info"}) {
        SCOPED_TRACE(name);
        const std::string bytes = test::readFile(kShare + "/" + name + ".txt");
        ASSERT_FALSE(bytes.empty());
        std::string utf8, err;
        EXPECT_TRUE(gbkToUtf8(bytes, utf8, &err)) << err;
        for (size_t p = bytes.find('\n'); p != std::string::npos; p = bytes.find('\n', p + 1))
            EXPECT_TRUE(p > 0 && bytes[p - 1] == '\r') << "bare LF at byte " << p;
        EXPECT_LE(bytes.size(), 240u); // about 100 characters fill the 680 x 80 help area
    }
}
