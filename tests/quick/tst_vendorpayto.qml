import QtQuick
import QtTest
import XKRVendorPayTo

// The QML item driven with the mouse and keys, what its controls show held against what the core
// holds: the host methods, and the exchange text reloaded into a second item.
TestCase {
    id: test
    name: "VendorPayToItem"
    when: windowShown
    width: 1000
    height: 800

    readonly property string rows:
        "101|Head Office|20|1 Main St||Springfield|1|10|62701|555-0100||ap@acme.example|||" +
        "-1|-1|3|0|9001|1234\n102|Warehouse|05|2 Dock Rd|Unit 4|Shelbyville|1|11|62565|||||" +
        "555-0199|-1|0|4|0|9002|1234\n"
    readonly property string tables: "^3|Net 30|30 days\n4|Net 60|60 days\n" +
                                     "^10|1|IL|Illinois\n11|1|IN|Indiana\n20|2|ON|Ontario\n"
    // The record field that txtContact_0 … txtContact_10 show, and the lookups' shown names.
    readonly property var boxField: [1, 3, 4, 5, 8, 9, 10, 11, 2, 12, 13]
    readonly property var countries: ["Others", "USA", "Canada"]
    readonly property var states: ({10: "Illinois", 11: "Indiana", 20: "Ontario"})
    readonly property var terms: ({3: "Net 30  -  30 days", 4: "Net 60  -  60 days"})

    Component { id: payTo; VendorPayTo {} }
    Timer { id: answerer; interval: 50; property var act; onTriggered: act() }

    // A test case is not shown: the items go on the window's content item.
    function make(text) {
        const item = createTemporaryObject(payTo, test.parent)
        item.LetContactAddress(text, "|", "\n", "^")
        item.LetVendorIDNMode(1234, true)
        return item
    }
    function find(item, name) {
        return findChild(item, name) || fail(name + " not found")
    }
    // The item's one child is its form; the form's children place the layout's rows.
    function captionRows(item) {
        return Array.from(item.children[0].children)
            .filter(placed => placed.item && ["label", "button"].includes(placed.control.kind))
    }
    // The list's visible cells (key "row") or header cells (key "column"), in reading order,
    // once the table and its header have laid out their rows.
    function listCells(item, key) {
        const found = []
        const walk = parent => {
            for (const child of Array.from(parent.children)) {
                if (child.forceLayout !== undefined)
                    waitForItemPolished(child)
                // Cells have a row and a column, header cells only a column.
                if (child.visible && child.display !== undefined && child[key] !== undefined &&
                        (key === "row" || child.row === undefined))
                    found.push(child)
                walk(child)
            }
        }
        walk(find(item, "lstContacts"))
        return found.sort((a, b) => a[key] - b[key] || a.x - b.x)
    }
    function table(item) {
        const shown = []
        for (const cell of listCells(item, "row"))
            (shown[cell.row] = shown[cell.row] || []).push(cell.display)
        return shown
    }
    function clickEntry(item, name) {
        mouseClick(listCells(item, "row").find(cell => cell.display === name))
    }
    // The entry panel as shown: text boxes, combos, Active and Primary Pay To.
    function panel(item) {
        return boxField.map((field, box) => find(item, "txtContact_" + box).text)
            .concat(["cboContactCountry", "cboContactState", "cboContactType"]
                    .map(name => find(item, name).displayText))
            .concat(["ChkActive", "ChkDefault"].map(name => find(item, name).checked))
    }
    // What the panel shows for a record of the exchange text.
    function recordPanel(record) {
        const field = record.split("|")
        return boxField.map(k => field[k]).concat([countries[field[6]], states[field[7]],
            terms[field[16]], field[14] === "-1", field[15] === "-1"])
    }
    function typeInto(item, name, text) {
        mouseClick(find(item, name))
        keySequence(StandardKey.SelectAll)
        for (const character of text)
            keyClick(character)
        compare(find(item, name).text, text)
    }
    function pick(item, name, text) {
        const combo = find(item, name)
        mouseClick(combo)
        tryVerify(() => combo.popup.opened)
        mouseClick(combo.popup.contentItem.itemAtIndex(combo.find(text)))
    }
    // The core waits for a box's answer in a nested event loop, inside the click: a timer
    // started before it answers. Returns the box's title and text; null when none showed.
    function pressAnswering(item, button, answer) {
        const box = findChild(item.children[0], "messageDialog")
        let seen = null
        answerer.act = () => {
            if (box.opened) {
                seen = [box.title, box.contentItem.text]
                answer(box)
            }
            if (box.opened || !seen) {  // missed, or no box to answer: the core would wait for ever
                seen = "not answered"
                box.form.answer(box.ok)
            }
        }
        answerer.start()
        mouseClick(find(item, button))
        answerer.stop()
        return seen
    }
    function pressDefault() { keyClick(Qt.Key_Return) }
    function clickNo(box) {
        mouseClick(Array.from(box.footer.contentChildren).find(b => b.text === box.form.noText))
    }

    function test_loadAddSaveDelete() {
        const item = make(rows + tables)
        clickEntry(item, "Warehouse")
        compare(panel(item), recordPanel(rows.split("\n")[1]))
        mouseClick(find(item, "cmdAdd"))
        compare(pressAnswering(item, "cmdAdd", pressDefault),
                ["Information Required", "Contact Name has not been provided."])
        verify(find(item, "txtContact_0").activeFocus, "the core's focus after the box")
        typeInto(item, "txtContact_0", "Annex")
        typeInto(item, "txtContact_1", "5 Oak Ave")
        typeInto(item, "txtContact_3", "Tinley Park")
        pick(item, "cboContactCountry", "USA")
        pick(item, "cboContactState", "Indiana")
        pick(item, "cboContactType", terms[4])
        typeInto(item, "txtContact_8", "30")
        mouseClick(find(item, "cmdAdd"))
        const exported = item.GetContactAddress()
        clickEntry(item, "Annex")
        compare(panel(item), recordPanel(exported.split("\n")[0]))
        // The exchange text, reloaded, shows the same entry and the same list row.
        const copy = make(exported + tables)
        copy.x = item.width
        clickEntry(copy, "Annex")
        compare(panel(copy), panel(item))
        compare(table(copy), [table(item).find(row => row[0] === "Annex")])

        const question = ["Information Validation", "Do you want to delete the selected Address?"]
        compare(pressAnswering(item, "cmdDelete", clickNo), question)
        compare(item.GetContactAddress(), exported)
        compare(pressAnswering(item, "cmdDelete", pressDefault), question)
        compare(table(item).map(row => row[0]).sort(), ["Head Office", "Warehouse"])
        compare(item.GetContactAddress(), "")
        verify(find(item, "cmdAdd").activeFocus, "the core's focus after the delete")
    }

    function test_editCancelUpdateSort() {
        const item = make(rows + tables)
        clickEntry(item, "Warehouse")
        const shown = panel(item)
        mouseClick(find(item, "cmdEdit"))
        // A changed caption keeps its access key underlined.
        compare(["cmdAdd", "cmdEdit"].map(button => find(item, button).contentItem.text),
                ["Upd<u>a</u>te", "Canc<u>e</u>l"])
        typeInto(item, "txtContact_3", "Elsewhere")
        mouseClick(find(item, "ChkDefault"))
        verify(find(item, "ChkDefault").checked)
        compare(item.ChangedDefault(), "102")
        mouseClick(find(item, "cmdEdit"))
        compare(panel(item).slice(0, 14), Array(14).fill(""))
        compare(item.ChangedDefault(), "")
        compare(item.GetContactAddress(), "")
        clickEntry(item, "Warehouse")
        compare(panel(item), shown)

        mouseClick(find(item, "cmdEdit"))
        typeInto(item, "txtContact_3", "Alton")
        mouseClick(find(item, "cmdAdd"))
        const exported = item.GetContactAddress()
        compare(recordPanel(exported.split("\n")[0]),
                shown.map((value, box) => box === 3 ? "Alton" : value))
        verify(table(item).some(row => row[0] === "Warehouse" && row[2] === "Alton"))

        // Another column keeps the direction; the same column flips it.
        for (const [column, ascending] of [[0, true], [0, false], [2, false], [2, true]]) {
            const header = listCells(item, "column")[column]
            mouseClick(header)
            const values = table(item).map(row => row[column])
            const sorted = values.slice().sort()
            compare(values, ascending ? sorted : sorted.reverse())
            compare(header.children[1].text, ascending ? "\u25B2" : "\u25BC")
        }
    }

    // The host's settings as QML properties: a write calls the host method, a change is told.
    SignalSpy { id: editableChanges; signalName: "editableChanged" }
    function test_hostProperties() {
        const item = make(rows + tables)
        editableChanges.target = item
        editableChanges.clear()
        for (const editable of [false, false, true]) {
            item.editable = editable
            compare(find(item, "cmdAdd").enabled, editable)
        }
        compare(editableChanges.count, 2)
        item.vendorId = 99
        compare([item.vendorId, item.editable], [99, true])
    }

    // Every caption, column header and country as shown, with its English source.
    function captions(item) {
        const country = find(item, "cboContactCountry")
        return captionRows(item)
            .filter(placed => placed.control.name !== "lblVersionNumber")  // composed
            .map(placed => [placed.item.text.replace(/<\/?u>|&/g, ""), placed.control.text])
            .concat(listCells(item, "column").map(h => [h.children[0].text, h.display]))
            .concat(Array.from(country.model).map((source, k) => [country.textAt(k), source]))
    }
    function test_languageSwitch() {
        const item = make(rows + tables)
        const english = captions(item)
        verify(item.installTranslator("fr_CA"))
        const french = captions(item)
        compare(french.map(caption => caption[0]), english.map(
            caption => qsTranslate("VendorPayTo", caption[1]).replace(/&/g, "")))
        verify(french[0][0] !== english[0][0])
        item.installTranslator("en")
        compare(captions(item), english)
    }

    function test_textsFit_data() {
        return [].concat(...["en", "fr_CA", "es"].map(language => [8, 10, 12, 14].map(
            points => ({tag: language + " " + points + " pt", language, points}))))
    }
    function test_textsFit(data) {
        const item = make(rows + tables)
        compare(item.installTranslator(data.language), data.language !== "en")
        item.font = Qt.font({family: item.font.family, pointSize: data.points})
        clickEntry(item, "Warehouse")
        const clipped = []
        // Browsing, then Update and Cancel, browsing again, then Save and Cancel.
        for (const button of [null, "cmdEdit", "cmdEdit", "cmdAdd"]) {
            if (button) mouseClick(find(item, button))
            // A button's caption has the room inside its padding; a label's or header's, its width.
            for (const shown of captionRows(item).map(placed => placed.item)
                     .concat(listCells(item, "column").map(header => header.children[0]))) {
                if (shown.availableWidth !== undefined
                        ? shown.implicitContentWidth > shown.availableWidth
                        : shown.implicitWidth > shown.width)
                    clipped.push(shown.text)
            }
        }
        compare(clipped, [])
    }

    function cleanup() {
        createTemporaryObject(payTo, test.parent).installTranslator("en")
    }
}
