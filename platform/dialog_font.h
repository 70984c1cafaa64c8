#pragma once

#include <QFont>

namespace ordisan {

// The one font of every dialog, message box and menu of the program: a sans font
// of 8 points at 96 dpi, that is 11 px, as the templates were laid out for.
// Carlito (Debian fonts-crosextra-carlito) is narrow enough for every template text
// to fit its rectangle and 13 px high, one line of 8 dialog units; Liberation Sans
// and DejaVu Sans run a few pixels over the tightest labels ("Sindroma:").
inline constexpr const char* DIALOG_FONT_FAMILY = "Carlito";
inline constexpr int DIALOG_FONT_PIXELS = 11;

QFont dialogFont();

} // namespace ordisan
