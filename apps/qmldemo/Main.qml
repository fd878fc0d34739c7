import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import XKRVendorPayTo

// A small QML host: the control loaded with the sample vendor, buttons that call the host
// methods and show what they return, and a Language menu.
ApplicationWindow {
    id: window
    readonly property int sampleVendorId: 1001
    title: "XKRVendorPayTo QML demo - vendor " + sampleVendorId
    width: payTo.implicitWidth + 300
    height: payTo.implicitHeight + 24 + menuBar.implicitHeight
    visible: true

    function report(method, result) {
        output.append(method + ":")
        output.append(result === "" ? "(empty)" : result)
        if (payTo.lastError() !== "")
            output.append(payTo.lastError())
    }

    menuBar: MenuBar {
        Menu {
            title: "&Language"
            Repeater {
                model: [["en", "English"], ["fr_CA", "Français (Canada)"], ["es", "Español"]]
                MenuItem {
                    required property var modelData
                    text: modelData[1]
                    checkable: true
                    checked: window.language === modelData[0]
                    onTriggered: window.language = languages.setLanguage(modelData[0])
                                 ? modelData[0] : "en"
                }
            }
        }
    }
    property string language: startLanguage

    RowLayout {
        anchors.fill: parent
        anchors.margins: 6
        spacing: 6

        VendorPayTo {
            id: payTo
            objectName: "payTo"
            Layout.alignment: Qt.AlignTop
            Layout.preferredWidth: implicitWidth
            Layout.preferredHeight: implicitHeight
            Component.onCompleted: {
                LetContactAddress(sampleText, "|", "\n", "%%\n")
                LetVendorIDNMode(window.sampleVendorId, true)
            }
        }
        ColumnLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Label { text: "Host methods" }
            Button {
                objectName: "demoLetContactAddress"
                text: "LetContactAddress"
                onClicked: payTo.LetContactAddress(sampleText, "|", "\n", "%%\n")
            }
            Button {
                objectName: "demoGetContactAddress"
                text: "GetContactAddress"
                onClicked: window.report("GetContactAddress", payTo.GetContactAddress())
            }
            Button {
                objectName: "demoChangedDefault"
                text: "ChangedDefault"
                onClicked: window.report("ChangedDefault", payTo.ChangedDefault())
            }
            CheckBox {
                objectName: "demoViewOnly"
                text: "View only"
                onToggled: payTo.LetVendorIDNMode(window.sampleVendorId, !checked)
            }
            CheckBox {
                objectName: "demoPostalCheck"
                text: "Check postal codes"
                onToggled: payTo.postalCodeCheck = checked
            }
            ScrollView {
                Layout.fillWidth: true
                Layout.fillHeight: true
                TextArea {
                    id: output
                    objectName: "demoOutput"
                    readOnly: true
                    placeholderText: "Results of the host methods show here."
                }
            }
        }
    }
}
