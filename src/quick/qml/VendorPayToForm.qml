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

    // A move to an item of the host's in the same window is a move like any other: the field
    // being left may refuse it, and then takes the focus back. The form's own dialog and menus
    // (in the window's overlay), another window, or the window losing the focus are no move.
    // Checked once Qt Quick has finished moving the focus.
    onActiveFocusChanged: if (!activeFocus) Qt.callLater(leaveIfGone)
    function leaveIfGone() {
        const now = Window.activeFocusItem
        if (root.activeFocus || now === null || message.visible)
            return
        for (let item = now; item !== null; item = item.parent) {
            if (item === Overlay.overlay)
                return
        }
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
        id: message
        form: root.form
        anchors.centerIn: parent
    }
}
