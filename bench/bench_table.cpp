// Loading and exporting contact data texts at the sizes hosts send, against a plain scan of the
// same text for its record separator: the floor any loader has to pay.
#include <benchmark/benchmark.h>

#include <string_view>

#include "BenchTexts.h"
#include "table/ContactDataText.h"
#include "table/PayToFields.h"

namespace {

using namespace xkr;

const Separators kSeparators{bench::fieldSeparator, bench::recordSeparator, bench::tableSeparator};

struct Loaded {
    PayToTable table;
    Separators kept;
    Lookup terms;
    Lookup states;
    Loaded() { appendPayToFields(table); }
    void load(const std::string& text) {
        loadContactData(text, kSeparators, table, kept, terms, states);
    }
};

void BM_Load(benchmark::State& state) {
    const std::string text = bench::contactText(static_cast<std::size_t>(state.range(0)), false);
    Loaded target;
    for (auto _ : state) {
        target.load(text);
        benchmark::DoNotOptimize(target.table.recordCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_Export(benchmark::State& state) {
    Loaded source;
    source.load(bench::contactText(static_cast<std::size_t>(state.range(0)), true));
    for (auto _ : state) {
        benchmark::DoNotOptimize(exportChangedRows(source.table, "|", "~"));
    }
}

void BM_ScanRecordSeparator(benchmark::State& state) {
    const std::string text = bench::contactText(static_cast<std::size_t>(state.range(0)), false);
    const std::string_view view = text;
    for (auto _ : state) {
        std::size_t count = 0;
        for (std::size_t at = view.find('~'); at != std::string_view::npos;
             at = view.find('~', at + 1)) {
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

BENCHMARK(BM_Load)->Arg(89)->Arg(4096)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export)->Arg(89)->Arg(4096)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanRecordSeparator)->Arg(89)->Arg(4096)->Arg(32767)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
