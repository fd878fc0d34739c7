#pragma once

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "view/EditorForm.h"
#include "view/Layout.h"
#include "view/Signal.h"

namespace xkr::quick {

// One row of the layout table as the QML form shows it: a frame, a label, a button, an input or
// a required-field marker, with what its control model holds now. The QML side only presents
// these values; what a person does comes back through the invokable methods, which are the
// user operations every front end uses.
class QuickControl : public QObject {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(QString kind READ kind CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QRect geometry READ geometry NOTIFY laidOut)
    Q_PROPERTY(QFont font READ font NOTIFY laidOut)
    Q_PROPERTY(QString text READ text NOTIFY changed)
    Q_PROPERTY(QString styledText READ styledText NOTIFY changed)
    Q_PROPERTY(bool enabled READ enabled NOTIFY changed)
    Q_PROPERTY(bool readOnly READ readOnly NOTIFY changed)
    Q_PROPERTY(bool checked READ checked NOTIFY changed)
    Q_PROPERTY(QStringList items READ items NOTIFY changed)
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY changed)
    Q_PROPERTY(QColor background READ background NOTIFY changed)
    Q_PROPERTY(QColor foreground READ foreground CONSTANT)
    Q_PROPERTY(int maxLength READ maxLength CONSTANT)
    Q_PROPERTY(int selectionStart READ selectionStart NOTIFY changed)
    Q_PROPERTY(int selectionLength READ selectionLength NOTIFY changed)
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY changed)
    Q_PROPERTY(QString accessibleDescription READ accessibleDescription NOTIFY changed)
    Q_PROPERTY(QString accessKey READ accessKey NOTIFY changed)
    Q_PROPERTY(QString buddy READ buddy CONSTANT)
    Q_PROPERTY(bool required READ required CONSTANT)

public:
    QuickControl(const layout::Item& item, EditorForm& form, QObject* parent);

    QString kind() const;
    QString name() const;
    QRect geometry() const { return m_geometry; }
    QFont font() const { return m_font; }
    // A label's or button's caption with its access key marked by '&', a text box's text, a
    // combo's current item.
    QString text() const;
    // A label's or button's caption as Qt Quick's styled text: its access key underlined, as a
    // widget shows it, and markup characters shown as they are.
    QString styledText() const;
    bool enabled() const;
    bool readOnly() const;
    bool checked() const;
    QStringList items() const;
    int currentIndex() const;
    QColor background() const;
    QColor foreground() const;
    int maxLength() const { return m_item.maxLength; }
    // A selection the core made (an input refused and selected), in UTF-16 units.
    int selectionStart() const;
    int selectionLength() const;
    QString accessibleName() const;
    QString accessibleDescription() const;
    // The letter after the caption's '&', which Alt pressed with moves to its input; empty for
    // none.
    QString accessKey() const;
    // A label's input: the QuickControl name that its access key and clicks go to.
    QString buddy() const { return m_buddy; }
    bool required() const { return m_item.required(); }

    Control* control() const { return m_control; }
    const layout::Item& item() const { return m_item; }
    void setBuddy(QString buddy) { m_buddy = std::move(buddy); }
    // Called when a user operation left the core's focus elsewhere than Qt Quick's.
    std::function<void()> onFocusKept;
    void layOut(const QRect& geometry, const QFont& font);
    // Shown texts again in the language installed now.
    void retranslate() { Q_EMIT changed(); }

    // What a person does.
    Q_INVOKABLE void type(const QString& text);
    Q_INVOKABLE void pick(int index);
    Q_INVOKABLE void click();
    Q_INVOKABLE void press();
    // The input took Qt Quick's focus: the user's focus move, which the control losing it may
    // refuse; then the focus goes back where the core keeps it.
    Q_INVOKABLE void focusIn();

Q_SIGNALS:
    void changed();
    void laidOut();
    // The core put its focus here: the QML item takes the active focus.
    void focusRequested();

private:
    const layout::Item& m_item;
    EditorForm& m_form;
    Control* m_control;
    QString m_buddy;
    QRect m_geometry;
    QFont m_font;
    std::vector<Signal::Connection> m_connections;
};

}  // namespace xkr::quick
