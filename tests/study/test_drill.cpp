// verbatrove-drill driven through standard input on a fixture book; checks what it leaves on disk.
#include "StudyFixture.h"
#include "base/Paths.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace vt;

#ifdef VT_DRILL
namespace {

std::string run(const test::StudyBase& b, const std::string& profilePath, const std::string& args,
                const std::string& input, int* status) {
    test::writeFile(b.file("input.txt"), input);
    std::string cmd = "VERBATROVE_BASE='" + b.base() + "' VERBATROVE_PROFILE='" + profilePath + "' " + VT_DRILL + " " +
                      args + " < '" + b.file("input.txt") + "' 2>&1";
    FILE* f = popen(cmd.c_str(), "r");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        out.append(buf, n);
    *status = pclose(f);
    return out;
}

} // namespace

TEST(Drill, FillBlanksSessionLeavesHistoryBytes) {
    test::StudyBase b({{"alpha", "n. 开端；", ""}, {"bravo", "int. 好极了；", ""}, {"charlie", "n. 查理；", ""}}, false,
                      false);
    const std::string profile = b.file("p.ini");
    test::writeFile(profile, "[Study]\nusername=kelp\n[kelp]\nbookclass=test\nfilebookname=t.bok\nbookname=t\n"
                             "sdtkmethod=9\nsdtkmethodQuci=1\n");
    int status = 0;
    // right on alpha; next; wrong on bravo; relearn; stress level for bravo; quit
    std::string out = run(b, profile, "--mode fill --seed 7", "alpha\n\nxyz\n\n=7\nq\n", &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("vtgeneral.ree"), std::string::npos); // says what is missing, keeps working
    EXPECT_NE(out.find("cg.ree"), std::string::npos);
    EXPECT_NE(out.find("正确"), std::string::npos);
    EXPECT_NE(out.find("错误"), std::string::npos);
    const std::string bytes = test::readFile(b.file("his/kelpt.his"));
    EXPECT_EQ(bytes, std::string("\x6f\0\0\0\x6b\0\0\0\0\0\0\0", 12)); // 111, 107, 0
    const std::string ini = test::readFile(profile);
    EXPECT_NE(ini.find("wrongstep=41"), std::string::npos);

    // End of input saves too; a missing book is one clear line and nothing is lost.
    test::writeFile(profile, "[kelp]\nbookclass=test\nfilebookname=gone.bok\n");
    out = run(b, profile, "--mode choice --seed 1", "\n\n", &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("缺少或无法读取书本"), std::string::npos) << out;
    EXPECT_NE(out.find("指定书本的单词个数为0"), std::string::npos) << out;
    EXPECT_EQ(test::readFile(b.file("his/kelpt.his")).size(), 12u);

    // A profile that cannot be written is named in one line and the exit status says so.
    const std::string blocked = b.file("blocked.ini");
    ASSERT_TRUE(makeDirs(blocked));
    out = run(b, blocked, "--mode choice --seed 1", "q\n", &status);
    EXPECT_NE(status, 0) << out;
    EXPECT_NE(out.find("配置文件无法保存: " + blocked), std::string::npos) << out;
}

TEST(Drill, ChooseWordOffersGiveUpAtLevelZero) {
    test::StudyBase b({{"abandon", "v. 放弃；", ""}});
    int status = 0;
    const std::string profile = b.file("p.ini");
    test::writeFile(profile, "[kelp]\nbookclass=test\nfilebookname=t.bok\nqsxzmethod=4\n");
    std::string out = run(b, profile, "--mode choice --seed 3", "d\n", &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("D. *很不熟悉,直接看答案吧*"), std::string::npos) << out;
    EXPECT_NE(out.find("已放弃"), std::string::npos) << out;
    EXPECT_NE(out.find("abandon"), std::string::npos);
}
#endif
