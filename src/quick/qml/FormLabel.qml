import QtQuick
import QtQuick.Controls

// A caption beside an input. Its access key moves the focus to the input; a click on the caption
// of a check box is the click on the box.
Label {
    required property QtObject control
    required property QtObject form
    text: control.styledText
    textFormat: Text.StyledText
    font: control.font
    verticalAlignment: Text.AlignTop
    elide: Text.ElideRight
    Accessible.name: control.accessibleName

    TapHandler { onTapped: control.click() }
    Shortcut {
        enabled: control.accessKey !== "" && control.buddy !== ""
        sequence: "Alt+" + control.accessKey
        onActivated: form.focusControl(control.buddy)
    }
}
