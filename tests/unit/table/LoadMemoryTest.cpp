// What a load allocates: every damaged text that the load refuses, and a good one, at most
// 3 x its size + a fixed 1 MB (the bound of 3 x size + 20 MB that hosts rely on at 30 MB,
// scaled down with the texts). This program replaces the global operator new and delete with
// counting ones and measures the peak of the bytes live during the load, beyond those live
// before it. Texts of 2 MB keep the bound far below what splitting the text into all its
// pieces costs (16 bytes a piece, one piece per byte of a text of separators).
#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <functional>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "TableTestSupport.h"

namespace {

// A header before each block holds its size; 16 bytes keep the block's alignment.
constexpr std::size_t headerSize = 16;
static_assert(headerSize >= alignof(std::max_align_t));

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* countedAllocate(std::size_t size) noexcept {
    void* block = std::malloc(size + headerSize);
    if (block == nullptr)
        return nullptr;
    *static_cast<std::size_t*>(block) = size;
    const std::size_t live = liveBytes.fetch_add(size) + size;
    for (std::size_t peak = peakBytes.load(); live > peak;) {
        if (peakBytes.compare_exchange_weak(peak, live))
            break;
    }
    return static_cast<char*>(block) + headerSize;
}

void countedFree(void* pointer) noexcept {
    if (pointer == nullptr)
        return;
    void* block = static_cast<char*>(pointer) - headerSize;
    liveBytes.fetch_sub(*static_cast<std::size_t*>(block));
    std::free(block);
}

}  // namespace

// The library's other forms of new and delete (arrays, nothrow) call these.
void* operator new(std::size_t size) {
    if (void* pointer = countedAllocate(size))
        return pointer;
    throw std::bad_alloc();
}
void operator delete(void* pointer) noexcept {
    countedFree(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
    countedFree(pointer);
}

namespace xkr {
namespace {

using test::LoadTarget;
using test::moveTo;

constexpr std::size_t textBytes = 2'000'000;
constexpr std::size_t fixedBytes = 1'000'000;
constexpr std::size_t goodRecords = 2000;

// The piece repeated until the text holds at least `bytes`; by doubling, so that sanitizer
// builds make it fast too.
std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string text = piece;
    while (text.size() < bytes) text += text;
    text.resize((bytes + piece.size() - 1) / piece.size() * piece.size());
    return text;
}

// The text of one shape for the separators, about textBytes long.
using Shape = std::function<std::string(const Separators&)>;

std::string lookups(const Separators& s) {
    return s.table + "3" + s.field + "Net 30" + s.field + "30 days" + s.record + s.table + "10" +
           s.field + "1" + s.field + "CA" + s.field + "California" + s.record;
}

// A record of all 20 fields that exporting gives, with the separators | and ~.
std::string goodRecord(std::size_t number) {
    const std::string id = std::to_string(number);
    return id + "|Pay-to name " + id + "|05|" + id + " Main Street||Springfield|1|10|12345" +
           "|555-0100|555-0101|payto" + id + "@example.com|||-1|0|3|0|" +
           std::to_string(70000 + number) + "|1234~";
}

struct Row {
    const char* name;
    Separators separators;
    Shape shape;
    bool refused;
    std::size_t rows;                         // in the pay-to table after the load
    bool lookupsKept;                         // the lookups of the load before are still there
    std::optional<std::string> fieldValue{};  // of each of the 21 fields of a too long record
};

TEST(LoadMemory, EveryShapeWithinThreeTimesItsSizeAndAFixedPart) {
    const Separators one{"|", "~", "^"};
    const Separators several{"<f>", "<r>", "<t>"};
    const Shape emptyFields = [](const Separators& s) {
        return repeated(s.field, textBytes) + s.record + lookups(s);
    };
    // The 22nd field starts past the first 64-byte block of the record.
    const Shape shortFields = [](const Separators& s) {
        return repeated("12" + s.field, textBytes) + "12" + s.record + lookups(s);
    };
    const Shape emptyRecords = [](const Separators& s) {
        return repeated(s.record, textBytes) + lookups(s);
    };
    const Shape tables = [](const Separators& s) { return repeated(s.table, textBytes); };
    const Shape termRecords = [](const Separators& s) {
        return "1" + s.field + "A" + s.record + s.table +
               repeated("3" + s.field + "N" + s.field + "t" + s.record, textBytes) + s.table +
               "10" + s.field + "1" + s.field + "CA" + s.field + "California" + s.record;
    };
    const Shape stateRecords = [](const Separators& s) {
        return "1" + s.field + "A" + s.record + s.table + "3" + s.field + "N" + s.field + "t" +
               s.record + s.table + repeated(s.record, textBytes);
    };
    // Not refused: a lookup record keeps its first fields only.
    const Shape wideTerm = [](const Separators& s) {
        return "1" + s.field + "A" + s.record + s.table + "3" + s.field + "N" + s.field + "t" +
               repeated(s.field, textBytes) + s.record + s.table + "10" + s.field + "1" + s.field +
               "CA" + s.field + "California" + s.record;
    };
    const Shape longName = [](const Separators& s) {
        return "1" + s.field + std::string(textBytes, 'x') + s.field + "01" + s.record + lookups(s);
    };
    // Far smaller: the rows cost about 150 bytes each beyond the text, which the fixed part of
    // the bound pays at 30 MB but not at 1 MB.
    const Shape goodText = [](const Separators& s) {
        std::string text;
        for (std::size_t i = 1; i <= goodRecords; ++i) text += goodRecord(i);
        return text + lookups(s);
    };

    const std::vector<Row> rows = {
        {"empty fields", one, emptyFields, true, 1, true, ""},
        {"empty fields, long separators", several, emptyFields, true, 1, true, ""},
        {"short fields", one, shortFields, true, 1, true, "12"},
        {"short fields, long separators", several, shortFields, true, 1, true, "12"},
        {"empty records", one, emptyRecords, true, 0, true},
        {"empty records, long separators", several, emptyRecords, true, 0, true},
        {"tables", one, tables, true, 0, true},
        {"tables, long separators", several, tables, true, 0, true},
        {"term records", one, termRecords, true, 1, true},
        {"state records", several, stateRecords, true, 1, false},
        {"wide term record", one, wideTerm, false, 1, false},
        {"long name", one, longName, true, 1, true},
        {"good text", one, goodText, false, goodRecords, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = row.shape(row.separators);
        LoadTarget target;
        target.load("1|A#@@7|N|n#@@5|0|x|S#");
        const Lookup termsBefore = target.terms;

        const std::size_t liveBefore = liveBytes.load();
        peakBytes.store(liveBefore);
        const LoadResult result = target.load(text, row.separators);
        const std::size_t allocated = peakBytes.load() - liveBefore;

        EXPECT_LE(allocated, 3 * text.size() + fixedBytes) << text.size() << " bytes of text";
        EXPECT_EQ(!result.stopReason.empty(), row.refused) << result.stopReason;
        EXPECT_EQ(target.terms == termsBefore, row.lookupsKept);
        ASSERT_EQ(target.table.recordCount(), row.rows);
        if (row.fieldValue) {
            moveTo(target.table, 0);
            for (std::size_t p = 0; p < payToFieldCount; ++p) {
                EXPECT_TRUE(target.table.hasValue(p)) << p;
                EXPECT_EQ(target.table.value(p), *row.fieldValue) << p;
            }
        }
        for (const LookupRecord& record : target.terms) EXPECT_LE(record.size(), maxLookupFields);
    }
}

}  // namespace
}  // namespace xkr
