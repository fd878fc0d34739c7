#pragma once

#include <vector>

#include "view/ListView.h"

class QTreeView;
class QWidget;

namespace xkr::widgets {

// A tree view over the list model: header row, one selected entry, hidden columns at width 0.
// The selection follows the model only; a click on an entry or a header is forwarded as the
// list's user operation. The view follows the list, and shows its headers and accessible texts
// again on a raise of `languageChanged`, while the connections added live.
QTreeView* createListView(ListView& list, QWidget* parent, Signal& languageChanged,
                          std::vector<Signal::Connection>& connections);

}  // namespace xkr::widgets
