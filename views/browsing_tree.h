#pragma once

class QTreeWidget;

namespace ordisan {

// What the two browsing trees add to the tree control their template gives: one column
// as wide as its longest shown text, scrolled sideways rather than cut or elided.
void setUpBrowsingTree(QTreeWidget* tree);

} // namespace ordisan
