#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ordisan {

// The program's pictures, looked up by resource number ("bitmap 179", "icon 128") or
// by name ("PREGLEDU", case-blind) among the SVG sources compiled into the Qt resources as
// :/res/bitmap179.svg, :/res/icon128.svg, :/res/PREGLEDU.svg. Each source is rendered
// once per pixel size and device pixel ratio and kept, so painting never renders.
// A missing or unreadable picture gives a null pixmap.

QString bitmapPath(int number);
QString iconPath(int number);
QString namedBitmapPath(const QString& name);

// At the size the SVG declares (its width and height).
QPixmap loadBitmap(int number);
QPixmap loadNamedBitmap(const QString& name);
// Stretched to the given size in device-independent pixels: kept, for the few sizes
// the templates give.
QPixmap loadBitmap(int number, QSize size);
// The same, rendered anew and not kept: for a picture that follows a window's size,
// which may take any size a user drags it to.
QPixmap renderBitmap(int number, QSize size);

// One square image of an icon; an icon may carry a version drawn for a small size
// (:/res/icon128-16.svg), which is then used at that size.
QPixmap loadIconPixmap(int number, int size);
// The icon at 16, 32, 48 and 256 px: window icons, big and small.
QIcon loadIcon(int number);

// Forgets every rendered picture. Runs by itself as the application object ends; the
// start-up benchmark calls it to measure a cold start.
void clearPictureCache();

} // namespace ordisan
