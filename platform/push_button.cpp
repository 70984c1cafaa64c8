#include "platform/push_button.h"

#include "platform/focus_frame.h"

#include <QPainter>

namespace ordisan {

void PushButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, rect());
}

} // namespace ordisan
