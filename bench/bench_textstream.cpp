// Reading and writing a large block file: a session with many objects.
#include "foundation/numberformat.h"
#include "foundation/textstream.h"

#include <benchmark/benchmark.h>

namespace {

struct Entry : TextStream {
    std::string name = "A";
    double value = 0.125;
    std::int32_t x = 0;
    void exchange() override {
        exchangeString("name", name);
        exchangeDouble("value", value);
        exchangeInt("x", x);
    }
};

struct Table : TextStream {
    Llist<Entry> entries;
    void exchange() override { exchangeList("entry", entries); }
};

Table tableOf(int n) {
    Table t;
    for (int i = 0; i < n; ++i) {
        Entry e;
        e.x = i;
        t.entries.add(e);
    }
    return t;
}

void BM_WriteTable(benchmark::State& state) {
    Table t = tableOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bool ok = t.save("Table", "");
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteTable)->Arg(100)->Arg(10000);

void BM_ReadTable(benchmark::State& state) {
    Table written = tableOf(static_cast<int>(state.range(0)));
    (void)written.save("Table", "");
    for (auto _ : state) {
        Table t;
        t.lines = written.lines;
        bool ok = t.load("Table", "");
        benchmark::DoNotOptimize(ok);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadTable)->Arg(100)->Arg(10000);

void BM_FormatNumber(benchmark::State& state) {
    double v = 0.000123;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatNumber(v));
        v *= 1.7;
        if (v > 1e10) v = 0.000123;
    }
}
BENCHMARK(BM_FormatNumber);

} // namespace

BENCHMARK_MAIN();
