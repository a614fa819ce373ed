// verbatrove-speech run as a program on a temporary base folder: files written, kept, replaced, skipped, and
// an interrupted run leaves only complete files.
#include "audio/SpeechFile.h"
#include "base/Gbk.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace {

struct ToolRun {
    int exitCode = -1;
    std::string output;
};

// Runs the program with VERBATROVE_BASE set; when interruptAfterMs >= 0 sends SIGINT after that long.
ToolRun runSpeech(const std::string& base, const std::vector<std::string>& args, int interruptAfterMs = -1) {
    std::string log = base + "run.log";
    pid_t pid = fork();
    if (pid == 0) {
        setenv("VERBATROVE_BASE", base.c_str(), 1);
        FILE* f = freopen(log.c_str(), "w", stdout);
        if (!f)
            _exit(127);
        dup2(fileno(stdout), 2);
        std::vector<char*> argv{const_cast<char*>(VT_SPEECH_BIN)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(VT_SPEECH_BIN, argv.data());
        _exit(127);
    }
    if (interruptAfterMs >= 0) {
        usleep(static_cast<useconds_t>(interruptAfterMs) * 1000);
        kill(pid, SIGINT);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ToolRun r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
    r.output = vt::test::readFile(log);
    return r;
}

std::string library(const vt::test::TempDir& dir, const std::vector<std::string>& words) {
    std::string text = "[H]VerbaTroveBok[N]test[R]r[P]p[E]e[V]1.0\r\n" + std::to_string(words.size()) + "\r\n";
    for (const std::string& w : words)
        text += "[W]" + w + "[M]" + vt::gbk("n.词") + "\r\n";
    std::string path = dir.file("test.bok");
    vt::test::writeFile(path, text);
    return path;
}

// Every file under folder (relative names).
void listTree(const std::string& folder, const std::string& prefix, std::vector<std::string>& out) {
    DIR* d = opendir(folder.c_str());
    if (!d)
        return;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..")
            continue;
        struct stat st;
        std::string full = folder + "/" + n;
        if (stat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            listTree(full, prefix + n + "/", out);
        else
            out.push_back(prefix + n);
    }
    closedir(d);
}

// A complete speech file of the word: our header, then at least 0.2 s of sound.
void expectValidSpeechFile(const std::string& path, const std::string& word) {
    std::string bytes = vt::test::readFile(path);
    int rate = 0;
    std::string headerWord;
    ASSERT_TRUE(vt::parseSpeechHeader(bytes, rate, headerWord)) << path;
    EXPECT_EQ(rate, 11025);
    EXPECT_EQ(headerWord, word);
    EXPECT_GT(bytes.size(), 200u + 11025 / 5) << path;
}

TEST(SpeechTool, RendersMissingFilesKeepsExistingOnesAndSkipsWhatItCannotSay) {
    vt::test::TempDir dir;
    std::string lib = library(dir, {"apple", "Monday", "and/or", vt::gbk("苹果"), "apple"});
    ToolRun r = runSpeech(dir.path(), {lib});
    EXPECT_EQ(r.exitCode, 0) << r.output;
    expectValidSpeechFile(dir.path() + "speech/a/apple.spw", "apple");
    expectValidSpeechFile(dir.path() + "speech/M/Monday.spw", "Monday");
    EXPECT_NE(r.output.find("warning: skipped \"and/or\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("warning: skipped \"苹果\""), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("2 rendered, 0 already present, 2 skipped"), std::string::npos) << r.output;
    std::vector<std::string> files;
    listTree(dir.path() + "speech", "", files);
    EXPECT_EQ(files.size(), 2u);

    // A second run keeps what is there; --force renders it again.
    vt::test::writeFile(dir.path() + "speech/a/apple.spw", "mine");
    r = runSpeech(dir.path(), {lib});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(vt::test::readFile(dir.path() + "speech/a/apple.spw"), "mine");
    EXPECT_NE(r.output.find("0 rendered, 2 already present"), std::string::npos) << r.output;
    r = runSpeech(dir.path(), {lib, "--force"});
    EXPECT_EQ(r.exitCode, 0);
    expectValidSpeechFile(dir.path() + "speech/a/apple.spw", "apple");
}

TEST(SpeechTool, BadArgumentsAndLibrariesAreReported) {
    vt::test::TempDir dir;
    EXPECT_EQ(runSpeech(dir.path(), {}).exitCode, 2);
    EXPECT_EQ(runSpeech(dir.path(), {"--bogus", "x.bok"}).exitCode, 2);
    vt::test::writeFile(dir.file("broken.bok"), "not a library");
    std::string good = library(dir, {"apple"});
    ToolRun r = runSpeech(dir.path(), {dir.file("missing.bok"), dir.file("broken.bok"), good});
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("cannot load"), std::string::npos);
    expectValidSpeechFile(dir.path() + "speech/a/apple.spw", "apple"); // the good library still counts
}

TEST(SpeechTool, InterruptLeavesOnlyCompleteFiles) {
    vt::test::TempDir dir;
    std::vector<std::string> words;
    for (int i = 0; i < 5000; ++i) {
        std::string w = "w";
        for (int n = i; n; n /= 26)
            w += static_cast<char>('a' + n % 26);
        words.push_back(w);
    }
    std::string lib = library(dir, words);
    ToolRun r = runSpeech(dir.path(), {lib}, 700);
    ASSERT_EQ(r.exitCode, 130) << r.output;
    EXPECT_NE(r.output.find("interrupted:"), std::string::npos) << r.output;
    std::vector<std::string> files;
    listTree(dir.path() + "speech", "", files);
    EXPECT_GT(files.size(), 0u);
    EXPECT_LT(files.size(), words.size());
    for (const std::string& f : files) {
        ASSERT_EQ(f.size() > 4 ? f.substr(f.size() - 4) : f, ".spw") << "left behind: " << f;
        expectValidSpeechFile(dir.path() + "speech/" + f, f.substr(2, f.size() - 6));
    }
}

} // namespace
