#pragma once

#include "platform/dialog_template.h"

#include <QString>

class QWidget;

namespace ordisan {

// The objectName of a template's control: its id in decimal ("1023"), "IDOK" and
// "IDCANCEL" for those two, and "static-N" for an unnamed control, N being its
// position in the template. Tests find controls by it.
QString controlObjectName(int id, int index);

// Makes the widget for one row of a template, placed and styled as the row says.
// `index` is the row's position in the template.
QWidget* createControl(const ControlTemplate& row, int index, QWidget* dialog);

} // namespace ordisan
