#pragma once

#include <QColor>
#include <QGroupBox>
#include <QList>
#include <QRect>

namespace xkr::widgets {

// A frame that draws the required-field markers placed in it: small dark-red circles. They are
// decoration, so they are painted rather than made widgets, which keeps them out of what a
// screen reader walks through (the field's own description says it is required).
class MarkedFrame : public QGroupBox {
    Q_OBJECT

public:
    static inline const QColor markerColour{139, 0, 0};

    explicit MarkedFrame(const QString& title, QWidget* parent = nullptr);

    // The marker fills the square centred in `area`, in the frame's coordinates.
    void addMarker(const QRect& area);
    // Before the form is laid out again for another font.
    void clearMarkers();
    const QList<QRect>& markers() const { return m_markers; }
    // What the mouse over a marker shows.
    void setMarkerToolTip(const QString& text) { m_markerToolTip = text; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QList<QRect> m_markers;
    QString m_markerToolTip;
};

}  // namespace xkr::widgets
