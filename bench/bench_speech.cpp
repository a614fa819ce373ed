// Rendering speech files: 1,000 headwords synthesised with espeak-ng, converted to 8-bit 11025 Hz and written
// atomically, as verbatrove-speech does. Reports words per second.
#include "audio/EspeakEngine.h"
#include "audio/SpeechFile.h"
#include "audio/SpeechRenderer.h"
#include "base/AtomicFile.h"
#include "base/Paths.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// The 1,000 most frequent headwords of the default content, or made-up words when the table is missing.
std::vector<std::string> thousandWords() {
    std::vector<std::string> words;
    std::ifstream in(VT_HEADWORDS_TSV);
    std::string line;
    std::getline(in, line); // column names
    while (words.size() < 1000 && std::getline(in, line)) {
        size_t a = line.find('\t'), b = line.find('\t', a + 1);
        if (a != std::string::npos && b != std::string::npos)
            words.push_back(line.substr(a + 1, b - a - 1));
    }
    for (int i = 0; words.size() < 1000; ++i)
        words.push_back("word" + std::string(1, char('a' + i % 26)));
    return words;
}

void BM_RenderSpeechFiles(benchmark::State& state) {
    if (!vt::EspeakEngine::instance().available()) {
        state.SkipWithError("espeak-ng not available");
        return;
    }
    const std::vector<std::string> words = thousandWords();
    char tmpl[] = "/tmp/vt-bench-speech-XXXXXX";
    std::string base = std::string(mkdtemp(tmpl)) + "/";
    size_t bytes = 0;
    for (auto _ : state) {
        for (const std::string& w : words) {
            std::string path = vt::speechFilePath(base, w);
            std::string content;
            if (path.empty() || vt::renderSpeechFile(w, "", content) != vt::RenderResult::Ok)
                continue;
            vt::makeDirs(vt::dirOf(path));
            vt::writeFileAtomically(path, content);
            bytes += content.size();
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["words/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * words.size()), benchmark::Counter::kIsRate);
    std::string cmd = "rm -rf '" + base + "'";
    if (std::system(cmd.c_str()) != 0)
        state.SkipWithError("cannot remove the temporary folder");
}
// The same words rendered into memory only: synthesis and conversion without the file system (the atomic
// writer syncs every file, which dominates the time above on a busy disk).
void BM_RenderSpeechInMemory(benchmark::State& state) {
    if (!vt::EspeakEngine::instance().available()) {
        state.SkipWithError("espeak-ng not available");
        return;
    }
    const std::vector<std::string> words = thousandWords();
    for (auto _ : state) {
        for (const std::string& w : words) {
            std::string content;
            benchmark::DoNotOptimize(vt::renderSpeechFile(w, "", content));
        }
    }
    state.counters["words/s"] =
        benchmark::Counter(static_cast<double>(state.iterations() * words.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderSpeechInMemory)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

BENCHMARK(BM_RenderSpeechFiles)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
