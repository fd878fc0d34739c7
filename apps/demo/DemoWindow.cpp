#include "DemoWindow.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "control/VendorPayTo.h"
#include "view/UserActions.h"

DemoWindow::DemoWindow(QWidget* parent)
    : QWidget(parent), m_payTo(new xkr::VendorPayToWidget(this)), m_output(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("XKRVendorPayTo demo - vendor %1").arg(sampleVendorId));
    auto* getAddresses = new QPushButton(QStringLiteral("GetContactAddress"));
    auto* changedDefault = new QPushButton(QStringLiteral("ChangedDefault"));
    auto* viewOnly = new QCheckBox(QStringLiteral("View only"));
    auto* postalCheck = new QCheckBox(QStringLiteral("Check postal codes"));
    getAddresses->setObjectName(QStringLiteral("demoGetContactAddress"));
    changedDefault->setObjectName(QStringLiteral("demoChangedDefault"));
    viewOnly->setObjectName(QStringLiteral("demoViewOnly"));
    postalCheck->setObjectName(QStringLiteral("demoPostalCheck"));
    m_output->setObjectName(QStringLiteral("demoOutput"));
    m_output->setReadOnly(true);
    m_output->setPlaceholderText(QStringLiteral("Results of the host methods show here."));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Host methods")));
    side->addWidget(getAddresses);
    side->addWidget(changedDefault);
    side->addWidget(viewOnly);
    side->addWidget(postalCheck);
    side->addWidget(m_output, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_payTo, 0, Qt::AlignTop);
    layout->addLayout(side, 1);

    connect(getAddresses, &QPushButton::clicked, this,
            [this] { report(QStringLiteral("GetContactAddress"), m_payTo->GetContactAddress()); });
    connect(changedDefault, &QPushButton::clicked, this,
            [this] { report(QStringLiteral("ChangedDefault"), m_payTo->ChangedDefault()); });
    connect(viewOnly, &QCheckBox::toggled, this,
            [this](bool on) { m_payTo->LetVendorIDNMode(sampleVendorId, !on); });
    connect(postalCheck, &QCheckBox::toggled, m_payTo, &xkr::VendorPayToWidget::setPostalCodeCheck);

    loadSample();
    resize(m_payTo->sizeHint().width() + 280, m_payTo->sizeHint().height() + 24);
}

void DemoWindow::loadSample() {
    QFile sample(QStringLiteral(":/sample/vendor-1001.txt"));
    if (!sample.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("load"), QStringLiteral("the embedded sample is missing"));
        return;
    }
    m_payTo->LetContactAddress(QString::fromUtf8(sample.readAll()), QStringLiteral("|"),
                               QStringLiteral("\n"), QStringLiteral("%%\n"));
    m_payTo->LetVendorIDNMode(sampleVendorId, true);
    // Show the first entry, as a click on it would.
    xkr::user::clickEntry(m_payTo->control().form().lstContacts, 0);
}

void DemoWindow::report(const QString& method, const QString& result) {
    m_output->appendPlainText(method + QStringLiteral(":"));
    m_output->appendPlainText(result.isEmpty() ? QStringLiteral("(empty)") : result);
    if (!m_payTo->lastError().isEmpty())
        m_output->appendPlainText(m_payTo->lastError());
}
