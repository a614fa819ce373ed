#include "base/Gbk.h"
#include "tests/support/TempDir.h"
#include "words/CWordList.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#ifdef VT_LIB_TOOL

using namespace vt;
using test::TempDir;

namespace {

struct ToolRun {
    int code;
    std::string out, err;
};

ToolRun runTool(const TempDir& dir, const std::string& args) {
    const std::string errFile = dir.file("stderr.txt");
    const std::string cmd =
        std::string("cd '") + dir.path() + "' && '" + VT_LIB_TOOL + "' " + args + " 2>'" + errFile + "'";
    ToolRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return {-1, "", "popen failed"};
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        r.out.append(buf, n);
    const int status = pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = test::readFile(errFile);
    return r;
}

const char* kTable = "word\tphonetic\tmeaning\texample\tunit\thint\n"
                     "abandon\t6/b5nd6n\tv. 放弃；抛弃 || n. 放任\tThey abandon the car. || with abandon\t1\t\n"
                     "book\tbuk\tn. 书\tI read a book.\t1\tb+ook\n"
                     "\n"
                     "apple\t5pl\tn. 苹果\t\t2\t\n"
                     "Monday\t\tMr. 星期一\t\t2\t\n";

} // namespace

TEST(LibTool, ImportInfoLookupConvertDumpExport) {
    TempDir dir;
    test::writeFile(dir.file("table.tsv"), kTable);
    ToolRun r = runTool(dir, "import table.tsv g.ree --name 通用词库");
    ASSERT_EQ(r.code, 0) << r.err;

    r = runTool(dir, "info g.ree");
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string random = r.out.substr(r.out.find("random: ") + 8, 9);
    EXPECT_EQ(r.out, "magic: VerbaTroveRee\nname: 通用词库\npublisher: 岚溪词苑\n"
                     "homepage: https://verbatrove.example.org/\nemail: support@verbatrove.example.org\n"
                     "version: 1.0\nrandom: " +
                         random + "\nentries: 4\nunits: 2 2\n");

    // The library itself reads back through the container: two units, two runs, both meanings.
    CWordList lib;
    ASSERT_TRUE(lib.load(dir.file("g.ree")));
    EXPECT_EQ(lib.entry(1).m_meaningCount, 2);
    EXPECT_EQ(lib.entry(1).m_examples[1], "with abandon");
    EXPECT_EQ(lib.entry(2).m_hint, "b+ook");

    r = runTool(dir, "lookup g.ree monday");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "[W]Monday[T][M]Mr. 星期一[L][J][D][S][B][E]\nunit: 2\n");

    r = runTool(dir, "convert g.ree g.bok");
    ASSERT_EQ(r.code, 0) << r.err;
    r = runTool(dir, "info g.bok");
    EXPECT_NE(r.out.find("magic: VerbaTroveBok\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nrandom:\nentries: 4\nunits:\n"), std::string::npos) << r.out;
    r = runTool(dir, "lookup g.bok monday"); // books: exact match only
    EXPECT_EQ(r.code, 1);

    r = runTool(dir, "dump g.bok");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "[W]abandon[T]6/b5nd6n[M]v. 放弃；抛弃[L]They abandon the car.[M]n. 放任[L]with abandon"
                     "[J][D][S][B][E]\n"
                     "[W]book[T]buk[M]n. 书[L]I read a book.[J]b+ook[D][S][B][E]\n"
                     "[W]apple[T]5pl[M]n. 苹果[L][J][D][S][B][E]\n"
                     "[W]Monday[T][M]Mr. 星期一[L][J][D][S][B][E]\n");

    r = runTool(dir, "export g.ree out.bok --fields T,L");
    ASSERT_EQ(r.code, 0) << r.err;
    const std::string exported = toUtf8(test::readFile(dir.file("out.bok")));
    EXPECT_EQ(exported, "[H]VerbaTroveBok[N]out[R]岚溪词苑[P]不告诉你[E]不告诉你[V]1.0\r\n4\r\n"
                        "[W]abandon[T]6/b5nd6n[M][L]They abandon the car.[J][D][S][B][E]\r\n"
                        "[W]book[T]buk[M][L]I read a book.[J][D][S][B][E]\r\n"
                        "[W]apple[T]5pl[M][L][J][D][S][B][E]\r\n"
                        "[W]Monday[T][M][L][J][D][S][B][E]\r\n");
    r = runTool(dir, "export g.ree bare.boe");
    ASSERT_EQ(r.code, 0) << r.err;
    r = runTool(dir, "dump bare.boe");
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "[W]abandon[T][M][L][J][D][S][B][E]");
}

TEST(LibTool, FailuresGiveOneLineAndExitCode) {
    TempDir dir;
    test::writeFile(dir.file("bad.bok"), "[H]VerbaTroveBok[N]n[R]r[P]p[E]e\r\nmany\r\n");
    ToolRun r = runTool(dir, "info bad.bok");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "verbatrove-lib: bad.bok: entry count is not a number (line 2)\n");
    // A short file loads what it holds, and the tool says what is missing.
    test::writeFile(dir.file("short.bok"), "[H]VerbaTroveBok[N]n[R]r[P]p[E]e\r\n3\r\n[W]a\r\n[W]b\r\n");
    r = runTool(dir, "info short.bok");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("entries: 2\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "verbatrove-lib: short.bok: short file: 3 entries declared, 2 read\n");

    struct Case {
        const char* table;
        const char* args;
        const char* message;
    } cases[] = {
        {"word\tmeaning\nok\tn. 好\n\tn. 空\n", "import t.tsv o.bok --name x", "row 3: the word is empty"},
        {"word\tmeaning\nok\tn. 😀\n", "import t.tsv o.bok --name x", "row 2, column meaning: cannot convert to GBK"},
        {"word\tcolour\nok\tred\n", "import t.tsv o.bok --name x", "unknown column name \"colour\""},
        {"word\tunit\na\t1\nb\t2\nc\t1\n", "import t.tsv o.ree --name x", "row 4, column unit: unit 1 follows unit 2"},
        {"word\na\nb\n", "import t.tsv o.ree --name x --units 1,2", "--units add up to 3 but the table has 2"},
        {"word\tmeaning\na\tx [y]\n", "import t.tsv o.bok --name x", "row 2, column meaning: text contains '['"},
    };
    for (const Case& c : cases) {
        test::writeFile(dir.file("t.tsv"), c.table);
        r = runTool(dir, c.args);
        EXPECT_EQ(r.code, 1) << c.args;
        EXPECT_EQ(r.err.rfind("verbatrove-lib: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err; // exactly one line
    }
    EXPECT_FALSE(test::readFile(dir.file("o.bok")).size());

    for (const char* args :
         {"", "info", "frobnicate x", "import t.tsv o.bok", "convert a.bok b.txt", "export a.bok b.bok --fields Q"}) {
        r = runTool(dir, args);
        EXPECT_EQ(r.code, 2) << args;
        EXPECT_NE(r.err.find("usage: verbatrove-lib"), std::string::npos) << args;
    }
}

#endif
