#pragma once

#include <QPushButton>

namespace xkr::qt {

// A command button that draws a caption too wide for it, as a longer translation may be, in the
// condensed face instead of cutting it off; the button keeps its size in the form's layout.
class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xkr::qt
