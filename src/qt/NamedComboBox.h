#pragma once

#include <QComboBox>

namespace xkr::qt {

// A combo that assistive technology announces by its accessible name (its label's caption),
// with its current item as its value. Qt's own combo on Linux gives its current item as its
// name too, so "Country" would be read out as "USA".
class NamedComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit NamedComboBox(QWidget* parent = nullptr);
};

}  // namespace xkr::qt
