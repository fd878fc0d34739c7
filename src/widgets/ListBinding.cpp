#include "widgets/ListBinding.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <memory>

#include "qtcommon/ContactListModel.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/UserActions.h"
#include "widgets/ControlBindings.h"
#include "widgets/ScreenDpi.h"

namespace xkr::widgets {
namespace {

// The list model owns the selection: Qt never changes it on its own, so a key press in the view
// cannot select an entry that the editor does not know about.
class ContactTreeView : public QTreeView {
public:
    using QTreeView::QTreeView;

    // The entry that a navigation key (arrows, Home, End, Page Up/Down) moved to: for the
    // keyboard user this is the click on that entry.
    std::function<void(int row)> onKeyboardMove;
    // The view or its viewport changed size: another font, or the vertical scroll bar came or
    // went.
    std::function<void()> onResize;

    // HideSelection: the selected entry shows only while the list has the focus.
    void setHideSelection(bool hide) {
        if (m_hideSelection == hide)
            return;
        m_hideSelection = hide;
        viewport()->update();
    }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex&,
                                                         const QEvent*) const override {
        return QItemSelectionModel::NoUpdate;
    }

    void initViewItemOption(QStyleOptionViewItem* option) const override {
        QTreeView::initViewItemOption(option);
        if (!m_hideSelection || hasFocus())
            return;
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            option->palette.setColor(group, QPalette::Highlight,
                                     option->palette.color(group, QPalette::Base));
            option->palette.setColor(group, QPalette::HighlightedText,
                                     option->palette.color(group, QPalette::Text));
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        // Shift+F10 opens the context menu, as the Menu key does (the platform sends that one),
        // at the entry under the cursor.
        if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
            const QPoint at = viewport()->mapTo(this, visualRect(currentIndex()).center());
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
            QCoreApplication::sendEvent(this, &menu);
            return;
        }
        const QModelIndex before = currentIndex();
        QTreeView::keyPressEvent(event);
        const QModelIndex after = currentIndex();
        if (after.isValid() && after.row() != before.row() && onKeyboardMove)
            onKeyboardMove(after.row());
    }

    // A sort changes every row; only the rows on screen need repainting, where the base class
    // would work out the rectangle of every cell of the list.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles) override {
        const QModelIndex firstShown = indexAt(QPoint(0, 0));
        if (!firstShown.isValid() || topLeft.parent().isValid()) {
            QTreeView::dataChanged(topLeft, bottomRight, roles);
            return;
        }
        const QModelIndex lastShown = indexAt(QPoint(0, viewport()->height() - 1));
        const int first = std::max(topLeft.row(), firstShown.row());
        const int last =
            std::min(bottomRight.row(), lastShown.isValid() ? lastShown.row() : bottomRight.row());
        if (first > last)
            return;
        QTreeView::dataChanged(topLeft.siblingAtRow(first), bottomRight.siblingAtRow(last), roles);
    }

    void resizeEvent(QResizeEvent* event) override {
        QTreeView::resizeEvent(event);
        if (onResize)
            onResize();
    }

    // Qt puts its cursor on the first row when the list gets the focus without one: that row
    // would look selected, and Down would then skip it.
    void focusInEvent(QFocusEvent* event) override {
        const bool hadCursor = currentIndex().isValid();
        QTreeView::focusInEvent(event);
        if (!hadCursor && !selectionModel()->hasSelection())
            selectionModel()->clearCurrentIndex();
        viewport()->update();
    }

    // With no entry under the cursor, Up starts from the last entry as Down does from the first.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
        const int rows = model()->rowCount();
        if (!currentIndex().isValid() && action == MoveUp && rows > 0)
            return model()->index(rows - 1, 0);
        return QTreeView::moveCursor(action, modifiers);
    }

    // The sort actions in a menu of its own window: assistive technology looks for a list's
    // children among its cells only, and would not find a menu that is the list's child. One
    // menu for good, so that assistive technology keeps knowing its items.
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (!m_menu) {
            m_menu = std::make_unique<QMenu>();
            m_menu->addActions(actions());
        }
        m_menu->exec(event->globalPos());
    }

    void focusOutEvent(QFocusEvent* event) override {
        QTreeView::focusOutEvent(event);
        viewport()->update();
    }

private:
    bool m_hideSelection = true;
    std::unique_ptr<QMenu> m_menu;
};

qtcommon::ContactListModel& modelOf(const QTreeView& view) {
    return *static_cast<qtcommon::ContactListModel*>(view.model());
}

// The designed widths of the shown columns, grown with the list's font. Where they would run
// under the vertical scroll bar the columns share the width beside it in their designed
// proportions, the last one ending where the scroll bar begins: the horizontal scroll bar is off.
void applyColumnWidths(const ListView& list, QTreeView& view) {
    const auto& headers = list.columnHeaders();
    const qtcommon::ContactListModel& model = modelOf(view);
    const double dpi = qtcommon::twipsDpi(screenDpi(view), view.font()).x;
    int total = 0;
    for (int section = 0; section < model.columnCount(); ++section)
        total += qtcommon::twipsToPixels(headers[model.listColumn(section)].width, dpi);
    const int room = std::min(total, view.viewport()->width());
    int designedEnd = 0;
    int shownEnd = 0;
    for (int section = 0; section < model.columnCount(); ++section) {
        designedEnd += qtcommon::twipsToPixels(headers[model.listColumn(section)].width, dpi);
        const int end = total == 0 ? 0 : designedEnd * room / total;
        view.header()->resizeSection(section, end - shownEnd);
        shownEnd = end;
    }
}

// With its signals on, the selection model tells the view which rows to repaint and assistive
// technology what is now selected; the view forwards only the user's clicks and keys, so this
// raises no user operation.
void mirrorSelection(const ListView& list, QTreeView& view) {
    QItemSelectionModel& selection = *view.selectionModel();
    const std::optional<std::size_t> selected = list.selectedIndex();
    if (!selected) {
        // Nothing may look selected either: no cursor frame on an entry.
        selection.clear();
        selection.clearCurrentIndex();
        return;
    }
    const QModelIndex index = view.model()->index(static_cast<int>(*selected), 0);
    if (selection.currentIndex() == index && selection.isRowSelected(index.row()))
        return;
    selection.setCurrentIndex(index,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void describeList(QTreeView& view) {
    const QString description = modelOf(view).description();
    // Each change is announced to assistive technology: only real ones are made.
    if (const QString name = qtcommon::shownText(texts::Id::listName);
        view.accessibleName() != name)
        view.setAccessibleName(name);
    if (view.accessibleDescription() != description)
        view.setAccessibleDescription(description);
}

void mirrorList(const ListView& list, ContactTreeView& view) {
    view.setEnabled(list.available());
    setBackground(view, list.backColour());
    view.setHideSelection(list.hideSelection());
    {
        const QSignalBlocker block(view.header());
        view.header()->setSortIndicator(
            modelOf(view).section(static_cast<std::size_t>(list.sortKey())),
            list.sortOrder() == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    describeList(view);
    mirrorSelection(list, view);
}

// A header click, from the header itself or from the keyboard's sort menu. The header flips its
// own indicator on a click; the list model decides the sort.
void sortBy(ListView& list, ContactTreeView& view, std::size_t column) {
    qtcommon::forwardUserInput([&] { user::clickHeader(list, column + 1); });
    mirrorList(list, view);
}

// The keyboard's way to sort (Menu key, Shift+F10): one action a shown column, each the click
// on its header.
void addSortActions(ListView& list, ContactTreeView& view, Signal& languageChanged,
                    std::vector<Signal::Connection>& connections) {
    const qtcommon::ContactListModel& model = modelOf(view);
    for (int section = 0; section < model.columnCount(); ++section) {
        auto* action = new QAction(&view);
        const std::size_t column = model.listColumn(section);
        const auto name = [&model, action, section] {
            action->setText(model.sortActionText(section));
        };
        name();
        connections.push_back(languageChanged.connect(name));
        QObject::connect(action, &QAction::triggered, &view,
                         [&list, &view, column] { sortBy(list, view, column); });
        view.addAction(action);
    }
}

}  // namespace

QTreeView* createListView(ListView& list, QWidget* parent, Signal& languageChanged,
                          std::vector<Signal::Connection>& connections) {
    auto* view = new ContactTreeView(parent);
    auto* model = new qtcommon::ContactListModel(list, view);
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->header()->setMinimumSectionSize(0);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsClickable(true);
    view->header()->setSectionsMovable(false);
    view->header()->setSortIndicatorShown(true);
    applyColumnWidths(list, *view);
    mirrorList(list, *view);
    addSortActions(list, *view, languageChanged, connections);

    // Qt has moved its current cell already; the list model decides what is selected.
    const auto selectRow = [&list, view](int row) {
        qtcommon::forwardUserInput([&] { user::clickEntry(list, static_cast<std::size_t>(row)); });
        mirrorSelection(list, *view);
    };
    view->onKeyboardMove = selectRow;
    view->onResize = [&list, view] { applyColumnWidths(list, *view); };
    connections.push_back(list.itemsChanged.connect([&list, view, model] {
        model->reload();
        // A reset forgets the section sizes, and after a sort the selected entry has moved.
        applyColumnWidths(list, *view);
        mirrorSelection(list, *view);
    }));
    connections.push_back(list.changed.connect([&list, view] { mirrorList(list, *view); }));
    connections.push_back(languageChanged.connect([view, model] {
        if (model->columnCount() > 0)
            emit model->headerDataChanged(Qt::Horizontal, 0, model->columnCount() - 1);
        describeList(*view);
    }));

    QObject::connect(view, &QAbstractItemView::clicked, view,
                     [selectRow](const QModelIndex& index) { selectRow(index.row()); });
    // Assistive technology selects rows through the selection model, past the view: a row it
    // selects is the user's click on that entry, and any other change gives way to the list
    // model's selection.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                     [&list, view, selectRow] {
                         for (const QModelIndex& row : view->selectionModel()->selectedRows()) {
                             if (list.selectedIndex() != static_cast<std::size_t>(row.row())) {
                                 selectRow(row.row());
                                 return;
                             }
                         }
                         mirrorSelection(list, *view);
                     });
    QObject::connect(
        view->header(), &QHeaderView::sectionClicked, view,
        [&list, view](int section) { sortBy(list, *view, modelOf(*view).listColumn(section)); });
    return view;
}

}  // namespace xkr::widgets
