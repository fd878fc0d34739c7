// The Qt widget offscreen at 32,767 entries: from the load call until the list is painted, and
// a header click and a list click as the binding forwards them, each until the repaint is done.
// Beside them, on the same text and with the same wait for the paint, what a Qt host would write
// by hand: a QTreeWidget with one item per entry, filled and sorted by serial, and header clicks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTreeView>
#include <QTreeWidget>
#include <array>
#include <vector>

#include "BenchTexts.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "view/UserActions.h"

namespace {

constexpr std::size_t kEntries = 32767;

// Lets the widget lay out and paint what the last change made dirty, as the event loop would.
void settle(QWidget&) {
    QApplication::processEvents();
    QApplication::processEvents();
}

// Counts the paints of a list's viewport: a benchmark whose change never reached the screen
// would time too little.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& viewport) : QObject(&viewport) {
        viewport.installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void reportPaints(benchmark::State& state, const PaintCounter& counter) {
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (counter.paints < static_cast<int>(state.iterations()))
        state.SkipWithError("an iteration ended before its repaint");
}

QTreeView& listViewOf(xkr::VendorPayToWidget& widget) {
    return *widget.findChild<QTreeView*>();
}

struct ShownWidget {
    xkr::VendorPayToWidget widget;
    ShownWidget() {
        widget.resize(widget.sizeHint());
        widget.show();
        widget.LetVendorIDNMode(1234, true);
        settle(widget);
    }
};

// Shown with the entries loaded and painted.
struct LoadedWidget : ShownWidget {
    xkr::ListView& list = widget.control().form().lstContacts;
    LoadedWidget() {
        widget.LetContactAddress(QString::fromStdString(xkr::bench::contactText(kEntries, false)),
                                 "|", "~", "^");
        settle(widget);
    }
};

void BM_WidgetLoadAndShow(benchmark::State& state) {
    const QString text = QString::fromStdString(xkr::bench::contactText(kEntries, false));
    ShownWidget shown;
    PaintCounter counter(*listViewOf(shown.widget).viewport());
    for (auto _ : state) {
        shown.widget.LetContactAddress(text, "|", "~", "^");
        settle(shown.widget);
    }
    reportPaints(state, counter);
}

// The Name header each time: after the first sort the direction flips.
void BM_WidgetHeaderClick(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    for (auto _ : state) {
        xkr::user::clickHeader(loaded.list, 2);
        settle(loaded.widget);
    }
    reportPaints(state, counter);
}

// Name and Serial in turn: every click is a full sort.
void BM_WidgetHeaderClickOtherColumn(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    std::size_t header = 2;
    for (auto _ : state) {
        header = header == 2 ? 3 : 2;
        xkr::user::clickHeader(loaded.list, header);
        settle(loaded.widget);
    }
    reportPaints(state, counter);
}

void BM_WidgetListClick(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    std::size_t position = 0;
    for (auto _ : state) {
        xkr::user::clickEntry(loaded.list, position);
        settle(loaded.widget);
        position = (position + 7919) % loaded.list.itemCount();
    }
    reportPaints(state, counter);
}

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
    const QString text = QString::fromStdString(xkr::bench::contactText(kEntries, false));
    ShownTree shown(state.range(0) == 19, controlListGeometry());
    PaintCounter counter(*shown.tree.viewport());
    for (auto _ : state) {
        shown.load(text);
        settle(shown.tree);
    }
    if (shown.tree.topLevelItemCount() != static_cast<int>(kEntries))
        state.SkipWithError("the tree does not hold every entry");
    reportPaints(state, counter);
}

// Shown with all 19 columns, as the control's list, loaded and painted.
struct LoadedTree : ShownTree {
    LoadedTree() : ShownTree(true, controlListGeometry()) {
        load(QString::fromStdString(xkr::bench::contactText(kEntries, false)));
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
