import QtQuick
import QtQuick.Controls

// A text box: what the user types goes to the core, which may refuse it.
TextField {
    id: box
    required property QtObject control
    required property QtObject form
    objectName: control.name
    text: control.text
    font: control.font
    color: control.foreground
    enabled: control.enabled
    readOnly: control.readOnly
    maximumLength: control.maxLength > 0 ? control.maxLength : 32767
    padding: 2
    background: Rectangle {
        color: box.control.background
        border.color: box.activeFocus ? box.palette.highlight : box.palette.mid
    }
    Accessible.name: control.accessibleName
    Accessible.description: control.accessibleDescription
    // Qt Quick puts the placeholder text there when a screen reader starts; "Required" stays.
    Accessible.onDescriptionChanged: Accessible.description =
                                     Qt.binding(() => box.control.accessibleDescription)
    ToolTip.visible: control.required && hover.hovered
    ToolTip.text: control.accessibleDescription
    HoverHandler { id: hover }

    onTextEdited: control.type(text)
    Keys.onTabPressed: event => event.accepted = form.tab(true)
    Keys.onBacktabPressed: event => event.accepted = form.tab(false)
    onActiveFocusChanged: if (activeFocus) control.focusIn()
    Connections {
        target: box.control
        function onFocusRequested() { box.forceActiveFocus(Qt.OtherFocusReason) }
        // A selection the core made (a refused entry, selected for retyping).
        function onChanged() {
            if (box.control.selectionLength > 0)
                box.select(box.control.selectionStart,
                           box.control.selectionStart + box.control.selectionLength)
        }
    }
}
