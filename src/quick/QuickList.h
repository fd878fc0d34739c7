#pragma once

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QObject>
#include <QStringList>
#include <vector>

#include "qtcommon/ContactListModel.h"
#include "qtcommon/Twips.h"
#include "view/ListView.h"
#include "view/Signal.h"

namespace xkr::quick {

// The list of entries as the QML form shows it: a table model read on demand (Qt Quick's
// TableView makes delegates only for the rows on screen), the selection and the sort the list
// model keeps, and the user's clicks and keys back to it.
class QuickList : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(QAbstractItemModel* model READ model CONSTANT)
    Q_PROPERTY(int selectedRow READ selectedRow NOTIFY changed)
    Q_PROPERTY(int sortSection READ sortSection NOTIFY changed)
    Q_PROPERTY(bool sortAscending READ sortAscending NOTIFY changed)
    Q_PROPERTY(bool enabled READ enabled NOTIFY changed)
    Q_PROPERTY(bool hideSelection READ hideSelection NOTIFY changed)
    Q_PROPERTY(QColor background READ background NOTIFY changed)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY changed)
    Q_PROPERTY(QString accessibleDescription READ accessibleDescription NOTIFY changed)
    Q_PROPERTY(QStringList sortActions READ sortActions NOTIFY changed)

public:
    QuickList(ListView& list, QObject* parent);

    QAbstractItemModel* model() { return &m_model; }
    int selectedRow() const;
    int sortSection() const;
    bool sortAscending() const { return m_list.sortOrder() == 0; }
    bool enabled() const { return m_list.available(); }
    bool hideSelection() const { return m_list.hideSelection(); }
    QColor background() const;
    QString accessibleName() const;
    QString accessibleDescription() const { return m_model.description(); }
    QStringList sortActions() const;

    void setTwipsDpi(double dpiX) { m_dpiX = dpiX; }
    void retranslate();

    // The width of a shown column: its designed width, grown with the font; where the columns
    // would not fit in `room` they share it in their designed proportions.
    Q_INVOKABLE int columnWidth(int section, int room) const;

    // What a person does.
    Q_INVOKABLE void clickEntry(int row);
    Q_INVOKABLE void clickList();
    Q_INVOKABLE void clickHeader(int section);

Q_SIGNALS:
    void changed();
    // The entries were loaded, sorted, added or removed: the columns may be laid out anew.
    void itemsChanged();

private:
    ListView& m_list;
    qtcommon::ContactListModel m_model;
    double m_dpiX = 96.0;
    std::vector<Signal::Connection> m_connections;
};

}  // namespace xkr::quick
