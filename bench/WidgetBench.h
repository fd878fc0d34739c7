#pragma once

// The Qt widget offscreen at 32,767 entries, shown and waited for as the event loop would paint
// it: what bench_widget times, and what bench_quick times again beside the QML item.
#include <benchmark/benchmark.h>

#include <QObject>
#include <cstddef>

#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "control/VendorPayTo.h"
#include "view/ListView.h"

class QEvent;
class QTreeView;
class QWidget;

namespace xkr::bench {

inline constexpr std::size_t kShownEntries = 32767;

// Lets the widget lay out and paint what the last change made dirty, as the event loop would.
void settle(QWidget& widget);

// Counts the paints of a list's viewport: a benchmark whose change never reached the screen
// would time too little.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& viewport);
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

void reportPaints(benchmark::State& state, const PaintCounter& counter);

QTreeView& listViewOf(VendorPayToWidget& widget);

struct ShownWidget {
    VendorPayToWidget widget;
    ShownWidget();
};

// Shown with the entries loaded and painted.
struct LoadedWidget : ShownWidget {
    ListView& list = widget.control().form().lstContacts;
    LoadedWidget();
};

// From the load call until the list is painted.
void BM_WidgetLoadAndShow(benchmark::State& state);
// The Name header each time: after the first sort the direction flips.
void BM_WidgetHeaderClick(benchmark::State& state);
// Name and Serial in turn: every click is a full sort.
void BM_WidgetHeaderClickOtherColumn(benchmark::State& state);
void BM_WidgetListClick(benchmark::State& state);

}  // namespace xkr::bench
