// Template 140, the diagnosis dialog. Template order is the tab order; the left
// tree is the first tab stop.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id               kind             x    y    cx   cy    text            styles
    {IDC_STATIC,        Picture,         {0, 0, 427, 295},    nullptr,        0, IDB_DIAGNOSIS},
    {IDC_SYNDROME_TREE, TreeView,        {17, 49, 164, 235},  nullptr,
     HASBUTTONS | HASLINES | LINESATROOT | SHOWSELALWAYS | BORDER | TABSTOP},
    {IDC_SYMPTOM_TREE,  TreeView,        {196, 49, 161, 235}, nullptr,        HASBUTTONS | HASLINES | BORDER | TABSTOP},
    {IDC_PREGLED,       OwnerDrawButton, {375, 36, 36, 34},   "PR",           TABSTOP},
    {IDC_RJECNIK,       OwnerDrawButton, {374, 86, 38, 32},   "RJ",           TABSTOP},
    {IDC_RERANK,        PushButton,      {369, 134, 50, 137}, "<<Rangiraj>>", TABSTOP},
    {IDOK,              DefPushButton,   {369, 275, 50, 15},  "Izlazak",      TABSTOP},
};

} // namespace

const DialogTemplate DIAGNOSIS_TEMPLATE{IDD_DIAGNOSIS, "Dijagnosticiranje", 427, 295, 0, CONTROLS};

} // namespace ordisan
