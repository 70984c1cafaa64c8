// Template 136, the dictionary tree. "Izlazak" stands first, so it is the first tab
// stop and takes the focus when the dialog opens; Tab moves on to the tree.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id      kind           x   y    cx   cy    text       styles, -, follows right, bottom
    {IDOK,     DefPushButton, {7, 316, 170, 14},  "Izlazak", TABSTOP,
     0, {Follow::Stretches, Follow::Moves}},
    {IDC_TREE, TreeView,      {7, 7, 170, 306},   nullptr,
     BORDER | TABSTOP | HASBUTTONS | HASLINES | LINESATROOT, 0, {Follow::Stretches, Follow::Stretches}},
};

} // namespace

const DialogTemplate DICTIONARY_TEMPLATE{IDD_DICTIONARY, "Rjecnik", 184, 337,
                                         dialog_style::CENTER | dialog_style::RESIZABLE, CONTROLS};

} // namespace ordisan
