#include "widgets/CaptionLabel.h"

#include <QMouseEvent>

namespace xkr::widgets {

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (onClick && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        onClick();
    }
}

}  // namespace xkr::widgets
