// Renders the application icon (icon 128) to PNG files for the desktop's icon theme,
// exactly as the program draws it: ordisan-render-icon OUTDIR writes OUTDIR/16.png,
// 32.png, 48.png and 256.png.
#include "platform/resources.h"
#include "res/resource.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ordisan-render-icon OUTDIR\n");
        return 2;
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = ordisan::loadIconPixmap(ordisan::IDR_MAINFRAME, size);
        if (pixmap.isNull() || !pixmap.save(out.filePath(QStringLiteral("%1.png").arg(size))))
            return 1;
    }
    return 0;
}
