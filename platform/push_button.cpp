#include "platform/push_button.h"

#include "platform/focus_frame.h"

#include <QPainter>

namespace ordisan {

namespace {

constexpr int FOCUS_INSET = 3;

} // namespace

void PushButton::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, rect().adjusted(FOCUS_INSET, FOCUS_INSET, -FOCUS_INSET - 1, -FOCUS_INSET - 1));
}

} // namespace ordisan
