#pragma once

class QModelIndex;
class QPainter;
class QRect;
class QTreeView;

namespace ordisan {

// Paints the branch area `rect` of the row of `index` as a native tree does: dotted
// lines from each item to its next sibling and to its parent's line, and a small box
// with + or − on every item that has children.
void drawTreeLines(QPainter& painter, const QTreeView& tree, const QRect& rect,
                   const QModelIndex& index);

} // namespace ordisan
