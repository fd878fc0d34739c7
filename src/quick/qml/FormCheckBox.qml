import QtQuick
import QtQuick.Controls

// A check box: it shows the core's value and does not toggle itself; the click goes to the core.
CheckBox {
    id: check
    required property QtObject control
    required property QtObject form
    objectName: control.name
    // Checkable, so that it is a check box to a screen reader too, but a click leaves the state
    // as it is.
    nextCheckState: () => checkState
    checked: control.checked
    enabled: control.enabled
    padding: 0
    Accessible.name: control.accessibleName
    Accessible.description: control.accessibleDescription
    Accessible.checkable: true
    Accessible.checked: checked

    onClicked: control.click()
    Keys.onTabPressed: event => event.accepted = form.tab(true)
    Keys.onBacktabPressed: event => event.accepted = form.tab(false)
    onActiveFocusChanged: if (activeFocus) control.focusIn()
    Connections {
        target: check.control
        function onFocusRequested() { check.forceActiveFocus(Qt.OtherFocusReason) }
    }
}
