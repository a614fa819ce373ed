// verbatrove-drill: the study modes in a terminal. Questions go to standard output in UTF-8; answers come
// from standard input, one line per step.
#include "DrillPrinter.h"
#include "base/CIniProfile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "study/CWordStudy.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string>

using namespace vt;

namespace {

const char* const kUsage =
    "usage: verbatrove-drill [--mode carefree|scan|choice|fill] [--seed N]\n"
    "Environment: VERBATROVE_BASE (base folder), VERBATROVE_PROFILE (profile file).\n"
    "Input, one line per step: 1-4 or a-d choose an option; other text is the typed answer in the fill\n"
    "methods; an empty line is Enter; '<' previous word; '=N' sets the word's level (0-7); 'q' saves and quits.\n";

void say(const std::string& utf8) {
    std::fputs(utf8.c_str(), stdout);
}

void reportNext(NextResult r) {
    if (r != NextResult::Shown)
        say(toUtf8(fallbackMessage(r)) + "\n");
}

int finish(CWordStudy& study, const CIniProfile& profile) {
    StudyReport saved = study.saveOptions();
    for (FileProblem p : saved.problems) {
        // The engine knows the profile only as an interface; the drill names the file and why it failed.
        if (p.file == StudyFile::Profile) {
            p.path = profile.path();
            if (!profile.lastError().empty())
                p.detail = profile.lastError();
        }
        say(DrillPrinter::problem(p) + "\n");
    }
    std::fflush(stdout);
    return saved.ok() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    int mode = ModeCarefree;
    bool seeded = false;
    unsigned long seed = 0;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            say(kUsage);
            return 0;
        }
        if (a == "--mode" && i + 1 < argc) {
            std::string m = argv[++i];
            if (m == "carefree")
                mode = ModeCarefree;
            else if (m == "scan")
                mode = ModeFreeScan;
            else if (m == "choice")
                mode = ModeEasyChoice;
            else if (m == "fill")
                mode = ModeFillBlanks;
            else {
                std::fprintf(stderr, "unknown mode '%s'\n%s", m.c_str(), kUsage);
                return 2;
            }
        } else if (a == "--seed" && i + 1 < argc) {
            char* end = nullptr;
            seed = std::strtoul(argv[++i], &end, 10);
            if (!end || *end) {
                std::fprintf(stderr, "--seed needs a number\n");
                return 2;
            }
            seeded = true;
        } else {
            std::fprintf(stderr, "unknown argument '%s'\n%s", a.c_str(), kUsage);
            return 2;
        }
    }
    std::string base = envOr("VERBATROVE_BASE", "");
    if (base.empty())
        base = joinPath(envOr("HOME", "."), "Documents/kelpsoft/verbatrove/");
    CIniProfile profile(defaultProfilePath());
    if (!profile.lastError().empty())
        say("配置文件无法读取: " + profile.lastError() + "\n");

    CWordStudy study(profile, fromFsName(base),
                     seeded ? static_cast<uint32_t>(seed) : static_cast<uint32_t>(std::time(nullptr)));
    for (const FileProblem& p : study.loadWordSets().problems)
        say(DrillPrinter::problem(p) + "\n");
    reportNext(study.enterMode(mode));
    say(DrillPrinter::question(study));
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const QuestionRecord& r = study.question();
        AdvanceResult result;
        bool advanced = false;
        if (line == "q")
            return finish(study, profile);
        if (line.empty()) {
            result = study.advance();
            advanced = true;
        } else if (line == "<") {
            study.previousWord();
        } else if (line[0] == '=') {
            char* end = nullptr;
            long level = std::strtol(line.c_str() + 1, &end, 10);
            if (line.size() < 2 || *end || level < 0 || level > 7)
                say("等级应为 0 到 7\n");
            else
                study.setLevel(static_cast<int>(level));
        } else if (r.isFill() && r.phase == PhaseAsking && study.hasWord()) {
            study.setTyped(toGbk(line));
            result = study.advance();
            advanced = true;
        } else if (line.size() == 1 && ((line[0] >= '1' && line[0] <= '4') || (line[0] >= 'a' && line[0] <= 'd'))) {
            int option = line[0] >= 'a' ? line[0] - 'a' + 1 : line[0] - '0';
            result = study.answerOption(option);
            advanced = true;
        } else {
            say("无法识别的输入（1-4、a-d、回车、<、=N、q）\n");
        }
        if (advanced) {
            if (result.action == AdvanceAction::Judged)
                say(result.phase == PhaseRight ? "正确\n" : result.phase == PhaseGaveUp ? "已放弃\n" : "错误\n");
            if (result.action == AdvanceAction::NextWord)
                reportNext(result.next);
        }
        say(DrillPrinter::question(study));
        std::fflush(stdout);
    }
    return finish(study, profile);
}
