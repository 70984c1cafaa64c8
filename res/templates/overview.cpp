// Template 133, the overview tree. "Izlazak" stands first, so it is the first tab
// stop and takes the focus when the dialog opens; Tab moves on to the tree.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id      kind           x   y    cx   cy    text       styles, -, follows right, bottom
    {IDOK,     DefPushButton, {7, 300, 217, 14},  "Izlazak", TABSTOP,
     0, {Follow::Stretches, Follow::Moves}},
    {IDC_TREE, TreeView,      {7, 7, 217, 289},   nullptr,
     BORDER | TABSTOP | HASBUTTONS | HASLINES | LINESATROOT | MODALFRAME_EX, 0,
     {Follow::Stretches, Follow::Stretches}},
};

} // namespace

// No centring style: centred over the window that owns it.
const DialogTemplate OVERVIEW_TEMPLATE{IDD_OVERVIEW, "Pregled simptoma i sindroma", 231, 321,
                                       dialog_style::RESIZABLE, CONTROLS};

} // namespace ordisan
