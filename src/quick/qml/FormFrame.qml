import QtQuick

// A frame of the form: a sunken border that groups the controls placed in it.
Rectangle {
    required property QtObject control
    color: "transparent"
    border.color: palette.mid
    radius: 2
    Accessible.role: Accessible.Grouping
    Accessible.name: control.accessibleName
}
