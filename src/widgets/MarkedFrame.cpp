#include "widgets/MarkedFrame.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace xkr::widgets {

MarkedFrame::MarkedFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void MarkedFrame::addMarker(const QRect& area) {
    m_markers.append(area);
    update(area);
}

void MarkedFrame::clearMarkers() {
    m_markers.clear();
    update();
}

bool MarkedFrame::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QGroupBox::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const bool onMarker =
        std::any_of(m_markers.begin(), m_markers.end(),
                    [help](const QRect& area) { return area.contains(help->pos()); });
    if (onMarker && !m_markerToolTip.isEmpty()) {
        QToolTip::showText(help->globalPos(), m_markerToolTip, this);
    } else {
        QToolTip::hideText();
        event->ignore();
    }
    return true;
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

}  // namespace xkr::widgets
