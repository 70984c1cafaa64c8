#pragma once

#include "platform/dialog_template.h"

#include <QRect>
#include <QSize>

namespace ordisan {

// Where a control stands whose rectangle at the template's size is `home`, in a
// dialog `change` larger than its template (smaller, when it had to shrink to fit a
// screen; a control never gets a negative size). Two controls that share a change
// (FirstHalf, SecondHalf) meet where they met at the template's size.
QRect followEdges(const QRect& home, Anchor anchor, QSize change);

} // namespace ordisan
