import QtQuick
import QtQuick.Controls

// The list of entries: column headers that sort, rows made only for what is on screen. The list
// model keeps the selection and the sort; a click or a navigation key is the click on an entry,
// the Menu key or Shift+F10 opens the keyboard's sort menu.
FocusScope {
    id: box
    required property QtObject control
    required property QtObject list
    required property QtObject form
    objectName: control.name
    enabled: list.enabled
    activeFocusOnTab: true
    Accessible.role: Accessible.Table
    Accessible.name: list.accessibleName
    Accessible.description: list.accessibleDescription
    Accessible.focusable: true

    readonly property int rowHeight: Math.ceil(fontMetrics.height) + 3
    FontMetrics { id: fontMetrics; font: box.control.font }

    function columnWidth(column) {
        return box.list.columnWidth(column, table.width - (scrollBar.visible ? scrollBar.width : 0))
    }
    // The entry a navigation key moves to from the selected one.
    function moveTo(row) {
        const last = table.rows - 1
        if (last < 0)
            return
        box.list.clickEntry(Math.max(0, Math.min(last, row)))
        table.positionViewAtRow(box.list.selectedRow, TableView.Contain)
    }
    // Opened by a key, the menu shows under the selected entry, not at the mouse pointer.
    function openSortMenu() {
        const cell = table.itemAtCell(0, list.selectedRow)
        const at = cell ? cell.mapToItem(box, 0, cell.height) : Qt.point(0, table.y)
        sortMenu.popup(box, at.x, at.y)
    }
    readonly property int pageRows: Math.max(1, Math.floor(table.height / rowHeight) - 1)

    Rectangle {
        anchors.fill: parent
        color: box.list.background
        border.color: box.activeFocus ? box.palette.highlight : box.palette.mid
    }

    HorizontalHeaderView {
        id: header
        x: 1
        y: 1
        width: parent.width - 2
        syncView: table
        clip: true
        delegate: Rectangle {
            required property int column
            required property string display
            implicitHeight: box.rowHeight + 2
            color: box.palette.button
            Accessible.role: Accessible.ColumnHeader
            Accessible.name: display
            border.color: box.palette.mid
            // The caption, elided only when the column is too narrow, and the sort's arrow
            // right after it, as a header view draws them.
            TextMetrics {
                id: captionWidth
                font: box.control.font
                text: display
            }
            Text {
                id: caption
                x: 3
                width: Math.min(Math.ceil(captionWidth.advanceWidth) + 1,
                                parent.width - 5 - (arrow.visible ? arrow.width + 1 : 0))
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                font: box.control.font
                color: box.palette.buttonText
                text: display
            }
            Text {
                id: arrow
                x: caption.x + caption.width + 1
                height: parent.height
                verticalAlignment: Text.AlignVCenter
                visible: column === box.list.sortSection
                font.pointSize: box.control.font.pointSize * 0.7
                color: box.palette.buttonText
                text: box.list.sortAscending ? "\u25B2" : "\u25BC"
            }
            TapHandler { onTapped: box.list.clickHeader(column) }
        }
    }

    TableView {
        id: table
        x: 1
        y: header.y + header.height
        width: parent.width - 2
        height: parent.height - y - 1
        clip: true
        model: box.list.model
        boundsBehavior: Flickable.StopAtBounds
        // The list's own keys below are the only navigation.
        keyNavigationEnabled: false
        focus: true
        columnWidthProvider: column => box.columnWidth(column)
        rowHeightProvider: () => box.rowHeight
        // Shown whenever the entries are more than the list shows, as a desktop list's is: a
        // style's "as needed" bar hides until the list is scrolled.
        ScrollBar.vertical: ScrollBar {
            id: scrollBar
            policy: table.contentHeight > table.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            // The columns share the width beside it.
            onVisibleChanged: table.forceLayout()
        }
        onWidthChanged: forceLayout()

        delegate: Rectangle {
            id: cell
            required property int row
            required property int column
            required property string display
            readonly property bool selected: row === box.list.selectedRow &&
                                             (!box.list.hideSelection || box.activeFocus)
            implicitHeight: box.rowHeight
            color: selected ? box.palette.highlight : "transparent"
            // The selected entry's first cell holds the list's focus: a screen reader follows
            // the keys from entry to entry. The focus goes straight from cell to cell, never
            // through the list, and back to the list when nothing is selected or off screen.
            readonly property bool current: row === box.list.selectedRow && column === 0
            onCurrentChanged: if (current || box.list.selectedRow < 0) focus = current
            Component.onCompleted: focus = current
            TableView.onPooled: focus = false
            Accessible.role: Accessible.Cell
            Accessible.name: display
            Accessible.selectable: true
            Accessible.selected: selected
            Text {
                anchors.fill: parent
                anchors.leftMargin: 4
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                font: box.control.font
                color: cell.selected ? box.palette.highlightedText : box.palette.text
                text: cell.display
            }
            TapHandler {
                onTapped: {
                    box.forceActiveFocus(Qt.MouseFocusReason)
                    box.list.clickEntry(cell.row)
                }
            }
        }
        // A click below the last entry: the click on the list.
        TapHandler {
            onTapped: {
                box.forceActiveFocus(Qt.MouseFocusReason)
                box.list.clickList()
            }
        }
    }

    Connections {
        target: box.list
        function onItemsChanged() { table.forceLayout() }
    }
    Connections {
        target: box.control
        function onFocusRequested() { box.forceActiveFocus(Qt.OtherFocusReason) }
    }
    onActiveFocusChanged: if (activeFocus) control.focusIn()

    Keys.onUpPressed: moveTo(list.selectedRow < 0 ? table.rows - 1 : list.selectedRow - 1)
    Keys.onDownPressed: moveTo(list.selectedRow + 1)
    Keys.onPressed: event => {
        switch (event.key) {
        case Qt.Key_Home: moveTo(0); break
        case Qt.Key_End: moveTo(table.rows - 1); break
        case Qt.Key_PageUp: moveTo(list.selectedRow - pageRows); break
        case Qt.Key_PageDown: moveTo(list.selectedRow + pageRows); break
        case Qt.Key_Menu: openSortMenu(); break
        case Qt.Key_F10:
            if (event.modifiers & Qt.ShiftModifier) {
                openSortMenu()
                break
            }
            return
        default:
            return
        }
        event.accepted = true
    }
    Keys.onTabPressed: event => event.accepted = form.tab(true)
    Keys.onBacktabPressed: event => event.accepted = form.tab(false)

    Menu {
        id: sortMenu
        Repeater {
            model: box.list.sortActions
            MenuItem {
                required property int index
                required property string modelData
                text: modelData
                onTriggered: box.list.clickHeader(index)
            }
        }
    }
}
