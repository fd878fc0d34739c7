// The QML item beside the Qt widget, both offscreen at 32,767 entries and in the same run: from
// the load call until the window has rendered the list, and header clicks until a rendered frame
// shows the new order. The widget's figures are bench_widget's, timed again here so that the two
// skins meet the same machine at the same time.
#include <benchmark/benchmark.h>

#include <QtQml/qqmlextensionplugin.h>
#include <QApplication>
#include <QDeadlineTimer>
#include <QPointF>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <memory>
#include <utility>

#include "BenchTexts.h"
#include "WidgetBench.h"
#include "XKRVendorPayTo/VendorPayToItem.h"
#include "control/VendorPayTo.h"
#include "qtcommon/ContactListModel.h"
#include "quick/QuickList.h"

#ifdef XKR_STATIC_QML_MODULE
Q_IMPORT_QML_PLUGIN(XKRVendorPayToPlugin)
#endif

namespace {

using xkr::bench::BM_WidgetHeaderClick;
using xkr::bench::BM_WidgetHeaderClickOtherColumn;
using xkr::bench::BM_WidgetLoadAndShow;
using xkr::bench::kShownEntries;

// The item alone in a window of its size, as a QML host places it.
constexpr const char* kWindowQml = R"(
import QtQuick
import XKRVendorPayTo
Window {
    width: payTo.implicitWidth
    height: payTo.implicitHeight
    visible: true
    VendorPayTo { id: payTo }
}
)";

// The widget's header numbers of the Name and Serial columns.
constexpr std::size_t kNameHeader = 2;
constexpr std::size_t kSerialHeader = 3;

QQuickItem* findView(QQuickItem& root, bool header) {
    for (QQuickItem* child : root.childItems()) {
        const bool isHeader = child->inherits("QQuickHorizontalHeaderView");
        if (child->inherits("QQuickTableView") && isHeader == header)
            return child;
        if (QQuickItem* found = findView(*child, header))
            return found;
    }
    return nullptr;
}

QQuickItem* contentOf(QQuickItem* view) {
    return view != nullptr ? view->property("contentItem").value<QQuickItem*>() : nullptr;
}

struct ShownItem {
    QQmlEngine engine;
    std::unique_ptr<QQuickWindow> window;
    xkr::VendorPayToItem* item = nullptr;
    xkr::quick::QuickList* list = nullptr;
    QQuickItem* cells = nullptr;
    QQuickItem* headers = nullptr;
    int frames = 0;

    ShownItem() {
        engine.addImportPath(QStringLiteral(XKR_QML_IMPORT_PATH));
        QQmlComponent component(&engine);
        component.setData(kWindowQml, QUrl());
        window.reset(qobject_cast<QQuickWindow*>(component.create()));
        if (!window)
            qFatal("the item's window could not be made: %s", qPrintable(component.errorString()));
        item = window->findChild<xkr::VendorPayToItem*>();
        list = item->findChild<xkr::quick::QuickList*>();
        cells = contentOf(findView(*window->contentItem(), false));
        headers = contentOf(findView(*window->contentItem(), true));
        if (list == nullptr || cells == nullptr || headers == nullptr)
            qFatal("the item's list is not where the benchmark looks for it");
        // Emitted by the render thread where there is one: queued, it also wakes the wait.
        QObject::connect(window.get(), &QQuickWindow::frameSwapped, &engine, [this] { ++frames; });
        item->LetVendorIDNMode(1234, true);
        rendered(frames);
    }

    xkr::ListView& coreList() { return item->control().form().lstContacts; }

    // Runs the event loop until a frame after the `before`th has been rendered; false when none
    // comes within 10 s.
    bool rendered(int before) {
        const QDeadlineTimer deadline(10000);
        QTimer wake;
        wake.start(100);
        while (frames == before) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    const xkr::qtcommon::ContactListModel& model() const {
        return *static_cast<const xkr::qtcommon::ContactListModel*>(list->model());
    }
    int section(std::size_t header) const { return model().section(header - 1); }

    // Whether the cells on screen show the core's entries in the core's order: the topmost
    // row's leftmost cell holds what the core has at that position in that column.
    bool showsCoreOrder() {
        const QQuickItem* top = nullptr;
        int topRow = 0;
        for (const QQuickItem* cell : cells->childItems()) {
            const QVariant row = cell->property("row");
            if (!cell->isVisible() || !row.isValid())
                continue;
            if (top == nullptr || row.toInt() < topRow ||
                (row.toInt() == topRow && cell->x() < top->x())) {
                top = cell;
                topRow = row.toInt();
            }
        }
        return top != nullptr && static_cast<std::size_t>(topRow) < coreList().itemCount() &&
               top->property("display").toString().toStdString() ==
                   coreList().column(static_cast<std::size_t>(topRow), model().listColumn(0));
    }

    // The centre of the header delegate of a section, in window coordinates.
    QPoint headerCentre(int shownSection) const {
        for (const QQuickItem* delegate : headers->childItems()) {
            if (delegate->isVisible() && delegate->property("column").toInt() == shownSection)
                return delegate->mapToScene(QPointF(delegate->width() / 2, delegate->height() / 2))
                    .toPoint();
        }
        qFatal("no header shows section %d", shownSection);
    }
};

// Shown with the entries loaded and rendered.
struct LoadedItem : ShownItem {
    LoadedItem() {
        const int before = frames;
        item->LetContactAddress(
            QString::fromStdString(xkr::bench::contactText(kShownEntries, false)), "|", "~", "^");
        rendered(before);
    }
};

// After the wait: a frame has come and the cells show the core's order (checked untimed).
void checkRendered(benchmark::State& state, ShownItem& shown, int before) {
    if (!shown.rendered(before)) {
        state.SkipWithError("no frame came after the change");
        return;
    }
    state.PauseTiming();
    const bool inOrder = shown.showsCoreOrder();
    state.ResumeTiming();
    if (!inOrder)
        state.SkipWithError("the rendered list does not show the core's order");
}

void reportFrames(benchmark::State& state, const ShownItem& shown, int framesBefore) {
    state.counters["frames"] =
        benchmark::Counter(shown.frames - framesBefore, benchmark::Counter::kAvgIterations);
}

void BM_QuickLoadAndShow(benchmark::State& state) {
    const QString text = QString::fromStdString(xkr::bench::contactText(kShownEntries, false));
    ShownItem shown;
    const int framesBefore = shown.frames;
    for (auto _ : state) {
        const int before = shown.frames;
        shown.item->LetContactAddress(text, "|", "~", "^");
        checkRendered(state, shown, before);
    }
    if (shown.coreList().itemCount() != kShownEntries)
        state.SkipWithError("the item does not hold every entry");
    reportFrames(state, shown, framesBefore);
}

// The sections the clicks go to, in turn: one section (the direction flips) or two.
void clickHeaders(benchmark::State& state, LoadedItem& loaded, int first, int second) {
    const int framesBefore = loaded.frames;
    int section = second;
    for (auto _ : state) {
        section = section == first ? second : first;
        const int before = loaded.frames;
        loaded.list->clickHeader(section);
        checkRendered(state, loaded, before);
    }
    reportFrames(state, loaded, framesBefore);
}

// As the header delegate's tap calls it, without the mouse event (as the widget's benchmark).
void BM_QuickHeaderClick(benchmark::State& state) {
    LoadedItem loaded;
    const int name = loaded.section(kNameHeader);
    clickHeaders(state, loaded, name, name);
}

void BM_QuickHeaderClickOtherColumn(benchmark::State& state) {
    LoadedItem loaded;
    clickHeaders(state, loaded, loaded.section(kNameHeader), loaded.section(kSerialHeader));
}

// The whole path of a user's click: the press and release on the Name header, the tap handler.
void BM_QuickHeaderMouseClick(benchmark::State& state) {
    LoadedItem loaded;
    const QPoint centre = loaded.headerCentre(loaded.section(kNameHeader));
    const int framesBefore = loaded.frames;
    for (auto _ : state) {
        const int before = loaded.frames;
        const auto sort = std::pair(loaded.coreList().sortKey(), loaded.coreList().sortOrder());
        QTest::mouseClick(loaded.window.get(), Qt::LeftButton, Qt::NoModifier, centre);
        if (std::pair(loaded.coreList().sortKey(), loaded.coreList().sortOrder()) == sort)
            state.SkipWithError("the click did not sort");
        checkRendered(state, loaded, before);
    }
    reportFrames(state, loaded, framesBefore);
}

BENCHMARK(BM_WidgetLoadAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickLoadAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetHeaderClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickHeaderClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickHeaderMouseClick)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetHeaderClickOtherColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickHeaderClickOtherColumn)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window's next frame otherwise waits for the platform's idle timer (5 ms offscreen, the
    // stand-in for a display's refresh), which widgets do not: the times would compare a pause.
    // QT_QPA_UPDATE_IDLE_TIME=5 measures with it.
    if (!qEnvironmentVariableIsSet("QT_QPA_UPDATE_IDLE_TIME"))
        qputenv("QT_QPA_UPDATE_IDLE_TIME", "0");
    QApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
