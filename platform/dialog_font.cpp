#include "platform/dialog_font.h"

namespace ordisan {

QFont dialogFont()
{
    QFont font(QString::fromLatin1(DIALOG_FONT_FAMILY));
    font.setStyleHint(QFont::SansSerif);
    // Pixels, not points: the layout is in pixels at 96 dpi whatever dpi the X
    // server claims; Qt still scales the whole on high-dpi screens.
    font.setPixelSize(DIALOG_FONT_PIXELS);
    return font;
}

} // namespace ordisan
