import QtQuick
import QtQuick.Controls

// The required-field marker: decoration, which a screen reader skips (the field's own
// description says it is required).
Item {
    property string tip
    Accessible.ignored: true

    Rectangle {
        anchors.centerIn: parent
        width: Math.min(parent.width, parent.height)
        height: width
        radius: width / 2
        color: "#8b0000"
    }
    HoverHandler { id: hover }
    ToolTip.visible: hover.hovered
    ToolTip.text: tip
}
