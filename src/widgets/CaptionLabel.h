#pragma once

#include <QLabel>
#include <functional>

namespace xkr::widgets {

// A label that captions an input: a click on it is the user's click on the caption, which the
// core turns into a click on a check box. The focus filter has already moved the focus (and run
// validation) on the press.
class CaptionLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace xkr::widgets
