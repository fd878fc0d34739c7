#include "WidgetBench.h"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QTreeView>

#include "BenchTexts.h"
#include "view/UserActions.h"

namespace xkr::bench {

void settle(QWidget&) {
    QApplication::processEvents();
    QApplication::processEvents();
}

PaintCounter::PaintCounter(QWidget& viewport) : QObject(&viewport) {
    viewport.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++paints;
    return false;
}

void reportPaints(benchmark::State& state, const PaintCounter& counter) {
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (counter.paints < static_cast<int>(state.iterations()))
        state.SkipWithError("an iteration ended before its repaint");
}

QTreeView& listViewOf(VendorPayToWidget& widget) {
    return *widget.findChild<QTreeView*>();
}

ShownWidget::ShownWidget() {
    widget.resize(widget.sizeHint());
    widget.show();
    widget.LetVendorIDNMode(1234, true);
    settle(widget);
}

LoadedWidget::LoadedWidget() {
    widget.LetContactAddress(QString::fromStdString(contactText(kShownEntries, false)), "|", "~",
                             "^");
    settle(widget);
}

void BM_WidgetLoadAndShow(benchmark::State& state) {
    const QString text = QString::fromStdString(contactText(kShownEntries, false));
    ShownWidget shown;
    PaintCounter counter(*listViewOf(shown.widget).viewport());
    for (auto _ : state) {
        shown.widget.LetContactAddress(text, "|", "~", "^");
        settle(shown.widget);
    }
    reportPaints(state, counter);
}

void BM_WidgetHeaderClick(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    for (auto _ : state) {
        user::clickHeader(loaded.list, 2);
        settle(loaded.widget);
    }
    reportPaints(state, counter);
}

void BM_WidgetHeaderClickOtherColumn(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    std::size_t header = 2;
    for (auto _ : state) {
        header = header == 2 ? 3 : 2;
        user::clickHeader(loaded.list, header);
        settle(loaded.widget);
    }
    reportPaints(state, counter);
}

void BM_WidgetListClick(benchmark::State& state) {
    LoadedWidget loaded;
    PaintCounter counter(*listViewOf(loaded.widget).viewport());
    std::size_t position = 0;
    for (auto _ : state) {
        user::clickEntry(loaded.list, position);
        settle(loaded.widget);
        position = (position + 7919) % loaded.list.itemCount();
    }
    reportPaints(state, counter);
}

}  // namespace xkr::bench
