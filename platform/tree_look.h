// How the dialogs' trees look beyond what the platform builds from the template: the
// selection with and without focus, and texts shown whole.
#pragma once

class QTreeWidget;

namespace ordisan {

// A tree with the show-selection-always style keeps its selection visible when
// another control has the focus; without it, the selection shows only while the
// tree has the focus.
void showSelectionAlways(QTreeWidget* tree, bool always);

// Who keeps the one column as wide as the widest item: the view, measuring every
// shown row, or the dialog, calling fitColumn after every fill (quicker when it has
// the widths measured already).
enum class ColumnWidth { FitsShownItems, SetByFitColumn };

// No text is ever cut short: the column holds the widest item and the tree scrolls
// sideways.
void showTextsWhole(QTreeWidget* tree, ColumnWidth width);
// Where the text of an item at `depth` (0 for a top-level item) starts, less the icon
// and margins that every item has.
int textIndent(const QTreeWidget* tree, int depth);
// Sets the column to hold the widest item, collapsed branches included, so that
// expanding a branch never cuts a text: `widest` is the largest text width plus its
// textIndent among all items.
void fitColumn(QTreeWidget* tree, int widest);

} // namespace ordisan
