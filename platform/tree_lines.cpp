#include "platform/tree_lines.h"

#include <QPainter>
#include <QTreeView>

#include <algorithm>
#include <optional>

namespace ordisan {

namespace {

constexpr int BOX_HALF = 4; // the expand box is 9 × 9 pixels

// One pixel on, one off, on the same checkerboard for every line, so that lines meet
// without a gap or a doubled dot, whatever the row height.
void addDottedLine(QList<QPoint>& points, QPoint from, QPoint to)
{
    const bool across = from.y() == to.y();
    const int first = across ? std::min(from.x(), to.x()) : std::min(from.y(), to.y());
    const int last = across ? std::max(from.x(), to.x()) : std::max(from.y(), to.y());
    for (int at = first; at <= last; ++at) {
        const QPoint point = across ? QPoint(at, from.y()) : QPoint(from.x(), at);
        if ((point.x() + point.y()) % 2 == 0)
            points.append(point);
    }
}

void drawExpandBox(QPainter& painter, const QPalette& palette, QPoint centre, bool expanded)
{
    const QRect box(centre.x() - BOX_HALF, centre.y() - BOX_HALF, 2 * BOX_HALF + 1, 2 * BOX_HALF + 1);
    painter.fillRect(box, palette.color(QPalette::Base));
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette.color(QPalette::Text));
    painter.drawLine(centre.x() - 2, centre.y(), centre.x() + 2, centre.y());
    if (!expanded)
        painter.drawLine(centre.x(), centre.y() - 2, centre.x(), centre.y() + 2);
}

} // namespace

void drawTreeLines(QPainter& painter, const QTreeView& tree, const QRect& rect,
                   const QModelIndex& index)
{
    const int step = tree.indentation();
    if (step <= 0 || rect.width() < step)
        return;
    const QAbstractItemModel* model = index.model();
    const int middleY = rect.top() + rect.height() / 2;
    QList<QPoint> dots;
    std::optional<QPoint> box;

    // From the item's own column leftwards through its ancestors' columns.
    bool own = true;
    int left = rect.left() + rect.width() - step;
    for (QModelIndex item = index; item.isValid() && left >= rect.left(); item = item.parent()) {
        const int middleX = left + step / 2;
        const bool hasNext = model->index(item.row() + 1, 0, item.parent()).isValid();
        if (own) {
            const bool hasAbove = item.row() > 0 || item.parent().isValid();
            addDottedLine(dots, {middleX, hasAbove ? rect.top() : middleY},
                          {middleX, hasNext ? rect.bottom() : middleY});
            addDottedLine(dots, {middleX, middleY}, {left + step - 2, middleY});
            if (model->hasChildren(item))
                box = QPoint(middleX, middleY);
        } else if (hasNext) {
            addDottedLine(dots, {middleX, rect.top()}, {middleX, rect.bottom()});
        }
        own = false;
        left -= step;
    }

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(tree.palette().color(QPalette::Dark));
    painter.drawPoints(dots.constData(), static_cast<int>(dots.size()));
    if (box)
        drawExpandBox(painter, tree.palette(), *box, tree.isExpanded(index));
    painter.restore();
}

} // namespace ordisan
