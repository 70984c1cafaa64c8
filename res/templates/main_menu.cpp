// Template 102, the main menu. No control is a tab stop; the four buttons are
// picture buttons whose captions name their images.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;

constexpr ControlTemplate CONTROLS[] = {
    // id                   kind             x    y    cx   cy   text                 styles
    {IDC_STATIC,            Picture,         {0, 0, 427, 295},    nullptr,             0, IDB_TITLE},
    {IDC_PREGLED,           OwnerDrawButton, {71, 95, 285, 23},   "Pregled",           0},
    {IDC_DIJAGNOSTICIRANJE, OwnerDrawButton, {129, 130, 181, 25}, "Dijagnosticiranje", 0},
    {IDC_RJECNIK,           OwnerDrawButton, {162, 166, 118, 24}, "Rjecnik",           0},
    {IDOK,                  OwnerDrawButton, {113, 200, 198, 20}, "Izlazak",           0},
};

} // namespace

// Position (0, 0) and no owner: centred on the screen, with a task-bar entry.
const DialogTemplate MAIN_MENU_TEMPLATE{IDD_MAINMENU, "Ordisan", 427, 295, dialog_style::APPWINDOW,
                                        CONTROLS};

} // namespace ordisan
