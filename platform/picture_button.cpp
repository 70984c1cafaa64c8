#include "platform/picture_button.h"

#include "platform/dialog.h"
#include "platform/focus_frame.h"
#include "platform/resources.h"

#include <QPainter>

namespace ordisan {

PictureButton::PictureButton(const QString& caption, QWidget* parent) : QAbstractButton(parent)
{
    // The caption is never shown; it names the pictures.
    setText(caption);
}

bool PictureButton::loadImages()
{
    up_ = loadNamedBitmap(text() + QLatin1Char('U'));
    down_ = loadNamedBitmap(text() + QLatin1Char('D'));
    focused_ = loadNamedBitmap(text() + QLatin1Char('F'));
    disabled_ = loadNamedBitmap(text() + QLatin1Char('X'));
    if (up_.isNull())
        return false;
    resize(up_.deviceIndependentSize().toSize());
    updateGeometry();
    update();
    return true;
}

const QPixmap& PictureButton::currentImage() const
{
    if (isDown() && !down_.isNull())
        return down_;
    if (!isEnabled() && !disabled_.isNull())
        return disabled_;
    if (hasFocus() && !focused_.isNull())
        return focused_;
    return up_;
}

QSize PictureButton::sizeHint() const
{
    return up_.isNull() ? size() : up_.deviceIndependentSize().toSize();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    const QPixmap& image = currentImage();
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, image);
    // Without a focus picture of its own the button would look the same with the
    // focus and without it.
    if (hasFocus() && focused_.isNull())
        drawFocusFrame(painter, rect());
}

bool CBitmapButton::AutoLoad(int id, CDialog* parent)
{
    button_ = parent ? parent->GetDlgItem<PictureButton>(id) : nullptr;
    return button_ && button_->loadImages();
}

} // namespace ordisan
