#pragma once

#include <QColor>
#include <QWidget>

namespace xkr::qt {

// The required-field marker: a small dark-red circle, drawn rather than loaded from a picture.
class BulletMarker : public QWidget {
    Q_OBJECT

public:
    static constexpr int diameterPixels = 12;
    static inline const QColor colour{139, 0, 0};

    explicit BulletMarker(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace xkr::qt
