import QtQuick
import QtQuick.Controls

// A drop-down list: the user's pick goes to the core, which may refuse it.
ComboBox {
    id: combo
    required property QtObject control
    required property QtObject form
    objectName: control.name
    model: control.items
    currentIndex: control.currentIndex
    font: control.font
    enabled: control.enabled
    Accessible.name: control.accessibleName
    Accessible.description: control.accessibleDescription
    ToolTip.visible: control.required && hover.hovered
    ToolTip.text: control.accessibleDescription
    HoverHandler { id: hover }

    onActivated: index => {
        control.pick(index)
        // Qt Quick moved its own index; the core's stands.
        currentIndex = Qt.binding(() => combo.control.currentIndex)
    }
    Keys.onTabPressed: event => event.accepted = form.tab(true)
    Keys.onBacktabPressed: event => event.accepted = form.tab(false)
    onActiveFocusChanged: if (activeFocus) control.focusIn()
    Connections {
        target: combo.control
        function onFocusRequested() { combo.forceActiveFocus(Qt.OtherFocusReason) }
    }
}
