#include "qt/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace xkr::qt {

void CaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    if (fontMetrics().horizontalAdvance(text()) > width() - 2 * frame) {
        QFont condensed = font();
        condensed.setStretch(QFont::Condensed);
        painter.setFont(condensed);
    }
    painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace xkr::qt
