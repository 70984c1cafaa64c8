#include "platform/group_frame.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ordisan {

namespace {

// The title starts this far in from the frame's left edge, with this much air on
// each side of it.
constexpr int TITLE_INDENT = 8;
constexpr int TITLE_PADDING = 2;

} // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {}

void GroupFrame::setTitle(const QString& title)
{
    title_ = title;
    update();
}

QRect GroupFrame::titleRect() const
{
    if (title_.isEmpty())
        return {};
    const QFontMetrics metrics = fontMetrics();
    return QRect(TITLE_INDENT, 0, metrics.horizontalAdvance(title_) + 2 * TITLE_PADDING,
                 metrics.height());
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int lineY = fontMetrics().height() / 2;

    // Drawn here rather than by the style: styles put their own title space above
    // the frame, and the template's rows would then sit on the frame's top line.
    qDrawShadeRect(&painter, rect().adjusted(0, lineY, 0, 0), palette(), true, 1, 0);

    const QRect titleArea = titleRect();
    if (titleArea.isEmpty())
        return;
    painter.fillRect(titleArea, palette().window());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    painter.drawText(titleArea, Qt::AlignCenter | Qt::TextSingleLine, title_);
}

} // namespace ordisan
