#include "platform/focus_frame.h"

#include <QPainter>
#include <QPen>

namespace ordisan {

void drawFocusFrame(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(rect);
    QPen dots(Qt::black, 1, Qt::CustomDashLine);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.drawRect(rect);
    painter.restore();
}

} // namespace ordisan
