// verbatrove-speech: renders the speech files (.spw) of the headwords of word libraries with espeak-ng into the
// base folder's speech folder. Existing files are kept unless --force is given.
#include "audio/EspeakEngine.h"
#include "audio/SpeechFile.h"
#include "audio/SpeechRenderer.h"
#include "base/AtomicFile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "words/CWordList.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <unordered_set>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

void usage() {
    std::fputs("usage: verbatrove-speech LIBRARY... [--force] [--voice NAME]\n"
               "Renders a speech file for every headword of the libraries that has none yet (all with --force)\n"
               "into <base>/speech/, base = $VERBATROVE_BASE or ~/Documents/kelpsoft/verbatrove/.\n",
               stderr);
}

std::string baseFolder() {
    std::string home = vt::envOr("HOME", "/tmp");
    std::string base = vt::envOr("VERBATROVE_BASE", home + "/Documents/kelpsoft/verbatrove/");
    if (base.back() != '/')
        base += '/';
    return vt::fromFsName(base);
}

double secondsSince(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

class Progress {
public:
    Progress(size_t total) : m_total(total), m_tty(::isatty(STDOUT_FILENO) == 1) {}
    void show(size_t done, size_t rendered, double seconds) {
        int percent = m_total ? static_cast<int>(done * 100 / m_total) : 100;
        double rate = seconds > 0 ? rendered / seconds : 0;
        if (m_tty) {
            std::printf("\r%zu/%zu  %3d%%  %.0f words/s ", done, m_total, percent, rate);
            std::fflush(stdout);
        } else if (percent / 10 != m_lastTenth || done == m_total) {
            // Plain lines, one per tenth of the work, for logs and pipes.
            m_lastTenth = percent / 10;
            std::printf("%zu/%zu %d%% %.0f words/s\n", done, m_total, percent, rate);
            std::fflush(stdout);
        }
    }
    // Warnings go to standard error on lines of their own.
    void warn(const std::string& text) {
        if (m_tty)
            std::fputs("\r\033[K", stdout), std::fflush(stdout);
        std::fprintf(stderr, "warning: %s\n", text.c_str());
    }
    void finish() {
        if (m_tty)
            std::putchar('\n');
    }

private:
    size_t m_total;
    bool m_tty;
    int m_lastTenth = -1;
};

} // namespace

int main(int argc, char** argv) {
    bool force = false;
    std::string voice;
    std::vector<std::string> libraries;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--force") {
            force = true;
        } else if (a == "--voice" && i + 1 < argc) {
            voice = argv[++i];
        } else if (a == "-h" || a == "--help") {
            usage();
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            std::fprintf(stderr, "unknown option %s\n", a.c_str());
            usage();
            return 2;
        } else {
            libraries.push_back(a);
        }
    }
    if (libraries.empty()) {
        usage();
        return 2;
    }
    if (!vt::EspeakEngine::instance().available()) {
        std::fputs("error: espeak-ng cannot be started (is espeak-ng-data installed?)\n", stderr);
        return 1;
    }

    // Headwords of every library, each once, in library order.
    int exitCode = 0;
    std::vector<std::string> words;
    std::unordered_set<std::string> seen;
    for (const std::string& lib : libraries) {
        vt::CWordList list;
        if (!list.load(vt::fromFsName(lib))) {
            std::fprintf(stderr, "error: cannot load %s: %s %s\n", lib.c_str(), vt::libraryErrorText(list.lastError()),
                         list.lastErrorDetail().c_str());
            exitCode = 1;
            continue;
        }
        for (int i = 1; i <= list.count(); ++i) {
            const std::string& w = list.entry(i).m_word;
            if (!w.empty() && seen.insert(w).second)
                words.push_back(w);
        }
    }

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);

    const std::string base = baseFolder();
    Progress progress(words.size());
    size_t rendered = 0, present = 0, skipped = 0, done = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (const std::string& word : words) {
        if (g_stop)
            break;
        ++done;
        std::string path = vt::speechFilePath(base, word);
        if (path.empty()) {
            progress.warn("skipped \"" + vt::toUtf8(word) + "\": cannot be a file name");
            ++skipped;
        } else if (!force && vt::fileExists(path)) {
            ++present;
        } else {
            std::string content;
            vt::RenderResult r = vt::renderSpeechFile(word, voice, content);
            vt::AtomicFileWriter out;
            if (r != vt::RenderResult::Ok) {
                progress.warn("skipped \"" + vt::toUtf8(word) + "\": " + vt::renderResultText(r));
                ++skipped;
            } else if (!vt::makeDirs(vt::dirOf(path)) || !out.open(path) || !out.write(content) || !out.commit()) {
                // The writer leaves no partial file behind: the old one, if any, stays.
                progress.warn("cannot write " + vt::toUtf8(path) + ": " + out.error());
                ++skipped;
            } else {
                ++rendered;
            }
        }
        progress.show(done, rendered, secondsSince(t0));
    }
    progress.finish();

    double seconds = secondsSince(t0);
    std::printf("%s: %zu rendered, %zu already present, %zu skipped, %zu not reached; %.1f s, %.0f words/s\n",
                g_stop ? "interrupted" : "done", rendered, present, skipped, words.size() - done, seconds,
                seconds > 0 ? rendered / seconds : 0.0);
    std::printf("speech folder: %sspeech/\n", vt::toUtf8(base).c_str());
    if (g_stop)
        return 130;
    return exitCode;
}
