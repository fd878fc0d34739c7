#include "qtcommon/ContactListModel.h"

#include <QStringList>
#include <algorithm>

#include "qtcommon/ShownText.h"

namespace xkr::qtcommon {

ContactListModel::ContactListModel(const ListView& list, QObject* parent)
    : QAbstractTableModel(parent),
      m_list(list),
      m_columns(shownColumns()),
      m_shownRows(rowCount()) {}

int ContactListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.itemCount());
}

int ContactListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() ||
        index.column() >= columnCount()) {
        return {};
    }
    const std::string_view text =
        m_list.column(static_cast<std::size_t>(index.row()), listColumn(index.column()));
    return toQString(text);
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return shownText(m_list.columnHeaders()[listColumn(section)].text, texts::Use::Header);
}

int ContactListModel::section(std::size_t listColumn) const {
    const auto found = std::find(m_columns.begin(), m_columns.end(), listColumn);
    return found == m_columns.end() ? -1 : static_cast<int>(found - m_columns.begin());
}

QString ContactListModel::description() const {
    QStringList names;
    for (int k = 0; k < columnCount(); ++k) names << headerData(k, Qt::Horizontal).toString();
    QString described = shownText(texts::Id::listColumns).arg(names.join(QStringLiteral(", ")));
    const int sorted = section(static_cast<std::size_t>(m_list.sortKey()));
    if (sorted >= 0) {
        described +=
            QStringLiteral(". ") + shownText(m_list.sortOrder() == 0 ? texts::Id::sortedAscending
                                                                     : texts::Id::sortedDescending)
                                       .arg(names.at(sorted));
    }
    return described;
}

QString ContactListModel::sortActionText(int section) const {
    return shownText(texts::Id::sortBy).arg(headerData(section, Qt::Horizontal).toString());
}

std::vector<std::size_t> ContactListModel::shownColumns() const {
    std::vector<std::size_t> shown;
    const auto& headers = m_list.columnHeaders();
    for (std::size_t k = 0; k < headers.size(); ++k) {
        if (headers[k].width > 0)
            shown.push_back(k);
    }
    return shown;
}

void ContactListModel::reload() {
    const int rows = rowCount();
    std::vector<std::size_t> shown = shownColumns();
    if (rows == m_shownRows && shown == m_columns) {
        const int columns = columnCount();
        if (rows > 0 && columns > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
        return;
    }
    beginResetModel();
    m_columns = std::move(shown);
    m_shownRows = rows;
    endResetModel();
}

}  // namespace xkr::qtcommon
