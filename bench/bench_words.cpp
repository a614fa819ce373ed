// Load and save of a large scrambled remembering library, headword look-up and sentence search.
#include "base/Gbk.h"
#include "base/Paths.h"
#include "base/Random.h"
#include "words/CWordList.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace vt;

namespace {

constexpr int kEntries = 20000;
constexpr int kUnits = 29;

std::string randomWord(CRandom& rng) {
    std::string w;
    const int n = 3 + rng.next() % 8;
    for (int i = 0; i < n; ++i)
        w += static_cast<char>('a' + rng.next() % 26);
    return w;
}

// A library shaped like the general one: 29 units, each in alphabetical order (29 runs), entries with two
// meanings, examples, a hint and inflections.
struct Fixture {
    std::string folder;
    std::string path;
    std::vector<std::string> probeWords;
    long long fileSize = 0;

    Fixture() {
        char tmpl[] = "/tmp/vtbench.XXXXXX";
        folder = mkdtemp(tmpl);
        path = folder + "/general.ree";
        CRandom rng(12345);
        CWordList lib;
        lib.m_magic = "VerbaTroveRee";
        lib.m_name = gbk("通用词库");
        lib.m_publisher = "bench";
        lib.m_homepage = "h";
        lib.m_email = "e";
        lib.m_version = "1.0";
        lib.m_spareCapacity = kEntries;
        lib.reset();
        const std::string meaning1 = gbk("n. 算盘；计算器；");
        const std::string meaning2 = gbk("v. 放弃；抛弃；");
        for (int u = 1; u <= kUnits; ++u) {
            const int size = kEntries / kUnits + (u <= kEntries % kUnits ? 1 : 0);
            std::vector<std::string> words;
            for (int i = 0; i < size; ++i)
                words.push_back(randomWord(rng));
            std::sort(words.begin(), words.end());
            for (const std::string& w : words) {
                CWordStruct e;
                e.m_word = w;
                e.m_phonetic = "6/b5nd6n";
                e.m_meaningCount = 2;
                e.m_meanings[0] = meaning1;
                e.m_meanings[1] = meaning2;
                e.m_examples[0] = "They had to " + w + " the car and walk the rest of the way home.";
                e.m_examples[1] = "He did it with " + w + ".";
                e.m_hint = gbk("联想记忆");
                e.m_inflection = w + "s " + w + "ed";
                lib.append(e);
                if (rng.next() % 40 == 0)
                    probeWords.push_back(w);
            }
            lib.m_unitSizes[u] = size;
        }
        lib.m_unitCount = kUnits;
        lib.m_path = path;
        if (!lib.save())
            std::abort();
        fileSize = fileSize_(path);
    }
    ~Fixture() { std::system(("rm -rf '" + folder + "'").c_str()); }
    static long long fileSize_(const std::string& p) { return static_cast<long long>(vt::fileSize(p)); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_LoadRee(benchmark::State& state) {
    Fixture& f = fixture();
    CWordList lib;
    for (auto _ : state) {
        if (!lib.load(f.path))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(lib.count());
    }
    state.SetBytesProcessed(state.iterations() * f.fileSize);
    state.counters["file_MB"] = static_cast<double>(f.fileSize) / 1e6;
}
BENCHMARK(BM_LoadRee)->Unit(benchmark::kMillisecond);

void BM_SaveRee(benchmark::State& state) {
    Fixture& f = fixture();
    CWordList lib;
    if (!lib.load(f.path))
        std::abort();
    lib.m_path = f.folder + "/copy.ree";
    for (auto _ : state)
        if (!lib.save())
            state.SkipWithError("save failed");
    state.SetBytesProcessed(state.iterations() * f.fileSize);
}
BENCHMARK(BM_SaveRee)->Unit(benchmark::kMillisecond);

// The read-only benchmarks share one loaded copy of the fixture library.
const CWordList& loadedLibrary() {
    static CWordList lib;
    if (lib.count() == 0 && !lib.load(fixture().path))
        std::abort();
    return lib;
}

void BM_LookUp(benchmark::State& state) {
    Fixture& f = fixture();
    const CWordList& lib = loadedLibrary();
    CWordStruct out;
    int unit = 0;
    size_t i = 0;
    for (auto _ : state) {
        const bool found = lib.lookUp(f.probeWords[i++ % f.probeWords.size()], out, unit);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_LookUp)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LookUpMissing(benchmark::State& state) {
    const CWordList& lib = loadedLibrary();
    CWordStruct out;
    int unit = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(lib.lookUp("mzzzzzzz", out, unit));
}
BENCHMARK(BM_LookUpMissing)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FindExampleSentences(benchmark::State& state) {
    Fixture& f = fixture();
    const CWordList& lib = loadedLibrary();
    std::string out;
    size_t i = 0;
    for (auto _ : state) {
        lib.findExampleSentences(f.probeWords[i++ % f.probeWords.size()], 1, kEntries, out);
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_FindExampleSentences)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
