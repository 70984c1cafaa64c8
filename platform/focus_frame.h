#pragma once

class QPainter;
class QRect;

namespace ordisan {

// The keyboard focus drawn on a button: a dotted rectangle of dark and light pixels
// in turn, a few pixels inside `buttonRect`, plain to see on a light face and on a
// coloured picture alike.
void drawFocusFrame(QPainter& painter, const QRect& buttonRect);

} // namespace ordisan
