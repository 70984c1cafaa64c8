#include "platform/resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace ordisan {

namespace {

constexpr int ICON_SIZES[] = {16, 32, 48, 256};

// Rendered pictures by path, size and ratio, and the icons made of them: the
// program's one picture cache. Pixmaps must not outlive the application object, so
// the first use asks the application to empty the cache as it ends.
struct PictureCache {
    QHash<QString, QPixmap> pictures;
    QHash<int, QIcon> icons;
    bool releaseAtExit = false;
};

PictureCache& cacheStore()
{
    static PictureCache cache;
    return cache;
}

void releasePictures()
{
    clearPictureCache();
    cacheStore().releaseAtExit = false; // a later application object asks anew
}

PictureCache& pictureCache()
{
    PictureCache& cache = cacheStore();
    if (!cache.releaseAtExit && QCoreApplication::instance()) {
        qAddPostRoutine(releasePictures);
        cache.releaseAtExit = true;
    }
    return cache;
}

qreal devicePixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

bool isOpaque(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// size empty: the size the SVG declares. Not kept: the caller decides.
QPixmap renderUncached(const QString& path, QSize size)
{
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap;
    // Optional pictures (a button's focused image) are simply absent.
    QSvgRenderer renderer;
    if (QFile::exists(path) && renderer.load(path)) {
        const QSize logical = size.isEmpty() ? renderer.defaultSize() : size;
        QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
        painter.end();
        // Opaque pictures (the backgrounds) are copied, not blended, when painted.
        if (isOpaque(image))
            image = image.convertToFormat(QImage::Format_RGB32);
        pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio);
    }
    return pixmap;
}

QPixmap render(const QString& path, QSize size)
{
    const QString key = QStringLiteral("%1@%2x%3*%4")
                            .arg(path)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio());
    auto& cache = pictureCache().pictures;
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    const QPixmap pixmap = renderUncached(path, size);
    cache.insert(key, pixmap);
    return pixmap;
}

} // namespace

QString bitmapPath(int number)
{
    return QStringLiteral(":/res/bitmap%1.svg").arg(number);
}

QString iconPath(int number)
{
    return QStringLiteral(":/res/icon%1.svg").arg(number);
}

// Resource names are case-blind, kept in capitals: "Pregled" + "U" is PREGLEDU.
QString namedBitmapPath(const QString& name)
{
    return QStringLiteral(":/res/%1.svg").arg(name.toUpper());
}

QPixmap loadBitmap(int number)
{
    return render(bitmapPath(number), QSize());
}

QPixmap loadNamedBitmap(const QString& name)
{
    return render(namedBitmapPath(name), QSize());
}

QPixmap loadBitmap(int number, QSize size)
{
    return render(bitmapPath(number), size);
}

QPixmap renderBitmap(int number, QSize size)
{
    return renderUncached(bitmapPath(number), size);
}

QPixmap loadIconPixmap(int number, int size)
{
    const QString drawnForSize = QStringLiteral(":/res/icon%1-%2.svg").arg(number).arg(size);
    const QString path = QFile::exists(drawnForSize) ? drawnForSize : iconPath(number);
    return render(path, QSize(size, size));
}

QIcon loadIcon(int number)
{
    auto& cache = pictureCache().icons;
    if (const auto found = cache.constFind(number); found != cache.constEnd())
        return *found;
    QIcon icon;
    for (int size : ICON_SIZES) {
        const QPixmap pixmap = loadIconPixmap(number, size);
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    cache.insert(number, icon);
    return icon;
}

void clearPictureCache()
{
    cacheStore().pictures.clear();
    cacheStore().icons.clear();
}

} // namespace ordisan
