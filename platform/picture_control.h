#pragma once

#include <QPixmap>
#include <QSize>
#include <QWidget>

namespace ordisan {

// A static picture stretched over its rectangle, drawn from its SVG at whatever size
// the rectangle has, so it never blurs. At the template's size it comes from the
// picture cache; at any other size (a dialog being resized) it is rendered for this
// control alone and replaced at the next size, so no size is kept for good.
class PictureControl final : public QWidget {
    Q_OBJECT
public:
    PictureControl(int resource, QSize templateSize, QWidget* parent = nullptr);

    int resource() const { return resource_; }
    // The picture as it is painted at the control's present size.
    const QPixmap& picture();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int resource_;
    QSize templateSize_;
    QPixmap picture_;
};

} // namespace ordisan
