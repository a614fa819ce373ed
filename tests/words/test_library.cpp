#include "base/AtomicFile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "base/Random.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

using namespace vt;
using test::TempDir;

namespace {

// Writes scrambled files on its own, from the file format alone, so the loader is checked against an
// independent encoder rather than against its own writer.
struct IndependentScrambler {
    uint32_t state, mask;
    uint32_t word() {
        uint32_t w = state & mask;
        uint32_t feedback = ((w >> 1) & 1) ^ ((w >> 9) & 1);
        state = (state >> 1) | (feedback << 31);
        return w;
    }
    std::string line(const std::string& text) {
        const uint32_t w = word();
        std::string padded = text;
        while (padded.size() % 4)
            padded += '\0';
        std::string out;
        for (size_t i = 0; i < padded.size(); i += 4) {
            uint32_t v = 0;
            for (int b = 3; b >= 0; --b)
                v = (v << 8) | static_cast<unsigned char>(padded[i + b]);
            char hex[9];
            std::snprintf(hex, sizeof hex, "%08X", v ^ w);
            out += hex;
        }
        return out + "\r\n";
    }
    static uint32_t fileState(const std::string& header) {
        int64_t sum = 0x1F3D5B79;
        for (size_t i = 0; i < header.size(); ++i)
            sum += static_cast<int64_t>(static_cast<signed char>(header[i])) * i;
        return static_cast<uint32_t>(sum);
    }
};

std::string scrambledFile(uint32_t firstKey, const std::vector<std::string>& lines) {
    IndependentScrambler s{firstKey, 0x6C1F83B5};
    std::string out = s.line(lines[0]);
    s.state = IndependentScrambler::fileState(lines[0]);
    for (size_t i = 1; i < lines.size(); ++i)
        out += s.line(lines[i]);
    return out;
}

std::string plainFile(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

std::string int32le(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    return std::string{static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                       static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 24) & 0xFF)};
}

const std::vector<std::string> kReeLines = {
    "[H]VerbaTroveRee[N]" + gbk("通用") + "[R]pub[P]home[E]mail[V]3.1[C]123456789",
    "4",
    "2",
    "1",
    "3",
    "[W]apple[T]5pl[M]" + gbk("n. 苹果") + "[L]An apple.",
    "[W]bee[M]" + gbk("n. 蜜蜂"),
    "[W]cat[M]" + gbk("n. 猫"),
    "[W]ant[M]" + gbk("n. 蚂蚁") + "[J]x",
};

} // namespace

TEST(LibraryFile, LoadsIndependentlyScrambledRemembering) {
    TempDir dir;
    test::writeFile(dir.file("g.ree"), scrambledFile(CWordList::kKeyBseRee, kReeLines));
    CWordList lib;
    ASSERT_TRUE(lib.load(dir.file("g.ree"))) << lib.lastErrorDetail();
    EXPECT_EQ(lib.m_magic, "VerbaTroveRee");
    EXPECT_EQ(lib.m_name, gbk("通用"));
    EXPECT_EQ(lib.m_version, "3.1");
    EXPECT_EQ(lib.m_random, "123456789");
    ASSERT_EQ(lib.count(), 4);
    EXPECT_EQ(lib.m_unitCount, 2);
    EXPECT_EQ(lib.m_unitSizes[1], 1);
    EXPECT_EQ(lib.m_unitSizes[2], 3);
    EXPECT_EQ(lib.entry(1).m_meanings[0], gbk("n. 苹果"));
    EXPECT_EQ(lib.entry(4).m_hint, "x");
    int unit = 0;
    CWordStruct found;
    ASSERT_TRUE(lib.lookUp("ANT", found, unit)); // second run, unit 2
    EXPECT_EQ(found.m_word, "ant");
    EXPECT_EQ(unit, 2);

    // Our writer produces what the independent reader expects: save, then compare the plain lines.
    lib.setSaveSeed(5);
    ASSERT_TRUE(lib.save()) << lib.lastErrorDetail();
    CWordList again;
    ASSERT_TRUE(again.load(dir.file("g.ree")));
    EXPECT_NE(again.m_random, "123456789");
    std::vector<std::string> expected = kReeLines;
    expected[0] = "[H]VerbaTroveRee[N]" + gbk("通用") + "[R]pub[P]home[E]mail[V]3.1[C]" + again.m_random;
    expected[6] = "[W]bee[T][M]" + gbk("n. 蜜蜂"); // unedited entries keep their text, in [W][T][M] order
    expected[7] = "[W]cat[T][M]" + gbk("n. 猫");
    expected[8] = "[W]ant[T][M]" + gbk("n. 蚂蚁") + "[J]x";
    EXPECT_EQ(test::readFile(dir.file("g.ree")), scrambledFile(CWordList::kKeyBseRee, expected));
}

TEST(LibraryFile, KeyDependsOnTheNameEnding) {
    TempDir dir;
    const std::vector<std::string> lines = {"[H]VerbaTroveBse[N]n[R]r[P]p[E]e", "1", "[W]word[M]x"};
    const std::string bytes = scrambledFile(CWordList::kKeyBseRee, lines);
    CWordList lib;
    ASSERT_TRUE(lib.loadFromBytes(bytes, "a.bse")) << lib.lastErrorDetail();
    EXPECT_EQ(lib.entry(1).m_word, "word");
    // The same bytes named .bte take the other key: the header no longer reads.
    EXPECT_FALSE(lib.loadFromBytes(bytes, "a.bte"));
    EXPECT_EQ(lib.count(), 0);

    // .boe and .zoe take the default key, which the caller may change.
    const std::string boe = scrambledFile(0x11223344, {"[H]VerbaTroveBoe[N]n[R]r[P]p[E]e", "1", "[W]w"});
    EXPECT_FALSE(lib.loadFromBytes(boe, "a.boe"));
    lib.setDefaultKey(0x11223344, CWordList::kKeyMask);
    EXPECT_TRUE(lib.loadFromBytes(boe, "a.zoe"));

    // Plain files read the same whatever their plain ending: .bok renamed .rem.
    const std::string plain = plainFile({"[H]VerbaTroveBok[N]n[R]r[P]p[E]e", "1", "[W]w"});
    CWordList a, b;
    ASSERT_TRUE(a.loadFromBytes(plain, "x.bok"));
    ASSERT_TRUE(b.loadFromBytes(plain, "x.rem"));
    EXPECT_EQ(writeEntryLine(a.entry(1)), writeEntryLine(b.entry(1)));
}

TEST(LibraryFile, PlainBookFixtureAndHeaderDefaults) {
    CWordList lib;
    ASSERT_TRUE(lib.load(test::fixture("words_basic.bok"))) << lib.lastErrorDetail();
    EXPECT_EQ(lib.m_name, gbk("基础词汇"));
    EXPECT_EQ(lib.m_version, "1.0"); // no [V]
    EXPECT_EQ(lib.m_publisher, gbk("云杉坊"));
    EXPECT_EQ(lib.m_homepage, "https://verbatrove.example.org/");
    EXPECT_EQ(lib.m_email, "support@verbatrove.example.org");
    EXPECT_EQ(lib.m_random, "");
    ASSERT_EQ(lib.count(), 3);
    EXPECT_FALSE(lib.isRemembering());
    EXPECT_EQ(lib.entry(3).m_meanings[0], gbk("Mr. Monday 星期一"));
    EXPECT_EQ(lib.entry(2).m_meaningCount, 2);

    CWordList header;
    ASSERT_TRUE(header.loadHeaderOnly(test::fixture("words_units.rem")));
    EXPECT_EQ(header.m_name, gbk("分单元"));
    EXPECT_EQ(header.count(), 6);
    EXPECT_FALSE(header.m_loaded);
}

TEST(LibraryFile, ShortFileLoadsWhatItHolds) {
    CWordList lib;
    ASSERT_TRUE(lib.load(test::fixture("words_short.bok")));
    EXPECT_EQ(lib.count(), 7);
    EXPECT_EQ(lib.entry(7).m_word, "w7");
    EXPECT_EQ(lib.declaredCount(), 10);
    // A count far beyond the bytes of a tiny file is capped instead of reserving room for it.
    for (const char* count : {"2000000000", "99999999"}) {
        ASSERT_TRUE(lib.loadFromBytes(plainFile({"[H]VerbaTroveBok[N]n[R]r[P]p[E]e", count, "[W]only"}), "x.bok"));
        EXPECT_EQ(lib.count(), 1);
        EXPECT_LT(lib.capacity(), 100);
    }
}

TEST(LibraryFile, BadInputFailsWithReason) {
    const std::string head = "[H]VerbaTroveBok[N]n[R]r[P]p[E]e";
    const std::string remHead = "[H]VerbaTroveRem[N]n[R]r[P]p[E]e";
    struct Case {
        const char* what;
        std::string bytes;
        const char* name;
        LibraryError error;
    } cases[] = {
        {"empty file", "", "a.bok", LibraryError::MissingHeader},
        {"no [E]", plainFile({"[H]VerbaTroveBok[N]n[R]r[P]p", "0"}), "a.bok", LibraryError::MissingHeaderTag},
        {"no [H]", plainFile({"[N]n[R]r[P]p[E]e", "0"}), "a.bok", LibraryError::MissingHeaderTag},
        {"truncated after header", head, "a.bok", LibraryError::BadCount},
        {"count not a number", plainFile({head, "many"}), "a.bok", LibraryError::BadCount},
        {"negative count", plainFile({head, "-3"}), "a.bok", LibraryError::BadCount},
        {"count beyond 32 bits", plainFile({head, "99999999999"}), "a.bok", LibraryError::BadCount},
        {"binary count cut short", "[H]VerbaTroveWordsLib[N]n[R]r[P]p[E]e\r\n\x01\x00", "a.bok",
         LibraryError::BadCount},
        {"unit line missing", plainFile({remHead, "3", "2", "1"}), "a.rem", LibraryError::BadUnitList},
        {"unit count not a number", plainFile({remHead, "3", "x"}), "a.rem", LibraryError::BadUnitList},
        {"thirty units", plainFile({remHead, "0", "30"}), "a.rem", LibraryError::BadUnitList},
        {"scrambled name, plain text", plainFile({head, "1", "[W]a"}), "a.ree", LibraryError::MissingHeaderTag},
    };
    for (const Case& c : cases) {
        CWordList lib;
        EXPECT_FALSE(lib.loadFromBytes(c.bytes, c.name)) << c.what;
        EXPECT_EQ(lib.lastError(), c.error) << c.what << ": " << lib.lastErrorDetail();
        EXPECT_FALSE(lib.lastErrorDetail().empty()) << c.what;
        EXPECT_EQ(lib.count(), 0) << c.what;
        EXPECT_FALSE(lib.m_loaded) << c.what;
    }
    CWordList lib;
    EXPECT_FALSE(lib.loadFromBytes(plainFile({head, "many"}), "a.bok"));
    EXPECT_EQ(lib.lastErrorDetail(), "entry count is not a number (line 2)");
    EXPECT_FALSE(lib.load("/nonexistent/folder/x.bok"));
    EXPECT_EQ(lib.lastError(), LibraryError::CannotOpen);
}

TEST(LibraryFile, RandomBytesAndHugeLinesDoNotCrash) {
    CRandom rng(99);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(static_cast<size_t>(rng.next() % 600), '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng.next() & 0xFF);
        if (round % 2)
            bytes = "[H]VerbaTroveRee[N]n[R]r[P]p[E]e\r\n" + bytes; // reaches the body
        CWordList lib;
        for (const char* name : {"a.ree", "a.bok", "a.rem", "a.bte"}) {
            lib.loadFromBytes(bytes, name);
            EXPECT_LE(lib.count(), static_cast<int>(bytes.size()));
        }
    }
    // Lines of several megabytes, plain and scrambled.
    const std::string big(4 << 20, 'a');
    CWordList lib;
    ASSERT_TRUE(lib.loadFromBytes(
        plainFile({"[H]VerbaTroveBok[N]" + big + "[R]r[P]p[E]e", "2", "[W]" + big, "[W]b[M]" + big}), "a.bok"));
    EXPECT_EQ(lib.entry(1).m_word.size(), big.size());
    EXPECT_EQ(lib.entry(2).m_meanings[0].size(), big.size());
    ASSERT_TRUE(lib.loadFromBytes(
        scrambledFile(CWordList::kKeyBseRee, {"[H]VerbaTroveRee[N]n[R]r[P]p[E]e", "1", "1", "1", "[W]" + big}),
        "b.ree"));
    EXPECT_EQ(lib.entry(1).m_word.size(), big.size());
}

TEST(LibraryFile, LegacyBinaryCountAndUnitList) {
    // Legacy types carry the count (and for remembering libraries the unit list) as 32-bit binary after
    // the header; the remembering ones then repeat the unit list as text.
    const std::string wordsLib = "[H]VerbaTroveWordsLib[N]n[R]r[P]p[E]e\r\n" + int32le(2) + "[W]one\r\n[W]two\r\n";
    CWordList lib;
    ASSERT_TRUE(lib.loadFromBytes(wordsLib, "old.bok")) << lib.lastErrorDetail();
    ASSERT_EQ(lib.count(), 2);
    EXPECT_EQ(lib.entry(2).m_word, "two");

    const std::string remeLib = "[H]VerbaTroveRemeLib[N]n[R]r[P]p[E]e\r\n" + int32le(3) + int32le(2) + int32le(1) +
                                int32le(2) + "2\r\n1\r\n2\r\n[W]a\r\n[W]b\r\n[W]c\r\n";
    ASSERT_TRUE(lib.loadFromBytes(remeLib, "old.rem")) << lib.lastErrorDetail();
    EXPECT_EQ(lib.count(), 3);
    EXPECT_EQ(lib.m_unitCount, 2);
    EXPECT_EQ(lib.unitOf(3), 2);
    EXPECT_TRUE(lib.isRemembering());

    // Saving normalises the legacy magic.
    TempDir dir;
    lib.m_path = dir.file("old.rem");
    ASSERT_TRUE(lib.save()) << lib.lastErrorDetail();
    CWordList back;
    ASSERT_TRUE(back.load(dir.file("old.rem")));
    EXPECT_EQ(back.m_magic, "VerbaTroveRem");
    EXPECT_EQ(back.m_unitSizes[2], 2);
}

TEST(LibraryFile, SaveNormalisesMagicAndScramblesAfresh) {
    TempDir dir;
    CWordList lib;
    ASSERT_TRUE(lib.loadFromBytes(
        plainFile({"[H]VerbaTroveWordsBok[N]  old  [R]r[P]p[E]e[V]2", "2", "[W]a[M]Mr. x[L]ex[X]unknown tag", "[W]b"}),
        "x.bok"));
    lib.m_path = dir.file("x.bok");
    ASSERT_TRUE(lib.save());
    EXPECT_EQ(test::readFile(dir.file("x.bok")),
              plainFile({"[H]VerbaTroveBok[N]old[R]r[P]p[E]e[V]2", "2", "[W]a[T][M]Mr. x[L]ex[X]unknown tag",
                         "[W]b[T][J][D][S][B][E]"}));

    lib.m_magic = "VerbaTroveBoe";
    lib.m_path = dir.file("x.boe");
    ASSERT_TRUE(lib.save());
    const std::string first = test::readFile(dir.file("x.boe"));
    const std::string firstRandom = lib.m_random;
    ASSERT_TRUE(lib.save());
    const std::string second = test::readFile(dir.file("x.boe"));
    EXPECT_NE(lib.m_random, firstRandom);
    EXPECT_NE(first, second);
    for (const std::string& bytes : {first, second}) {
        CWordList back;
        ASSERT_TRUE(back.loadFromBytes(bytes, "x.boe"));
        ASSERT_EQ(back.count(), 2);
        EXPECT_EQ(back.entry(1).m_rawMeaning, "Mr. x[L]ex[X]unknown tag");
        const long long r = std::stoll(back.m_random);
        EXPECT_GE(r, 19751218);
        EXPECT_LE(r, 567893386);
    }
    // Same seed, same file.
    lib.setSaveSeed(42);
    ASSERT_TRUE(lib.save());
    const std::string a = test::readFile(dir.file("x.boe"));
    lib.setSaveSeed(42);
    ASSERT_TRUE(lib.save());
    EXPECT_EQ(a, test::readFile(dir.file("x.boe")));
}

TEST(LibraryFile, SaveRefusals) {
    TempDir dir;
    CWordList lib;
    lib.m_path = dir.file("r.bok");
    lib.m_magic = "VerbaTroveBok";
    lib.m_name = "   ";
    lib.reset();
    EXPECT_FALSE(lib.save());
    EXPECT_EQ(lib.lastError(), LibraryError::EmptyName);
    lib.m_name = "n";
    lib.m_magic = "VerbaTroveXDictBok"; // readable, but no save family
    EXPECT_FALSE(lib.save());
    EXPECT_EQ(lib.lastError(), LibraryError::UnknownFamily);
    lib.m_magic = "VerbaTroveRem";
    lib.m_unitCount = 30;
    EXPECT_FALSE(lib.save());
    EXPECT_EQ(lib.lastError(), LibraryError::TooManyUnits);
    EXPECT_TRUE(test::readFile(dir.file("r.bok")).empty());
    lib.m_unitCount = 0;
    lib.m_path = dir.file("missing/folder/r.rem");
    EXPECT_FALSE(lib.save());
    EXPECT_EQ(lib.lastError(), LibraryError::CannotCreate);
}

TEST(LibraryFile, FailedSaveLeavesOldFileIntact) {
    TempDir dir;
    const std::string path = dir.file("keep.ree");
    CWordList lib;
    ASSERT_TRUE(lib.loadFromBytes(scrambledFile(CWordList::kKeyBseRee, kReeLines), "keep.ree"));
    lib.m_path = path;
    ASSERT_TRUE(lib.save());
    const std::string before = test::readFile(path);
    for (int i = 0; i < 3000; ++i) {
        CWordStruct e;
        e.m_word = "extra" + std::to_string(i);
        e.m_meaningCount = 1;
        e.m_meanings[0] = std::string(400, 'm');
        lib.append(e);
    }
    AtomicFileWriter::setFailAfterBytesForTesting(100000);
    const bool saved = lib.save();
    AtomicFileWriter::setFailAfterBytesForTesting(-1);
    EXPECT_FALSE(saved);
    EXPECT_EQ(lib.lastError(), LibraryError::WriteFailed);
    EXPECT_EQ(test::readFile(path), before);
    EXPECT_EQ(listFiles(dir.path(), "").size(), 1u); // no temporary file left behind
}

// A file written by an earlier build (verbatrove-lib import) keeps loading: guards the file format itself.
TEST(LibraryFile, SampleWrittenEarlierStillLoads) {
    CWordList lib;
    ASSERT_TRUE(lib.load(test::fixture("lib_sample.ree"))) << lib.lastErrorDetail();
    EXPECT_EQ(lib.m_name, gbk("样例"));
    EXPECT_EQ(lib.m_publisher, gbk("测试"));
    EXPECT_EQ(lib.m_random, "460613632");
    ASSERT_EQ(lib.count(), 4);
    EXPECT_EQ(lib.m_unitCount, 2);
    int index = 0, unit = 0;
    ASSERT_TRUE(lib.lookUpIndex("MONDAY", index, unit));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(unit, 2);
    EXPECT_EQ(lib.entry(1).m_meanings[1], gbk("n. 放任"));
}
