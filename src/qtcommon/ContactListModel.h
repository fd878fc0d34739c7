#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "view/ListView.h"

namespace xkr::qtcommon {

// The list model's entries and column headers as a Qt table, read on demand so that a long list
// costs no copy and no per-row widgets. It holds only the columns a person sees (those with a
// width): assistive technology walks every column a model has, hidden or not.
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

    // The list's column shown in `section`, and the section that shows a list column (-1 for
    // none).
    std::size_t listColumn(int section) const {
        return m_columns.at(static_cast<std::size_t>(section));
    }
    int section(std::size_t listColumn) const;

    // The columns and the sort, which a screen reader gets no other way from a list.
    QString description() const;
    // The keyboard's sort action for a shown column: the click on its header.
    QString sortActionText(int section) const;

private:
    std::vector<std::size_t> shownColumns() const;

    const ListView& m_list;
    std::vector<std::size_t> m_columns;
    int m_shownRows = 0;
};

}  // namespace xkr::qtcommon
