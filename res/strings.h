#pragma once

#include <QString>

namespace ordisan {

// The string table. A missing string reads as empty.
QString loadString(int id);

} // namespace ordisan
