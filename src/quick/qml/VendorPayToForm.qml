import QtQuick
import QtQuick.Controls

// The form: every row of the layout table placed where the core's layout puts it, and the
// message boxes as modal dialogs. Presentation only; every rule is in the core.
FocusScope {
    id: root
    required property QtObject form

    width: form.width
    height: form.height
    Accessible.role: Accessible.Pane
    Accessible.name: form.accessibleName

    Keys.onEscapePressed: event => event.accepted = form.escape()

    // A move to a host item of the same window is a move like any other: the field being left
    // may refuse it, and the focus comes back. Checked once Qt Quick has finished the move, so
    // that a refusal is announced after the host item. A popup (a message box, a menu, a combo's
    // list) is no move out of the form.
    onActiveFocusChanged: if (!activeFocus) Qt.callLater(checkLeft)
    function checkLeft() {
        for (let item = Window.activeFocusItem; item !== null; item = item.parent) {
            if (item === root || item === Overlay.overlay)
                return
        }
        if (Window.activeFocusItem !== null)
            form.leaveForm()
    }

    Repeater {
        model: root.form.controls
        delegate: Loader {
            required property QtObject modelData
            x: modelData.geometry.x
            y: modelData.geometry.y
            width: modelData.geometry.width
            height: modelData.geometry.height
            // A frame stands behind the controls placed in it, as the layout lists it first.
            z: modelData.kind === "frame" ? 0 : 1
            sourceComponent: {
                switch (modelData.kind) {
                case "frame": return frame
                case "list": return list
                case "button": return button
                case "label": return label
                case "text": return textBox
                case "combo": return comboBox
                case "check": return checkBox
                default: return marker
                }
            }
            property QtObject control: modelData
        }
    }

    Component {
        id: frame
        FormFrame { control: parent.control }
    }
    Component {
        id: list
        ContactList { control: parent.control; list: root.form.list; form: root.form }
    }
    Component {
        id: button
        FormButton { control: parent.control; form: root.form }
    }
    Component {
        id: label
        FormLabel { control: parent.control; form: root.form }
    }
    Component {
        id: textBox
        FormTextBox { control: parent.control; form: root.form }
    }
    Component {
        id: comboBox
        FormComboBox { control: parent.control; form: root.form }
    }
    Component {
        id: checkBox
        FormCheckBox { control: parent.control; form: root.form }
    }
    Component {
        id: marker
        RequiredMarker { tip: root.form.requiredText }
    }

    MessageDialog {
        form: root.form
        anchors.centerIn: parent
    }
}
