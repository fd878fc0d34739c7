// The control at 89, 4,096 and 32,767 entries: what a host waits for (load, export) and what a
// user waits for (each operation below should stay under 2 ms at the largest size).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <fstream>

#include "BenchTexts.h"
#include "view/UserActions.h"

namespace {

using namespace xkr;

std::size_t entries(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

std::size_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    std::size_t resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// A control loaded with the benchmark's number of entries, in edit mode; questions get Yes.
struct LoadedControl {
    VendorPayTo control;
    EditorForm& form = control.form();
    explicit LoadedControl(const benchmark::State& state, bool marked = false) {
        control.setMessageBox([](const std::string&, const std::string&, int style) {
            return style == msgbox::yesNoQuestion ? msgbox::yes : msgbox::ok;
        });
        bench::load(control, bench::contactText(entries(state), marked));
    }
};

// Table, lookups, combos, list and the sort by serial.
void BM_LetContactAddress(benchmark::State& state) {
    const std::string text = bench::contactText(entries(state), false);
    VendorPayTo control;
    control.LetVendorIDNMode(1234, true);
    for (auto _ : state) {
        control.LetContactAddress(text, "|", "~", "^");
    }
}

void BM_GetContactAddress(benchmark::State& state) {
    LoadedControl loaded(state, true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(loaded.control.GetContactAddress());
    }
}

// Alternating entries, so that every click shows a different entry.
void BM_ListClick(benchmark::State& state) {
    LoadedControl loaded(state);
    ListView& list = loaded.form.lstContacts;
    std::size_t position = 0;
    for (auto _ : state) {
        user::clickEntry(list, position);
        position = (position + 7919) % list.itemCount();
    }
}

// The Name header each time: after the first sort the direction flips, reordering all entries.
void BM_HeaderClick(benchmark::State& state) {
    LoadedControl loaded(state);
    ListView& list = loaded.form.lstContacts;
    for (auto _ : state) {
        user::clickHeader(list, 2);
    }
}

// Name and Serial in turn: each click changes the sort column, so every click is a full sort.
void BM_HeaderClickOtherColumn(benchmark::State& state) {
    LoadedControl loaded(state);
    ListView& list = loaded.form.lstContacts;
    std::size_t header = 2;
    for (auto _ : state) {
        header = header == 2 ? 3 : 2;
        user::clickHeader(list, header);
    }
}

// Save in add mode: checks, the duplicate-serial scan, the new row and entry, browse mode and
// its re-sort. The entry is deleted again outside the timing, so the serial stays free.
void BM_SaveNewEntry(benchmark::State& state) {
    LoadedControl loaded(state);
    EditorForm& form = loaded.form;
    for (auto _ : state) {
        state.PauseTiming();
        bench::fillNewEntry(loaded.control, "20");
        const std::size_t before = form.lstContacts.itemCount();
        state.ResumeTiming();
        user::press(form.cmdAdd);
        state.PauseTiming();
        if (form.lstContacts.itemCount() != before + 1)
            state.SkipWithError("the save was refused");
        user::clickEntry(form.lstContacts, bench::findSerial(loaded.control, "20"));
        user::press(form.cmdDelete);
        state.ResumeTiming();
    }
}

void BM_DeleteEntry(benchmark::State& state) {
    LoadedControl loaded(state);
    EditorForm& form = loaded.form;
    for (auto _ : state) {
        state.PauseTiming();
        bench::fillNewEntry(loaded.control, "20");
        user::press(form.cmdAdd);
        const std::size_t count = form.lstContacts.itemCount();
        user::clickEntry(form.lstContacts, bench::findSerial(loaded.control, "20"));
        state.ResumeTiming();
        user::press(form.cmdDelete);
        state.PauseTiming();
        if (form.lstContacts.itemCount() != count - 1)
            state.SkipWithError("nothing was deleted");
        state.ResumeTiming();
    }
}

// A Save refused because the last entry in serial order already has the serial: the whole list
// is scanned before the refusal. The editor stays in add mode, so the press repeats as is.
void BM_DuplicateSerialRefused(benchmark::State& state) {
    LoadedControl loaded(state);
    EditorForm& form = loaded.form;
    bench::fillNewEntry(loaded.control, "99");
    const std::size_t count = form.lstContacts.itemCount();
    for (auto _ : state) {
        user::press(form.cmdAdd);
    }
    if (form.lstContacts.itemCount() != count || form.cmdAdd.caption() != "Save") {
        state.SkipWithError("the duplicate serial was not refused");
    }
}

// What a loaded text holds: resident memory gained by the load, against the text's size.
void BM_MemoryHeld(benchmark::State& state) {
    const std::string text = bench::contactText(entries(state), false);
    for (auto _ : state) {
        const std::size_t before = residentBytes();
        VendorPayTo control;
        bench::load(control, text);
        const std::size_t after = residentBytes();
        constexpr double mb = 1024.0 * 1024.0;
        state.counters["text_MB"] = static_cast<double>(text.size()) / mb;
        state.counters["held_MB"] = static_cast<double>(control.memoryBytes()) / mb;
        state.counters["rss_gain_MB"] = static_cast<double>(after - before) / mb;
        state.counters["goal_MB"] = (3.0 * static_cast<double>(text.size())) / mb + 20.0;
    }
}

#define XKR_SIZES ->Arg(89)->Arg(4096)->Arg(32767)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_LetContactAddress) XKR_SIZES;
BENCHMARK(BM_GetContactAddress) XKR_SIZES;
BENCHMARK(BM_ListClick) XKR_SIZES;
BENCHMARK(BM_HeaderClick) XKR_SIZES;
BENCHMARK(BM_HeaderClickOtherColumn) XKR_SIZES;
// A control gives out at most 32,767 temporary ids in its life: these two stop well before.
BENCHMARK(BM_SaveNewEntry) XKR_SIZES->Iterations(1000);
BENCHMARK(BM_DeleteEntry) XKR_SIZES->Iterations(1000);
BENCHMARK(BM_DuplicateSerialRefused) XKR_SIZES;
BENCHMARK(BM_MemoryHeld)->Arg(32767)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
