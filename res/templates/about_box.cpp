// Template 100, the About box.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id         kind           x    y   cx   cy  text                   styles
    {IDC_STATIC,  Icon,          {11, 14, 18, 20}, nullptr,               0, IDR_MAINFRAME},
    {IDC_STATIC,  Text,          {41, 14, 119, 8}, "Ordisan Version 1.0", NOPREFIX | GROUP},
    {IDOK,        DefPushButton, {178, 7, 32, 14}, "OK",                  GROUP | TABSTOP},
    {IDC_STATIC,  Text,          {41, 37, 50, 8},  "23. June, 1998.",     GROUP},
};

} // namespace

// Position (0, 0): centred over the window that owns it.
const DialogTemplate ABOUT_BOX_TEMPLATE{IDD_ABOUTBOX, "About Ordisan", 217, 55, 0, CONTROLS};

} // namespace ordisan
