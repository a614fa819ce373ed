// Latency of one next-word request: rebuild the study list, select by the order, prepare the word (book
// fields, hint, example sentences, association search) and build its question. Each iteration is timed on
// its own; the median and 99th percentile are reported as counters (microseconds).
#include "base/CMemoryProfile.h"
#include "base/Gbk.h"
#include "base/Paths.h"
#include "base/Random.h"
#include "study/CWordStudy.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace vt;

namespace {

struct Data {
    std::string base;
    std::vector<std::string> general; // sorted spellings

    Data() {
        char tmpl[] = "/tmp/vtbench.XXXXXX";
        base = std::string(mkdtemp(tmpl)) + "/";
        CRandom rng(77);
        const char* parts[] = {"ab", "ac", "al",  "an", "ar", "at", "be", "ca", "co",  "de",   "di",  "en", "er", "ex",
                               "ge", "in", "ion", "is", "le", "ma", "mo", "ne", "or",  "pa",   "pro", "ra", "re", "se",
                               "st", "ta", "te",  "ti", "tr", "un", "ve", "y",  "ous", "ment", "ing", "ed"};
        std::set<std::string> words;
        while (words.size() < 20000) {
            std::string w;
            for (int k = rng.draw(1, 4); k > 0; --k)
                w += parts[rng.draw(0, 39)];
            words.insert(w);
        }
        general.assign(words.begin(), words.end());
        const char* pos[] = {"n.", "v.", "adj.", "adv.", "vt."};
        const char* hanzi[] = {"书", "学", "国", "家", "水", "火", "山", "人",
                               "大", "小", "行", "动", "开", "车", "站"};
        auto meaning = [&] {
            std::string m = std::string(pos[rng.draw(0, 4)]) + " ";
            for (int s = rng.draw(1, 3); s > 0; --s) {
                for (int k = rng.draw(1, 3); k > 0; --k)
                    m += hanzi[rng.draw(0, 14)];
                m += "；";
            }
            return gbk(m);
        };
        auto library = [&](const std::string& magic, const std::string& path) {
            CWordList lib;
            lib.reset();
            lib.m_magic = magic;
            lib.m_name = "bench";
            lib.m_publisher = lib.m_homepage = lib.m_email = "x";
            lib.m_path = path;
            return lib;
        };
        auto entry = [&](const std::string& w) {
            CWordStruct e;
            e.m_word = w;
            e.m_meanings[0] = e.m_firstMeaning = meaning();
            e.m_examples[0] = e.m_firstExample =
                "The " + w + " met a " + general[static_cast<size_t>(rng.draw(0, 19999))] + " today.";
            e.m_meaningCount = 1;
            return e;
        };
        makeDirs(base + "data/bench");
        CWordList g = library("VerbaTroveRee", base + "data/vtgeneral.ree");
        for (const std::string& w : general)
            g.append(entry(w));
        g.m_unitCount = 29;
        for (int u = 1; u <= 29; ++u)
            g.m_unitSizes[u] = u < 29 ? 690 : 20000 - 28 * 690;
        CWordList cg = library("VerbaTroveRee", base + "data/cg.ree");
        for (int i = 0; i < 3000; ++i)
            cg.append(entry(general[static_cast<size_t>(i * 6)]));
        cg.m_unitCount = 1;
        cg.m_unitSizes[1] = 3000;
        CWordList book = library("VerbaTroveBok", base + "data/bench/book.bok");
        for (int i = 0; i < 1000; ++i) {
            CWordStruct e = entry(general[static_cast<size_t>(rng.draw(0, 19999))]);
            e.m_firstMeaning.clear(); // completed from the general library
            e.m_meanings[0].clear();
            e.m_meaningCount = 0;
            book.append(e);
        }
        if (!g.save() || !cg.save() || !book.save())
            std::abort();
    }
    ~Data() { std::system(("rm -rf '" + base + "'").c_str()); }
};

Data& data() {
    static Data d;
    return d;
}

void run(benchmark::State& state, int mode, int order, int speed) {
    CMemoryProfile profile;
    profile.setString("kelp", "bookclass", "bench");
    profile.setString("kelp", "filebookname", "book.bok");
    CWordStudy study(profile, data().base, 1);
    if (!study.loadWordSets().ok()) {
        state.SkipWithError("fixture libraries did not load");
        return;
    }
    study.settings().speed = speed;
    study.enterMode(mode);
    study.chooseOrder(order);
    // Some history first, so the recent-word window is full as in a long session.
    for (int i = 0; i < 6000; ++i)
        study.nextWordRequest();
    std::vector<double> us;
    us.reserve(static_cast<size_t>(state.max_iterations));
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        NextResult r = study.nextWordRequest();
        benchmark::DoNotOptimize(r);
        auto t1 = std::chrono::steady_clock::now();
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::sort(us.begin(), us.end());
    state.counters["median_us"] = us[us.size() / 2];
    state.counters["p99_us"] = us[std::min(us.size() - 1, us.size() * 99 / 100)];
    state.counters["max_us"] = us.back();
}

void BM_BookIntellectual(benchmark::State& s) {
    run(s, ModeEasyChoice, OrderIntellectual, 4);
}
void BM_BookCorrelative5000(benchmark::State& s) {
    run(s, ModeEasyChoice, OrderCorrelative, 5000);
}
void BM_CarefreeIntellectual(benchmark::State& s) {
    run(s, ModeCarefree, OrderIntellectual, 4);
}
void BM_CarefreeCorrelative5000(benchmark::State& s) {
    run(s, ModeCarefree, OrderCorrelative, 5000);
}

} // namespace

BENCHMARK(BM_BookIntellectual)->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookCorrelative5000)->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CarefreeIntellectual)->Iterations(5000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CarefreeCorrelative5000)->Iterations(5000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
