#pragma once

#include "platform/dialog_template.h"

#include <QRect>
#include <QSize>

namespace ordisan {

// Dialog units to pixels, the one place that says how. The program's templates were
// laid out for an 8-point sans font at 96 dpi, whose dialog base units are 6 × 13:
// one horizontal unit is 6/4 = 1.5 px and one vertical unit 13/8 px. Each value is
// converted on its own and rounded half away from zero, as the dialog manager's own
// conversion does, so 427 × 295 units give 641 × 479 px. Qt scales the pixels on
// high-dpi screens.
inline constexpr int BASE_UNIT_X = 6;
inline constexpr int BASE_UNIT_Y = 13;

int dialogUnitsToPixelsX(int units);
int dialogUnitsToPixelsY(int units);
QRect dialogRectToPixels(const DialogRect& rect);
QSize dialogSizeToPixels(int cx, int cy);

} // namespace ordisan
