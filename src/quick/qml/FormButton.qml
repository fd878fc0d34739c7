import QtQuick
import QtQuick.Controls

// A command button: a click, Space, Enter or its access key presses it.
Button {
    id: button
    required property QtObject control
    required property QtObject form
    objectName: control.name
    text: control.text
    font: control.font
    enabled: control.enabled
    focusPolicy: Qt.StrongFocus
    Accessible.name: control.accessibleName
    // Qt Quick's own caption loses its access-key underline once the text changes (Add to
    // Update, Edit to Cancel, a language switch); this one keeps it.
    contentItem: Text {
        text: button.control.styledText
        textFormat: Text.StyledText
        font: button.font
        color: button.palette.buttonText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        Accessible.ignored: true
    }

    onClicked: control.press()
    Keys.onReturnPressed: control.press()
    Keys.onEnterPressed: control.press()
    Keys.onTabPressed: event => event.accepted = form.tab(true)
    Keys.onBacktabPressed: event => event.accepted = form.tab(false)
    onActiveFocusChanged: if (activeFocus) control.focusIn()
    Connections {
        target: button.control
        function onFocusRequested() { button.forceActiveFocus(Qt.OtherFocusReason) }
    }
}
