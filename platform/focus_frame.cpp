#include "platform/focus_frame.h"

#include <QPainter>
#include <QPen>

namespace ordisan {

namespace {

constexpr int FOCUS_INSET = 3;

} // namespace

void drawFocusFrame(QPainter& painter, const QRect& buttonRect)
{
    const QRect rect =
        buttonRect.adjusted(FOCUS_INSET, FOCUS_INSET, -FOCUS_INSET - 1, -FOCUS_INSET - 1);
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
