#include "qt/MarkedFrame.h"

#include <QPainter>
#include <algorithm>

namespace xkr::qt {

MarkedFrame::MarkedFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void MarkedFrame::addMarker(const QRect& area) {
    m_markers.append(area);
    update(area);
}

void MarkedFrame::clearMarkers() {
    m_markers.clear();
    update();
}

void MarkedFrame::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markerColour);
    for (const QRect& area : m_markers) {
        const int diameter = std::min(area.width(), area.height());
        QRectF circle(0, 0, diameter, diameter);
        circle.moveCenter(QRectF(area).center());
        painter.drawEllipse(circle);
    }
}

}  // namespace xkr::qt
