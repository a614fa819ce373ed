// Profile files: defaults, GBK at the interface, UTF-8 on disk, atomic rewrite, the file's location.
#include "base/CIniProfile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace vt;

TEST(IniProfile, RoundTripsValuesAsUtf8) {
    test::TempDir dir;
    const std::string path = dir.path() + "sub/dir/verbatrove.ini";
    {
        CIniProfile p(path);
        EXPECT_EQ(p.getInt("kelp", "speed", 4), 4);
        EXPECT_EQ(p.getString("kelp", "bookname", "x"), "x");
        p.setString("Study", "username", gbk("小明"));
        p.setString(gbk("小明"), "bookname", gbk("英语精选1000词"));
        p.setString(gbk("小明"), "defaultdir", "d:\\kelp\\verbatrove\\");
        p.setString(gbk("小明"), "odd", "two\nlines=[x]");
        p.setInt(gbk("小明"), "speed", -12);
        ASSERT_TRUE(p.flush()); // creates the folders
    }
    const std::string text = test::readFile(path);
    EXPECT_NE(text.find("[小明]"), std::string::npos);
    EXPECT_NE(text.find("bookname=英语精选1000词"), std::string::npos);
    CIniProfile q(path);
    EXPECT_EQ(q.getString("Study", "username", ""), gbk("小明"));
    EXPECT_EQ(q.getString(gbk("小明"), "defaultdir", ""), "d:\\kelp\\verbatrove\\");
    EXPECT_EQ(q.getString(gbk("小明"), "odd", ""), "two\nlines=[x]");
    EXPECT_EQ(q.getInt(gbk("小明"), "speed", 0), -12);
}

TEST(IniProfile, OddValuesAndFailures) {
    test::TempDir dir;
    test::writeFile(dir.path() + "p.ini", "; comment\nstray=1\n[kelp]\nspeed=abc\nfanwei= 3 \nbig=99999999999\n");
    CIniProfile p(dir.path() + "p.ini");
    EXPECT_EQ(p.getInt("kelp", "speed", 4), 4); // not a number: the default
    EXPECT_EQ(p.getInt("kelp", "fanwei", 0), 3);
    EXPECT_EQ(p.getInt("kelp", "big", 0), 2147483647);
    EXPECT_FALSE(p.has("", "stray"));
    // A folder that cannot be created: flush reports it and keeps the values in memory.
    test::writeFile(dir.path() + "file", "");
    CIniProfile bad(dir.path() + "file/p.ini");
    bad.setInt("kelp", "speed", 5);
    EXPECT_FALSE(bad.flush());
    EXPECT_FALSE(bad.lastError().empty());
    EXPECT_EQ(bad.getInt("kelp", "speed", 0), 5);
}

TEST(IniProfile, LocationFromTheEnvironment) {
    const char* saved = std::getenv("VERBATROVE_PROFILE");
    std::string keep = saved ? saved : "";
    setenv("VERBATROVE_PROFILE", "/tmp/x/p.ini", 1);
    EXPECT_EQ(defaultProfilePath(), "/tmp/x/p.ini");
    unsetenv("VERBATROVE_PROFILE");
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(defaultProfilePath(), "/tmp/cfg/verbatrove/verbatrove.ini");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(defaultProfilePath(), "/home/someone/.config/verbatrove/verbatrove.ini");
    if (saved)
        setenv("VERBATROVE_PROFILE", keep.c_str(), 1);
}
