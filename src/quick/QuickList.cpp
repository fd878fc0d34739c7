#include "quick/QuickList.h"

#include <algorithm>

#include "qtcommon/QtColours.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/UserActions.h"

namespace xkr::quick {

QuickList::QuickList(ListView& list, QObject* parent)
    : QObject(parent), m_list(list), m_model(list) {
    m_connections.push_back(m_list.itemsChanged.connect([this] {
        m_model.reload();
        Q_EMIT itemsChanged();
        Q_EMIT changed();
    }));
    m_connections.push_back(m_list.changed.connect([this] { Q_EMIT changed(); }));
}

int QuickList::selectedRow() const {
    const std::optional<std::size_t> selected = m_list.selectedIndex();
    return selected ? static_cast<int>(*selected) : -1;
}

int QuickList::sortSection() const {
    return m_model.section(static_cast<std::size_t>(m_list.sortKey()));
}

QColor QuickList::background() const {
    return qtcommon::toQColor(m_list.backColour());
}

QString QuickList::accessibleName() const {
    return qtcommon::shownText(texts::Id::listName);
}

QStringList QuickList::sortActions() const {
    QStringList actions;
    for (int section = 0; section < m_model.columnCount(); ++section)
        actions << m_model.sortActionText(section);
    return actions;
}

void QuickList::retranslate() {
    if (m_model.columnCount() > 0)
        Q_EMIT m_model.headerDataChanged(Qt::Horizontal, 0, m_model.columnCount() - 1);
    Q_EMIT changed();
}

int QuickList::columnWidth(int section, int room) const {
    if (section < 0 || section >= m_model.columnCount())
        return 0;
    const auto& headers = m_list.columnHeaders();
    int total = 0;
    int designedEnd = 0;
    int designedStart = 0;
    for (int k = 0; k < m_model.columnCount(); ++k) {
        const int width = qtcommon::twipsToPixels(headers[m_model.listColumn(k)].width, m_dpiX);
        if (k == section)
            designedStart = total;
        total += width;
        if (k == section)
            designedEnd = total;
    }
    const int shownRoom = std::min(total, std::max(room, 0));
    if (total == 0)
        return 0;
    return designedEnd * shownRoom / total - designedStart * shownRoom / total;
}

void QuickList::clickEntry(int row) {
    if (row < 0)
        return;
    qtcommon::forwardUserInput([&] { user::clickEntry(m_list, static_cast<std::size_t>(row)); });
    Q_EMIT changed();
}

void QuickList::clickList() {
    qtcommon::forwardUserInput([&] { user::clickList(m_list); });
}

void QuickList::clickHeader(int section) {
    if (section < 0 || section >= m_model.columnCount())
        return;
    qtcommon::forwardUserInput([&] { user::clickHeader(m_list, m_model.listColumn(section) + 1); });
    Q_EMIT changed();
}

}  // namespace xkr::quick
