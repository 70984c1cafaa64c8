#pragma once

#include <QPushButton>

namespace ordisan {

// A template's push button. The style alone shows focus and the default button
// alike; a dotted frame inside the face tells which button has the focus.
class PushButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ordisan
