#include "views/browsing_tree.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace ordisan {

void setUpBrowsingTree(QTreeWidget* tree)
{
    if (!tree)
        return;
    tree->setTextElideMode(Qt::ElideNone);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // Every shown row counts, not only the first thousand: the longest text may stand
    // anywhere in a long expanded branch.
    header->setResizeContentsPrecision(-1);
}

} // namespace ordisan
