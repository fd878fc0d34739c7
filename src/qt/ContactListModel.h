#pragma once

#include <QAbstractTableModel>

#include "view/ListView.h"

namespace xkr::qt {

// The list model's entries and column headers as a Qt table, read on demand so that a long list
// costs no copy and no per-row widgets.
class ContactListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ContactListModel(const ListView& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The list model tells of a change only after making it, so views reload everything: as
    // changed data when the rows and columns are as many as before (a sort), which spares a
    // tree view its layout of every row; otherwise as a reset.
    void reload();

private:
    const ListView& m_list;
    int m_shownRows = 0;
    int m_shownColumns = 0;
};

}  // namespace xkr::qt
