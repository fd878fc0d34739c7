#include "DemoWindow.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

#include "control/VendorPayTo.h"
#include "view/UserActions.h"

DemoWindow::DemoWindow(const QString& contactData, QWidget* parent)
    : QMainWindow(parent), m_payTo(new xkr::VendorPayToWidget), m_output(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("XKRVendorPayTo demo - vendor %1").arg(sampleVendorId));
    auto* load = new QPushButton(QStringLiteral("LetContactAddress"));
    auto* getAddresses = new QPushButton(QStringLiteral("GetContactAddress"));
    auto* changedDefault = new QPushButton(QStringLiteral("ChangedDefault"));
    auto* viewOnly = new QCheckBox(QStringLiteral("View only"));
    auto* postalCheck = new QCheckBox(QStringLiteral("Check postal codes"));
    load->setObjectName(QStringLiteral("demoLetContactAddress"));
    getAddresses->setObjectName(QStringLiteral("demoGetContactAddress"));
    changedDefault->setObjectName(QStringLiteral("demoChangedDefault"));
    viewOnly->setObjectName(QStringLiteral("demoViewOnly"));
    postalCheck->setObjectName(QStringLiteral("demoPostalCheck"));
    m_output->setObjectName(QStringLiteral("demoOutput"));
    m_output->setReadOnly(true);
    m_output->setPlaceholderText(QStringLiteral("Results of the host methods show here."));

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Host methods")));
    side->addWidget(load);
    side->addWidget(getAddresses);
    side->addWidget(changedDefault);
    side->addWidget(viewOnly);
    side->addWidget(postalCheck);
    side->addWidget(m_output, 1);
    auto* content = new QWidget;
    auto* layout = new QHBoxLayout(content);
    // A window's own margins, which the content keeps below the menu bar.
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(m_payTo, 0, Qt::AlignTop);
    layout->addLayout(side, 1);
    setCentralWidget(content);
    buildLanguageMenu();

    // Loads the sample again, as a host does while the user may be typing an entry.
    connect(load, &QPushButton::clicked, this, &DemoWindow::loadSampleText);
    connect(getAddresses, &QPushButton::clicked, this,
            [this] { report(QStringLiteral("GetContactAddress"), m_payTo->GetContactAddress()); });
    connect(changedDefault, &QPushButton::clicked, this,
            [this] { report(QStringLiteral("ChangedDefault"), m_payTo->ChangedDefault()); });
    connect(viewOnly, &QCheckBox::toggled, this,
            [this](bool on) { m_payTo->LetVendorIDNMode(sampleVendorId, !on); });
    connect(postalCheck, &QCheckBox::toggled, m_payTo, &xkr::VendorPayToWidget::setPostalCodeCheck);

    m_samplePath = contactData.isEmpty() ? QStringLiteral(":/sample/vendor-1001.txt") : contactData;
    loadSample();
    resize(m_payTo->sizeHint().width() + 280,
           m_payTo->sizeHint().height() + 24 + menuBar()->sizeHint().height());
}

void DemoWindow::buildLanguageMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Language"));
    m_languages = new QActionGroup(this);
    // Each language by its own name, as language menus do.
    const std::pair<const char*, QString> languages[] = {
        {"en", QStringLiteral("English")},
        {"fr_CA", QStringLiteral("Français (Canada)")},
        {"es", QStringLiteral("Español")},
    };
    for (const auto& [locale, name] : languages) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setData(QString::fromLatin1(locale));
        m_languages->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, action] { setLanguage(QLocale(action->data().toString())); });
    }
    m_languages->actions().constFirst()->setChecked(true);
}

void DemoWindow::setLanguage(const QLocale& locale) {
    const bool translated = m_language.set(locale);
    for (QAction* action : m_languages->actions()) {
        const QLocale shown(action->data().toString());
        action->setChecked(translated ? shown.language() == locale.language()
                                      : shown.language() == QLocale::English);
    }
}

void DemoWindow::loadSample() {
    if (!loadSampleText())
        return;
    m_payTo->LetVendorIDNMode(sampleVendorId, true);
    // Show the first entry, as a click on it would.
    xkr::user::clickEntry(m_payTo->control().form().lstContacts, 0);
}

bool DemoWindow::loadSampleText() {
    QFile sample(m_samplePath);
    if (!sample.open(QIODevice::ReadOnly)) {
        report(QStringLiteral("load"), QStringLiteral("cannot read %1").arg(m_samplePath));
        return false;
    }
    m_payTo->LetContactAddress(QString::fromUtf8(sample.readAll()), QStringLiteral("|"),
                               QStringLiteral("\n"), QStringLiteral("%%\n"));
    return true;
}

void DemoWindow::report(const QString& method, const QString& result) {
    m_output->appendPlainText(method + QStringLiteral(":"));
    m_output->appendPlainText(result.isEmpty() ? QStringLiteral("(empty)") : result);
    if (!m_payTo->lastError().isEmpty())
        m_output->appendPlainText(m_payTo->lastError());
}
