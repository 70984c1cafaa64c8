#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

namespace ordisan {

class CDialog;

// A button that is all picture: its up image, its down image while it is held, and a
// focused or disabled image when it has one. Until its images are loaded it paints
// nothing, as an owner-drawn button with no one drawing it.
class PictureButton final : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

    // Loads the pictures named after the caption followed by U (up), D (down),
    // F (focused) and X (disabled), of which only the up image is required, and takes
    // the up image's size with the top-left corner kept. False when the up image is
    // missing; the button then keeps its size and paints nothing.
    bool loadImages();

    const QPixmap& upImage() const { return up_; }
    const QPixmap& downImage() const { return down_; }
    // The picture the button shows in its present state.
    const QPixmap& currentImage() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap up_;
    QPixmap down_;
    QPixmap focused_;
    QPixmap disabled_;
};

// A dialog member attached to one owner-drawn button of the dialog's template.
class CBitmapButton {
public:
    // Attaches to the dialog's control `id` and loads its images (PictureButton::
    // loadImages). False when the control is not a picture button or its up image is
    // missing.
    bool AutoLoad(int id, CDialog* parent);
    PictureButton* button() const { return button_.data(); }

private:
    QPointer<PictureButton> button_;
};

} // namespace ordisan
