#include "base/AtomicFile.h"
#include "base/Paths.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"

#include <gtest/gtest.h>

using namespace vt;
using test::TempDir;

namespace {

std::string ints(std::initializer_list<int32_t> values) {
    std::string s;
    for (int32_t v : values)
        for (int b = 0; b < 4; ++b)
            s += static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF);
    return s;
}

CWordList library(const char* magic, int entries, int units) {
    CWordList lib;
    lib.m_magic = magic;
    lib.reset();
    for (int i = 1; i <= entries; ++i) {
        CWordStruct e;
        e.m_word = "w" + std::to_string(i);
        lib.append(e);
    }
    lib.m_unitCount = units;
    for (int u = 1; u <= units; ++u)
        lib.m_unitSizes[u] = entries / units;
    return lib;
}

} // namespace

TEST(History, EncodingAndFileLength) {
    TempDir dir;
    CWordList book = library("VerbaTroveBte", 3, 0);
    ASSERT_FALSE(book.loadHistory(dir.file("book.his"))); // no file yet: every word new
    book.entry(1).setTests(3);
    book.entry(1).setRight(2);
    book.entry(1).setLevel(4);
    ASSERT_TRUE(book.saveHistory());
    EXPECT_EQ(test::readFile(dir.file("book.his")), ints({324, 0, 0}));

    CWordList rem = library("VerbaTroveRee", 4, 2);
    rem.loadHistory(dir.file("rem.his"));
    rem.m_unitWeights[1] = 7;
    rem.m_unitWeights[2] = 1000;
    rem.m_unitWeights[3] = 99; // beyond the unit count: not written
    ASSERT_TRUE(rem.saveHistory());
    EXPECT_EQ(test::readFile(dir.file("rem.his")), ints({0, 0, 0, 0, 7, 1000}));

    CWordList empty = library("VerbaTroveBoe", 0, 0);
    empty.loadHistory(dir.file("empty.his"));
    EXPECT_TRUE(empty.saveHistory());
    EXPECT_FALSE(fileExists(dir.file("empty.his")));
}

TEST(History, DecodingClampsDamagedValues) {
    TempDir dir;
    test::writeFile(dir.file("r.his"), ints({1256, 324, -5, 389, 49, 1500, 3}) + "xy");
    CWordList rem = library("VerbaTroveRem", 5, 1);
    rem.entry(5).setLevel(6); // stale value from before: zeroed by the load
    ASSERT_TRUE(rem.loadHistory(dir.file("r.his")));
    struct Expect {
        int tests, right, level;
    } expect[] = {{12, 5, 6}, {3, 2, 4}, {0, 0, 0}, {3, 3, 7}, {0, 0, 7}};
    for (int i = 0; i < 5; ++i) {
        const CWordStruct& e = rem.entry(i + 1);
        EXPECT_EQ(e.tests(), expect[i].tests) << i + 1;
        EXPECT_EQ(e.right(), expect[i].right) << i + 1;
        EXPECT_EQ(e.level(), expect[i].level) << i + 1;
    }
    EXPECT_EQ(rem.entry(1).m_counters[3], 0); // ratio right / (tests + 0.001), truncated
    EXPECT_EQ(rem.m_unitWeights[1], 1000);
    EXPECT_EQ(rem.m_unitWeights[2], 0);
    EXPECT_TRUE(rem.m_historyLoaded);
    EXPECT_EQ(rem.m_historyPath, dir.file("r.his"));

    // A short file leaves the rest new.
    test::writeFile(dir.file("s.his"), ints({111}));
    ASSERT_TRUE(rem.loadHistory(dir.file("s.his")));
    EXPECT_EQ(rem.entry(1).tests(), 1);
    EXPECT_EQ(rem.entry(2).tests(), 0);
    EXPECT_EQ(rem.entry(5).level(), 0);
}

TEST(History, FailedSaveKeepsOldFileAndSaysWhy) {
    TempDir dir;
    CWordList book = library("VerbaTroveBok", 3000, 0);
    std::string error;
    EXPECT_FALSE(book.saveHistory(&error)); // no history file name yet
    EXPECT_FALSE(error.empty());
    book.loadHistory(dir.file("b.his"));
    ASSERT_TRUE(book.saveHistory());
    const std::string before = test::readFile(dir.file("b.his"));
    book.entry(1).setTests(5);
    AtomicFileWriter::setFailAfterBytesForTesting(100);
    error.clear();
    const bool saved = book.saveHistory(&error);
    AtomicFileWriter::setFailAfterBytesForTesting(-1);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(test::readFile(dir.file("b.his")), before);
}
