import QtQuick
import QtQuick.Controls
import XKRVendorPayTo

ApplicationWindow {
    width: payTo.implicitWidth
    height: payTo.implicitHeight
    visible: true
    title: "Pay-to addresses of vendor 1001"

    VendorPayTo {
        id: payTo
        objectName: "payTo"
        Component.onCompleted: {
            LetContactAddress(sampleText, "|", "\n", "%%\n")
            LetVendorIDNMode(1001, true)
        }
    }

    // What a user does to add an entry, through the form's own controls; returns the entry the
    // host collects.
    function addSampleEntry() {
        const find = name => findIn(payTo, name)
        find("cmdAdd").clicked()
        const values = {0: "Example Pay-To Office", 1: "1 Main Street", 3: "Springfield", 8: "7"}
        for (const k in values) {
            const box = find("txtContact_" + k)
            box.text = values[k]
            box.textEdited()
        }
        const country = find("cboContactCountry")
        country.activated(country.find("USA"))
        find("cboContactState").activated(1)
        find("cboContactType").activated(1)
        find("cmdAdd").clicked()
        return payTo.GetContactAddress()
    }
    function findIn(item, name) {
        if (item.objectName === name)
            return item
        for (let k = 0; k < item.children.length; ++k) {
            const found = findIn(item.children[k], name)
            if (found)
                return found
        }
        return null
    }
}
