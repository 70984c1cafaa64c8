#pragma once

#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <QWidget>

namespace ordisan {

// A static picture stretched over its rectangle, drawn from its SVG at the size the
// rectangle has, so it never blurs for long. At the template's size it comes from the
// picture cache. At any other size (a dialog being resized) it is rendered for this
// control alone, once the size has held for a moment: a large texture takes a tenth of
// a second to render, too long for every step of a dragged edge, so meanwhile the
// last picture is shown stretched. No size but the template's is kept for good.
class PictureControl final : public QWidget {
    Q_OBJECT
public:
    static constexpr int SETTLE_MS = 120;

    PictureControl(int resource, QSize templateSize, QWidget* parent = nullptr);

    int resource() const { return resource_; }
    // The picture as last rendered; its size is the control's once it has settled.
    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void render();

    int resource_;
    QSize templateSize_;
    QPixmap picture_;
    QTimer settle_;
};

} // namespace ordisan
