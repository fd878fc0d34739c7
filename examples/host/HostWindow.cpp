#include "HostWindow.h"

#include <QFile>

#include "ui_HostWindow.h"

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::HostWindow>()) {
    m_ui->setupUi(this);
    connect(m_ui->collectButton, &QPushButton::clicked, this, &HostWindow::collect);
}

HostWindow::~HostWindow() = default;

xkr::VendorPayToWidget& HostWindow::payTo() {
    return *m_ui->payTo;
}

void HostWindow::loadSampleVendor() {
    QFile sample(QStringLiteral(":/sample/vendor.txt"));
    if (!sample.open(QIODevice::ReadOnly)) {
        m_ui->resultView->setPlainText(tr("The sample vendor is missing."));
        return;
    }
    // The sample's separators: fields "|", records a line feed, tables "%%" on a line of its own.
    m_ui->payTo->LetContactAddress(QString::fromUtf8(sample.readAll()), QStringLiteral("|"),
                                   QStringLiteral("\n"), QStringLiteral("%%\n"));
    if (!m_ui->payTo->loadStatus().isEmpty()) {
        m_ui->resultView->setPlainText(tr("Load stopped: %1").arg(m_ui->payTo->loadStatus()));
    }
}

void HostWindow::collect() {
    m_ui->resultView->setPlainText(
        tr("Added or changed: %1\nPrimary now: %2")
            .arg(m_ui->payTo->GetContactAddress(), m_ui->payTo->ChangedDefault()));
}
