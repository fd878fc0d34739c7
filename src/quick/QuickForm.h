#pragma once

#include <QtQml/qqmlregistration.h>
#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "qtcommon/ShownMessageBox.h"
#include "qtcommon/Twips.h"
#include "quick/QuickControl.h"
#include "quick/QuickList.h"
#include "view/EditorForm.h"

class QEventLoop;

namespace xkr::quick {

// The editor's form for the QML side: a QuickControl for each row of the layout table, placed
// for the font the item is given, the list, the keyboard's moves, and the message boxes, which
// the QML side shows as dialogs while the core waits for the answer.
class QuickForm : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(QList<QObject*> controls READ controls CONSTANT)
    Q_PROPERTY(xkr::quick::QuickList* list READ list CONSTANT)
    Q_PROPERTY(int width READ width NOTIFY laidOut)
    Q_PROPERTY(int height READ height NOTIFY laidOut)
    Q_PROPERTY(QFont font READ font NOTIFY laidOut)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY retranslated)
    Q_PROPERTY(QString requiredText READ requiredText NOTIFY retranslated)
    Q_PROPERTY(QString okText READ okText NOTIFY retranslated)
    Q_PROPERTY(QString yesText READ yesText NOTIFY retranslated)
    Q_PROPERTY(QString noText READ noText NOTIFY retranslated)

public:
    QuickForm(EditorForm& form, QObject* parent);
    ~QuickForm() override;

    QList<QObject*> controls() const;
    QuickList* list() { return m_list; }
    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    QFont font() const { return m_font; }
    QString accessibleName() const;
    QString requiredText() const;
    QString okText() const;
    QString yesText() const;
    QString noText() const;

    // Places every control for a form shown in `given` on a screen of `screen` logical DPI.
    void layOut(const QFont& given, qtcommon::Dpi screen);
    // Every shown text again, in the language of the translators installed now.
    void retranslate();
    // Shows the box and returns the pressed button (msgbox::ok, yes, no) once it is closed.
    // Without a QML dialog to show it (the form not yet, or no longer, shown), the box's
    // default button answers.
    int ask(const qtcommon::ShownMessageBox& box);

    Q_INVOKABLE QObject* control(const QString& name) const;
    // Tab and Shift+Tab; false at an end of the tab order, where the focus leaves the form.
    Q_INVOKABLE bool tab(bool forward);
    // Escape: Cancel in add and edit mode; false when the form has no use for the key.
    Q_INVOKABLE bool escape();
    // A label's access key: the focus moves to its input.
    Q_INVOKABLE void focusControl(const QString& name);
    // The focus went to an item of the host's.
    Q_INVOKABLE void leaveForm();
    // The dialog of ask() was closed with this button: msgbox::ok, yes or no.
    Q_INVOKABLE void answer(int button);

Q_SIGNALS:
    void laidOut();
    void retranslated();
    // icon: qtcommon::MessageIcon as a number.
    void messageRequested(const QString& title, const QString& text, bool question, int icon);
    // ask() returned: the QML dialog closes, if it is still open.
    void messageClosed();

private:
    void mirrorFocus();

    EditorForm& m_form;
    std::vector<QuickControl*> m_controls;
    QuickList* m_list;
    QSize m_size;
    QFont m_font;
    QEventLoop* m_answerLoop = nullptr;
    int m_answer = 0;
    std::vector<Signal::Connection> m_connections;
};

}  // namespace xkr::quick
