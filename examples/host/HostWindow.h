#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class HostWindow;
}

namespace xkr {
class VendorPayToWidget;
}

// A host application's window: the pay-to control as placed on the form in Designer, and a
// Collect button that shows what the host would store.
class HostWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

    xkr::VendorPayToWidget& payTo();
    // Loads the bundled sample vendor. The form sets the vendor id, the editing mode and the
    // postal-code check (HostWindow.ui), so the entries open for editing.
    void loadSampleVendor();

private:
    void collect();

    std::unique_ptr<Ui::HostWindow> m_ui;
};
