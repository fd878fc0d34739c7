#include "qt/CaptionLabel.h"

#include <QCheckBox>
#include <QMouseEvent>

namespace xkr::qt {

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    auto* box = qobject_cast<QCheckBox*>(buddy());
    if (box != nullptr && box->isEnabled() && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        box->click();
    }
}

}  // namespace xkr::qt
