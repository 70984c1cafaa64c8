#include "platform/dialog_units.h"

#include <cstdlib>

namespace ordisan {

namespace {

// value × numerator / denominator, rounded half away from zero.
int scaleRounded(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long magnitude = (std::llabs(product) * 2 + denominator) / (2LL * denominator);
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

} // namespace

int dialogUnitsToPixelsX(int units)
{
    return scaleRounded(units, BASE_UNIT_X, 4);
}

int dialogUnitsToPixelsY(int units)
{
    return scaleRounded(units, BASE_UNIT_Y, 8);
}

QRect dialogRectToPixels(const DialogRect& rect)
{
    return QRect(dialogUnitsToPixelsX(rect.x), dialogUnitsToPixelsY(rect.y),
                 dialogUnitsToPixelsX(rect.cx), dialogUnitsToPixelsY(rect.cy));
}

QSize dialogSizeToPixels(int cx, int cy)
{
    return QSize(dialogUnitsToPixelsX(cx), dialogUnitsToPixelsY(cy));
}

} // namespace ordisan
