#include "platform/control_backing.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace ordisan {

namespace {

// The art's palette (res/README.md).
const QColor SHADOW(0x2a, 0x30, 0x35);
const QColor HEADING_TEAL(0x1f, 0x62, 0x70);

QColor withAlpha(QColor colour, qreal alpha)
{
    colour.setAlphaF(static_cast<float>(alpha));
    return colour;
}

// The panel reaches this far beyond the tree; its heading stands in the strip above.
constexpr int PANEL_SIDE = 8;
constexpr int PANEL_TOP = 30;
constexpr int PANEL_BOTTOM = 10;
constexpr int HEADING_HEIGHT = 26;
// A shadow falls right and down of a panel or a frame.
constexpr QPoint SHADOW_OFFSET(2, 3);

// The frame is a square this much larger than the button's longer side, centred on it
// across and standing this far above it; the mat shows this much round the button.
constexpr int FRAME_GROWTH = 14;
constexpr int FRAME_ABOVE = 7;
constexpr int MAT = 3;

// A raised grey face with its drop shadow, its outline and light top and left edges; the
// face stands at the widget's origin.
struct RaisedFace {
    qreal shadow;
    QColor top, bottom, outline;
    qreal lightTop, lightLeft;
};

void paintRaisedFace(QPainter& painter, const QRect& face, const RaisedFace& look)
{
    const int w = face.width();
    const int h = face.height();
    painter.fillRect(face.translated(SHADOW_OFFSET), withAlpha(SHADOW, look.shadow));
    QLinearGradient grey(0, 0, 0, h);
    grey.setColorAt(0, look.top);
    grey.setColorAt(1, look.bottom);
    painter.fillRect(face, grey);
    painter.setPen(look.outline);
    painter.drawRect(face.adjusted(0, 0, -1, -1));
    painter.fillRect(1, 1, w - 2, 1, withAlpha(Qt::white, look.lightTop));
    painter.fillRect(1, 2, 1, h - 3, withAlpha(Qt::white, look.lightLeft));
}

} // namespace

ControlBacking::ControlBacking(QWidget* control)
    : QWidget(control->parentWidget()), control_(control)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    control->installEventFilter(this);
}

void ControlBacking::follow()
{
    if (!control_)
        return;
    setGeometry(backingRect(control_->geometry()));
    stackUnder(control_);
    setVisible(!control_->isHidden());
}

QRect ControlBacking::controlRect() const
{
    return control_ ? control_->geometry().translated(-pos()) : QRect();
}

bool ControlBacking::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

TreePanel::TreePanel(QWidget* tree, const QString& heading)
    : ControlBacking(tree), heading_(heading)
{
    follow();
}

QRect TreePanel::backingRect(const QRect& tree) const
{
    return tree.adjusted(-PANEL_SIDE, -PANEL_TOP, PANEL_SIDE + SHADOW_OFFSET.x(),
                         PANEL_BOTTOM + SHADOW_OFFSET.y());
}

void TreePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect tree = controlRect();
    const QRect face = tree.adjusted(-PANEL_SIDE, -PANEL_TOP, PANEL_SIDE, PANEL_BOTTOM);
    const int w = face.width();
    const int h = face.height();

    // A light bevel above and left, a dark one below and right.
    paintRaisedFace(painter, face,
                    {0.18, QColor(0xb9, 0xbe, 0xc2), QColor(0xa4, 0xaa, 0xaf),
                     QColor(0x6f, 0x76, 0x7c), 0.55, 0.55});
    const QColor dark = withAlpha(SHADOW, 0.25);
    painter.fillRect(2, h - 2, w - 3, 1, dark);
    painter.fillRect(w - 2, 2, 1, h - 4, dark);

    QLinearGradient strip(0, 2, 0, 2 + HEADING_HEIGHT);
    strip.setColorAt(0, withAlpha(Qt::white, 0.35));
    strip.setColorAt(1, withAlpha(Qt::white, 0.05));
    painter.fillRect(2, 2, w - 4, HEADING_HEIGHT, strip);
    // The title lettering: DejaVu Sans Bold, sizes in pixels, cut into the surface.
    QFont lettering(QStringLiteral("DejaVu Sans"));
    lettering.setBold(true);
    lettering.setPixelSize(15);
    painter.setFont(lettering);
    const QPoint baseline(tree.left(), tree.top() - 9);
    painter.setPen(withAlpha(Qt::white, 0.45));
    painter.drawText(baseline + QPoint(1, 1), heading_);
    painter.setPen(HEADING_TEAL);
    painter.drawText(baseline, heading_);

    // The sunken edge just outside the tree: dark above and left, light below and right.
    const QRect edge = tree.adjusted(-2, -2, 2, 2);
    const QColor sunk = withAlpha(SHADOW, 0.45);
    painter.fillRect(edge.left(), edge.top(), edge.width(), 2, sunk);
    painter.fillRect(edge.left(), tree.top(), 2, tree.height(), sunk);
    const QColor lit = withAlpha(Qt::white, 0.6);
    painter.fillRect(edge.left(), tree.bottom() + 1, edge.width(), 2, lit);
    painter.fillRect(tree.right() + 1, tree.top(), 2, tree.height(), lit);
}

PictureFrame::PictureFrame(QWidget* button) : ControlBacking(button)
{
    follow();
}

QRect PictureFrame::backingRect(const QRect& button) const
{
    const int side = std::max(button.width(), button.height()) + FRAME_GROWTH;
    return QRect(button.left() - (side - button.width()) / 2, button.top() - FRAME_ABOVE,
                 side + SHADOW_OFFSET.x(), side + SHADOW_OFFSET.y());
}

void PictureFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int side = width() - SHADOW_OFFSET.x();
    const QRect frame(0, 0, side, side);
    paintRaisedFace(painter, QRect(0, 0, side, side),
                    {0.2, QColor(0x8d, 0x94, 0x99), QColor(0x5f, 0x67, 0x6d),
                     QColor(0x3f, 0x46, 0x4b), 0.5, 0.35});

    const QRect mat = controlRect().adjusted(-MAT, -MAT, MAT, MAT);
    painter.fillRect(mat, QColor(0xe9, 0xec, 0xec));
    painter.fillRect(mat.left(), mat.top(), mat.width(), 1, withAlpha(SHADOW, 0.5));
    painter.fillRect(mat.left(), mat.top() + 1, 1, mat.height() - 1, withAlpha(SHADOW, 0.4));
}

} // namespace ordisan
