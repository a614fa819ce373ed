#include "base/AtomicFile.h"
#include "base/Gbk.h"
#include "base/LineIO.h"
#include "base/Paths.h"
#include "base/Random.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

using namespace vt;

TEST(Gbk, RoundTripAndBytes) {
    std::string g;
    ASSERT_TRUE(utf8ToGbk("算盘", g));
    EXPECT_EQ(g, "\xCB\xE3\xC5\xCC"); // GBK code points of 算盘
    std::string u;
    ASSERT_TRUE(gbkToUtf8(g, u));
    EXPECT_EQ(u, "算盘");
    EXPECT_EQ(gbk("（"), "\xA3\xA8");
}

TEST(Gbk, InvalidInputGivesError) {
    std::string out, err;
    EXPECT_FALSE(gbkToUtf8("ab\x81", out, &err)); // truncated double-byte character
    EXPECT_FALSE(err.empty());
    EXPECT_FALSE(utf8ToGbk("\xFF\xFE", out, &err));
    EXPECT_FALSE(utf8ToGbk("😀", out, &err)); // not representable in GBK
    EXPECT_EQ(toUtf8("a\x81"), "a?");
}

TEST(Random, MatchesRuntimeSequenceAndDrawFormula) {
    CRandom r(1);
    // First values of the classic runtime generator seeded with 1.
    EXPECT_EQ(r.next(), 41);
    EXPECT_EQ(r.next(), 18467);
    EXPECT_EQ(r.next(), 6334);
    EXPECT_EQ(CRandom::drawWith(0, 1, 4), 1);
    EXPECT_EQ(CRandom::drawWith(32767, 1, 4), 4);
    EXPECT_EQ(CRandom::drawWith(32767, 0, 0), 0);
    EXPECT_EQ(CRandom::drawWith(16384, 19751218, 567893386), 293830666);
}

TEST(LineIO, ReadsToLfAndDropsCr) {
    test::TempDir dir;
    test::writeFile(dir.file("a.txt"), "one\r\ntwo\nthree\r\r\nlast");
    LineReader r;
    ASSERT_TRUE(r.open(dir.file("a.txt")));
    std::string line;
    std::vector<std::string> lines;
    while (r.readLine(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three\r", "last"}));
}

TEST(Paths, GbkNamesAreStoredAsUtf8) {
    test::TempDir dir;
    std::string name = dir.path() + gbk("生词本.boe");
    ASSERT_TRUE(writeFileAtomically(name, "x"));
    EXPECT_TRUE(fileExists(name));
    EXPECT_EQ(test::readFile(dir.path() + "生词本.boe"), "x");
    auto files = listFiles(dir.path(), ".BOE");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], gbk("生词本.boe"));
    EXPECT_TRUE(makeDirs(dir.path() + "a/b/c"));
    EXPECT_TRUE(dirExists(dir.path() + "a/b/c"));
}

TEST(AtomicFile, FailedWriteLeavesTargetUntouched) {
    test::TempDir dir;
    std::string target = dir.file("lib.txt");
    test::writeFile(target, "old content");
    AtomicFileWriter::setFailAfterBytesForTesting(10);
    {
        AtomicFileWriter w;
        ASSERT_TRUE(w.open(target));
        EXPECT_TRUE(w.writeLine("12345"));
        EXPECT_FALSE(w.writeLine("67890"));
        EXPECT_FALSE(w.commit());
    }
    AtomicFileWriter::setFailAfterBytesForTesting(-1);
    EXPECT_EQ(test::readFile(target), "old content");
    EXPECT_EQ(listFiles(dir.path(), "").size(), 1u); // no temporary file left behind
    ASSERT_TRUE(writeFileAtomically(target, "new"));
    EXPECT_EQ(test::readFile(target), "new");
}

TEST(AtomicFile, MissingFolderIsReported) {
    std::string err;
    EXPECT_FALSE(writeFileAtomically("/nonexistent-folder-vt/x.txt", "x", &err));
    EXPECT_NE(err.find("cannot create"), std::string::npos);
}
