// Template 140, the diagnosis dialog. Template order is the tab order; the left
// tree is the first tab stop. It can grow: the trees share the extra width and take
// the extra height, the buttons keep to the right edge and "Izlazak" to the bottom.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id               kind             x    y    cx   cy    text            styles
    //   picture                   follows the right edge, the bottom edge
    {IDC_STATIC,        Picture,         {0, 0, 427, 295},    nullptr,        0,
     IDB_DIAGNOSIS,                {Follow::Stretches, Follow::Stretches}},
    {IDC_STATIC,        Picture,         {0, 0, 400, 30},     nullptr,        0,
     IDB_DIAGNOSIS_TITLE,          {Follow::Stays, Follow::Stays}},
    {IDC_SYNDROME_TREE, TreeView,        {17, 49, 164, 235},  nullptr,
     HASBUTTONS | HASLINES | LINESATROOT | SHOWSELALWAYS | BORDER | TABSTOP,
     0,                            {Follow::FirstHalf, Follow::Stretches}},
    {IDC_SYMPTOM_TREE,  TreeView,        {196, 49, 161, 235}, nullptr,        HASBUTTONS | HASLINES | BORDER | TABSTOP,
     0,                            {Follow::SecondHalf, Follow::Stretches}},
    {IDC_PREGLED,       OwnerDrawButton, {375, 36, 36, 34},   "PR",           TABSTOP,
     0,                            {Follow::Moves, Follow::Stays}},
    {IDC_RJECNIK,       OwnerDrawButton, {374, 86, 38, 32},   "RJ",           TABSTOP,
     0,                            {Follow::Moves, Follow::Stays}},
    {IDC_RERANK,        PushButton,      {369, 134, 50, 137}, "<<Rangiraj>>", TABSTOP,
     0,                            {Follow::Moves, Follow::Stretches}},
    {IDOK,              DefPushButton,   {369, 275, 50, 15},  "Izlazak",      TABSTOP,
     0,                            {Follow::Moves, Follow::Moves}},
};

} // namespace

const DialogTemplate DIAGNOSIS_TEMPLATE{IDD_DIAGNOSIS, "Dijagnosticiranje", 427, 295,
                                      dialog_style::RESIZABLE, CONTROLS};

} // namespace ordisan
