#include "platform/picture_control.h"

#include "platform/resources.h"

#include <QPainter>

namespace ordisan {

PictureControl::PictureControl(int resource, QSize templateSize, QWidget* parent)
    : QWidget(parent), resource_(resource), templateSize_(templateSize)
{
    picture_ = loadBitmap(resource_, templateSize_);
}

const QPixmap& PictureControl::picture()
{
    if (picture_.deviceIndependentSize().toSize() != size() || picture_.isNull()) {
        picture_ = size() == templateSize_ ? loadBitmap(resource_, size())
                                           : renderBitmap(resource_, size());
    }
    return picture_;
}

void PictureControl::paintEvent(QPaintEvent*)
{
    const QPixmap& shown = picture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, shown);
}

} // namespace ordisan
