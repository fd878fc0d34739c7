import QtQuick
import QtQuick.Controls

// The core's message box: modal, its title, text and buttons as the core asks, the default
// button focused. Closing it answers the core, which waits for the answer.
Dialog {
    id: dialog
    objectName: "messageDialog"
    required property QtObject form
    property bool question: false
    modal: true
    // Wide enough for the title, as a window manager's title bar would be; long texts wrap.
    width: Math.min(parent.width, Math.max(message.implicitWidth, titleMetrics.advanceWidth(title)
                                           + 4 * titleMetrics.height) + leftPadding + rightPadding)
    FontMetrics { id: titleMetrics; font: dialog.font }
    closePolicy: Popup.CloseOnEscape
    font: form.font

    // msgbox::ok, yes and no: the buttons as the core counts them.
    readonly property int ok: 1
    readonly property int yes: 6
    readonly property int no: 7

    // The whole title: the style's elides, and an eliding label's size follows its width.
    header: Label {
        text: dialog.title
        font.bold: true
        padding: 6
    }
    // The icon's sign, by qtcommon::MessageIcon: none, critical, question, warning, information.
    property string sign: ""
    readonly property var signs: ["", "\u00D7", "?", "!", "i"]
    contentItem: Label {
        id: message
        wrapMode: Text.Wrap
        font: dialog.font
        leftPadding: icon.visible ? icon.width + icon.height / 2 : 0
        // The first line centred beside the icon, which is taller than a line.
        topPadding: icon.visible ? (icon.height - messageMetrics.height) / 2 : 0
        bottomPadding: topPadding
        FontMetrics { id: messageMetrics; font: message.font }
        // The icon is decoration: the title and the text say it all.
        Rectangle {
            id: icon
            visible: dialog.sign !== ""
            width: Math.round(messageMetrics.height * 1.6)
            height: width
            radius: width / 2
            color: dialog.sign === "\u00D7" ? "#b00000" : dialog.sign === "!" ? "#c08000"
                                                                               : "#2060b0"
            Accessible.ignored: true
            Text {
                anchors.centerIn: parent
                text: dialog.sign
                color: "white"
                font.bold: true
                font.pixelSize: parent.height * 0.7
            }
        }
    }
    footer: DialogButtonBox {
        id: buttons
        Button {
            id: yesButton
            // Read with the focus that the box's default button takes.
            Accessible.description: message.text
            text: dialog.question ? dialog.form.yesText : dialog.form.okText
            DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            Accessible.name: text.replace(/&(.)/g, "$1")
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }
        Button {
            text: dialog.form.noText
            visible: dialog.question
            DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            Accessible.name: text.replace(/&(.)/g, "$1")
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
        }
    }
    onAccepted: form.answer(question ? yes : ok)
    onRejected: form.answer(question ? no : ok)
    onOpened: yesButton.forceActiveFocus(Qt.OtherFocusReason)

    Connections {
        target: dialog.form
        function onMessageRequested(title, text, question, icon) {
            dialog.title = title
            message.text = text
            dialog.question = question
            dialog.sign = dialog.signs[icon] || ""
            dialog.open()
        }
        function onMessageClosed() { dialog.close() }
    }
}
