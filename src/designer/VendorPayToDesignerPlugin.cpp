#include "VendorPayToDesignerPlugin.h"

#include <QIcon>

#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace xkr {

VendorPayToDesignerPlugin::VendorPayToDesignerPlugin(QObject* parent) : QObject(parent) {}

// uic writes this name into generated code and QUiLoader matches .ui classes against it, so it
// must be the widget's fully qualified C++ name.
QString VendorPayToDesignerPlugin::name() const {
    return QStringLiteral("xkr::VendorPayToWidget");
}

QString VendorPayToDesignerPlugin::group() const {
    return QStringLiteral("XKRVendorPayTo");
}

QString VendorPayToDesignerPlugin::toolTip() const {
    return QStringLiteral("Pay-to addresses of one vendor");
}

QString VendorPayToDesignerPlugin::whatsThis() const {
    return QStringLiteral(
        "Maintains the pay-to addresses of one vendor. Load them with LetContactAddress, set "
        "the vendor and mode with LetVendorIDNMode, collect the result with GetContactAddress "
        "and ChangedDefault.");
}

// Relative to the installed include folder, as hosts include it themselves.
QString VendorPayToDesignerPlugin::includeFile() const {
    return QStringLiteral("XKRVendorPayTo/VendorPayToWidget.h");
}

QIcon VendorPayToDesignerPlugin::icon() const {
    return QIcon(QStringLiteral(":/xkr/VendorPayToIcon.png"));
}

bool VendorPayToDesignerPlugin::isContainer() const {
    return false;
}

QWidget* VendorPayToDesignerPlugin::createWidget(QWidget* parent) {
    return new VendorPayToWidget(parent);
}

bool VendorPayToDesignerPlugin::isInitialized() const {
    return m_initialized;
}

void VendorPayToDesignerPlugin::initialize(QDesignerFormEditorInterface*) {
    m_initialized = true;
}

// The default object name would be the lower-cased class name, which is no valid C++
// identifier for a namespaced class, so uic could not compile a form holding it.
QString VendorPayToDesignerPlugin::domXml() const {
    return QStringLiteral(
        "<ui language=\"c++\" displayname=\"Vendor Pay-To\">\n"
        " <widget class=\"xkr::VendorPayToWidget\" name=\"vendorPayTo\"/>\n"
        "</ui>\n");
}

}  // namespace xkr
