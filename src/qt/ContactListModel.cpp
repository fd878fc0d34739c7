#include "qt/ContactListModel.h"

#include "qt/ShownText.h"

namespace xkr::qt {

ContactListModel::ContactListModel(const ListView& list, QObject* parent)
    : QAbstractTableModel(parent),
      m_list(list),
      m_shownRows(rowCount()),
      m_shownColumns(columnCount()) {}

int ContactListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.itemCount());
}

int ContactListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.columnHeaders().size());
}

QVariant ContactListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount() ||
        index.column() >= columnCount()) {
        return {};
    }
    const std::string_view text = m_list.column(static_cast<std::size_t>(index.row()),
                                                static_cast<std::size_t>(index.column()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return {};
    }
    return shownText(m_list.columnHeaders()[static_cast<std::size_t>(section)].text,
                     texts::Use::Header);
}

void ContactListModel::reload() {
    const int rows = rowCount();
    const int columns = columnCount();
    if (rows == m_shownRows && columns == m_shownColumns) {
        if (rows > 0 && columns > 0)
            emit dataChanged(index(0, 0), index(rows - 1, columns - 1));
        return;
    }
    beginResetModel();
    m_shownRows = rows;
    m_shownColumns = columns;
    endResetModel();
}

}  // namespace xkr::qt
