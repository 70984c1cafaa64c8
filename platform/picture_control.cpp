#include "platform/picture_control.h"

#include "platform/resources.h"

#include <QPainter>

namespace ordisan {

PictureControl::PictureControl(int resource, QSize templateSize, QWidget* parent)
    : QWidget(parent), resource_(resource), templateSize_(templateSize)
{
    picture_ = loadBitmap(resource_, templateSize_);
    settle_.setSingleShot(true);
    settle_.setInterval(SETTLE_MS);
    connect(&settle_, &QTimer::timeout, this, &PictureControl::render);
}

void PictureControl::render()
{
    picture_ = size() == templateSize_ ? loadBitmap(resource_, size())
                                       : renderBitmap(resource_, size());
    update();
}

void PictureControl::resizeEvent(QResizeEvent*)
{
    if (size() == templateSize_)
        render(); // from the cache
    else if (picture_.deviceIndependentSize().toSize() != size())
        settle_.start();
}

void PictureControl::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (picture_.deviceIndependentSize().toSize() == size()) {
        painter.drawPixmap(0, 0, picture_);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture_);
    }
}

} // namespace ordisan
