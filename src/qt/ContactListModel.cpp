#include "qt/ContactListModel.h"

namespace xkr::qt {

ContactListModel::ContactListModel(const ListView& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

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
    return QString::fromStdString(m_list.columnHeaders()[static_cast<std::size_t>(section)].text);
}

void ContactListModel::reload() {
    beginResetModel();
    endResetModel();
}

}  // namespace xkr::qt
