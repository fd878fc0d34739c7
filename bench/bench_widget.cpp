// The Qt widget offscreen at 32,767 entries: from the load call until the list is painted, and
// a header click and a list click as the binding forwards them, each until the repaint is done.
// Beside them, on the same text and with the same wait for the paint, what a Qt host would write
// by hand: a QTreeWidget with one item per entry, filled and sorted by serial, and header clicks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <QTreeWidget>
#include <array>
#include <vector>

#include "BenchTexts.h"
#include "WidgetBench.h"

namespace {

using xkr::bench::BM_WidgetHeaderClick;
using xkr::bench::BM_WidgetHeaderClickOtherColumn;
using xkr::bench::BM_WidgetListClick;
using xkr::bench::BM_WidgetLoadAndShow;
using xkr::bench::kShownEntries;
using xkr::bench::listViewOf;
using xkr::bench::PaintCounter;
using xkr::bench::reportPaints;
using xkr::bench::settle;
using xkr::bench::ShownWidget;

// The hand-written host's list. The columns follow the control's list: Name, Serial and City
// show; with all 19 the other 16 are there but hidden, as the control keeps them for its panel.
struct TreeColumn {
    const char* header;
    int field;  // position in a record of the contact data text
    bool shown;
};

constexpr std::array<TreeColumn, 19> kAllColumns{{
    {"VendorPayToID", 0, false}, {"Name", 1, true},           {"Serial", 2, true},
    {"Street1", 3, false},       {"Street2", 4, false},       {"City", 5, true},
    {"Country", 6, false},       {"State", 7, false},         {"PostalCode", 8, false},
    {"Phone", 9, false},         {"FAX", 10, false},          {"Email", 11, false},
    {"Active", 14, false},       {"Phone2", 12, false},       {"Cell", 13, false},
    {"DefaultPayTo", 15, false}, {"DefaultTerms", 16, false}, {"Exported", 17, false},
    {"AddressID", 18, false},
}};

// The control's list as shown: its size and the widths of its shown columns, so that both
// lists paint the same rows and cells.
struct ListGeometry {
    QSize size;
    int nameWidth = 0;
    int serialWidth = 0;
    int cityWidth = 0;
};

ListGeometry controlListGeometry() {
    ShownWidget shown;
    const QTreeView& view = listViewOf(shown.widget);
    return {view.size(), view.header()->sectionSize(0), view.header()->sectionSize(1),
            view.header()->sectionSize(2)};
}

struct ShownTree {
    std::vector<TreeColumn> columns;
    int nameColumn = -1;
    int serialColumn = -1;
    QTreeWidget tree;

    ShownTree(bool allColumns, const ListGeometry& geometry) {
        QStringList headers;
        for (const TreeColumn& column : kAllColumns) {
            if (!allColumns && !column.shown)
                continue;
            const int index = static_cast<int>(columns.size());
            columns.push_back(column);
            headers << QString::fromLatin1(column.header);
            if (column.field == 1)
                nameColumn = index;
            if (column.field == 2)
                serialColumn = index;
        }
        tree.setColumnCount(static_cast<int>(columns.size()));
        tree.setHeaderLabels(headers);
        tree.setRootIsDecorated(false);
        tree.setUniformRowHeights(true);
        tree.setAllColumnsShowFocus(true);
        tree.setSelectionBehavior(QAbstractItemView::SelectRows);
        tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
        tree.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree.header()->setStretchLastSection(false);
        for (int k = 0; k < tree.columnCount(); ++k) {
            const TreeColumn& column = columns[static_cast<std::size_t>(k)];
            if (!column.shown) {
                tree.setColumnHidden(k, true);
                continue;
            }
            tree.setColumnWidth(k, column.field == 1   ? geometry.nameWidth
                                   : column.field == 2 ? geometry.serialWidth
                                                       : geometry.cityWidth);
        }
        tree.resize(geometry.size);
        tree.show();
        settle(tree);
    }

    // Split by hand, one item per record, then one sort by serial as sorting is switched on.
    void load(const QString& text) {
        tree.setSortingEnabled(false);
        tree.clear();
        const QStringList records = text.split(u'^').value(0).split(u'~', Qt::SkipEmptyParts);
        QList<QTreeWidgetItem*> items;
        items.reserve(records.size());
        for (const QString& record : records) {
            const QStringList fields = record.split(u'|');
            QStringList cells;
            cells.reserve(static_cast<qsizetype>(columns.size()));
            for (const TreeColumn& column : columns) cells << fields.value(column.field);
            items << new QTreeWidgetItem(cells);
        }
        tree.addTopLevelItems(items);
        tree.header()->setSortIndicator(serialColumn, Qt::AscendingOrder);
        tree.setSortingEnabled(true);
    }
};

// What the header does on a click once sorting is on: the sorted column flips its order, another
// column sorts ascending. As in the control's benchmarks, the mouse event itself is left out.
void clickHeader(QTreeWidget& tree, int column) {
    const QHeaderView& header = *tree.header();
    const bool flip = header.sortIndicatorSection() == column &&
                      header.sortIndicatorOrder() == Qt::AscendingOrder;
    tree.header()->setSortIndicator(column, flip ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// The argument is the number of columns: 3 shown only, or 19 with the hidden ones.
void BM_TreeWidgetLoadAndShow(benchmark::State& state) {
    const QString text = QString::fromStdString(xkr::bench::contactText(kShownEntries, false));
    ShownTree shown(state.range(0) == 19, controlListGeometry());
    PaintCounter counter(*shown.tree.viewport());
    for (auto _ : state) {
        shown.load(text);
        settle(shown.tree);
    }
    if (shown.tree.topLevelItemCount() != static_cast<int>(kShownEntries))
        state.SkipWithError("the tree does not hold every entry");
    reportPaints(state, counter);
}

// Shown with all 19 columns, as the control's list, loaded and painted.
struct LoadedTree : ShownTree {
    LoadedTree() : ShownTree(true, controlListGeometry()) {
        load(QString::fromStdString(xkr::bench::contactText(kShownEntries, false)));
        settle(tree);
    }
};

void BM_TreeWidgetHeaderClick(benchmark::State& state) {
    LoadedTree loaded;
    PaintCounter counter(*loaded.tree.viewport());
    for (auto _ : state) {
        clickHeader(loaded.tree, loaded.nameColumn);
        settle(loaded.tree);
    }
    reportPaints(state, counter);
}

void BM_TreeWidgetHeaderClickOtherColumn(benchmark::State& state) {
    LoadedTree loaded;
    PaintCounter counter(*loaded.tree.viewport());
    int column = loaded.serialColumn;
    for (auto _ : state) {
        column = column == loaded.serialColumn ? loaded.nameColumn : loaded.serialColumn;
        clickHeader(loaded.tree, column);
        settle(loaded.tree);
    }
    reportPaints(state, counter);
}

BENCHMARK(BM_WidgetLoadAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeWidgetLoadAndShow)->Arg(3)->Arg(19)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetHeaderClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeWidgetHeaderClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetHeaderClickOtherColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeWidgetHeaderClickOtherColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetListClick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
