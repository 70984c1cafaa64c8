#include "platform/tree_look.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

namespace ordisan {

namespace {

// The delegate measures a text with a text layout, which may round up by a pixel, and
// a text is measured as its percentage and its name apart.
constexpr int MEASURING_SLACK = 4;

} // namespace

// An item view without the focus paints with the palette's inactive colours.
void showSelectionAlways(QTreeWidget* tree, bool always)
{
    QPalette palette = tree->palette();
    if (always) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight,
                         palette.color(QPalette::Active, QPalette::Highlight));
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         palette.color(QPalette::Inactive, QPalette::Text));
    }
    tree->setPalette(palette);
}

void showTextsWhole(QTreeWidget* tree, ColumnWidth width)
{
    tree->setTextElideMode(Qt::ElideNone);
    tree->setWordWrap(false);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    if (width == ColumnWidth::SetByFitColumn) {
        header->setSectionResizeMode(0, QHeaderView::Fixed);
        return;
    }
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // Every shown row counts, not only the first thousand: the longest text may stand
    // anywhere in a long expanded branch.
    header->setResizeContentsPrecision(-1);
}

int textIndent(const QTreeWidget* tree, int depth)
{
    return (depth + (tree->rootIsDecorated() ? 1 : 0)) * tree->indentation();
}

void fitColumn(QTreeWidget* tree, int widest)
{
    QTreeWidgetItem* probe = tree->topLevelItem(0);
    if (!probe) {
        tree->header()->resizeSection(0, 0);
        return;
    }
    // What the view puts around a text: the icon and the margins. Every item of a
    // tree has the same icon size and font.
    const QFontMetrics metrics(tree->font());
    const int aroundText = tree->sizeHintForIndex(tree->indexFromItem(probe)).width()
        - metrics.horizontalAdvance(probe->text(0));
    tree->header()->resizeSection(0, widest + aroundText + MEASURING_SLACK);
}

} // namespace ordisan
