#pragma once

#include <QLabel>

namespace xkr::qt {

// A label that captions an input. When the input is a check box, a click on the caption is a
// click on the box, as Qt users expect of a check box's text; the focus filter has already
// moved the focus (and run validation) on the press.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace xkr::qt
