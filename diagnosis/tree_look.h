// How the diagnosis dialog's trees look beyond what the platform builds from the
// template: the selection with and without focus, and texts shown whole.
#pragma once

class QTreeWidget;

namespace ordisan {

// A tree with the show-selection-always style keeps its selection visible when
// another control has the focus; without it, the selection shows only while the
// tree has the focus.
void showSelectionAlways(QTreeWidget* tree, bool always);

// No text is ever cut short: the one column is exactly as wide as the widest item
// (call fitColumnToItems after every fill) and the tree scrolls sideways.
void showTextsWhole(QTreeWidget* tree);
// Sets the column to the width of the widest item, collapsed branches included, so
// that expanding a syndrome never cuts a text.
void fitColumnToItems(QTreeWidget* tree);

} // namespace ordisan
