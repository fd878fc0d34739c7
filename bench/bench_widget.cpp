// The Qt widget offscreen at 32,767 entries: from the load call until the list is painted, and
// a header click and a list click as the binding forwards them, each until the repaint is done.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QString>

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
    for (auto _ : state) {
        shown.widget.LetContactAddress(text, "|", "~", "^");
        settle(shown.widget);
    }
}

void BM_WidgetHeaderClick(benchmark::State& state) {
    LoadedWidget loaded;
    for (auto _ : state) {
        xkr::user::clickHeader(loaded.list, 2);
        settle(loaded.widget);
    }
}

void BM_WidgetListClick(benchmark::State& state) {
    LoadedWidget loaded;
    std::size_t position = 0;
    for (auto _ : state) {
        xkr::user::clickEntry(loaded.list, position);
        settle(loaded.widget);
        position = (position + 7919) % loaded.list.itemCount();
    }
}

BENCHMARK(BM_WidgetLoadAndShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetHeaderClick)->Unit(benchmark::kMillisecond);
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
