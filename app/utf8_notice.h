#pragma once

#include "knowledge/file_access.h"

#include <QString>

namespace ordisan {

// What the user is told once the loader has closed when a data file seems saved as
// UTF-8 rather than code page 1250 (its letters then show garbled): each such file by
// its path with its first such line, read as the author wrote it. Empty when neither
// file has one. The load itself is not touched.
QString utf8Notice(FileAccess& files);

} // namespace ordisan
