// Template 139, the patient data dialog. Template order is the tab order. No
// control after 1016 starts a group, so its radio group runs to the end.
#include "res/dialog_templates.h"
#include "res/resource.h"

namespace ordisan {

namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate CONTROLS[] = {
    // id           kind             x   y   cx   cy   text                                    styles
    {IDC_STATIC,    Text,            {26, 25, 25, 8},  "Starost:",                            0},
    {IDC_AGE,       Edit,            {52, 22, 54, 14}, "",                                    BORDER | AUTOHSCROLL | TABSTOP},
    {IDC_SEX_GROUP, GroupBox,        {25, 42, 86, 42}, "Spol",                                0},
    {IDC_SEX_MALE,  AutoRadioButton, {39, 54, 49, 10}, "Muški spol",                          GROUP | TABSTOP},
    {IDC_SEX_FEMALE, AutoRadioButton, {39, 66, 52, 10}, "Ženski spol",                        0},
    {IDOK,          DefPushButton,   {23, 98, 63, 14}, "Dalje >>",                            TABSTOP},
    {IDCANCEL,      PushButton,      {89, 98, 32, 14}, "Otkaži",                              TABSTOP},
    {IDC_STATIC,    GroupBox,        {9, 7, 126, 87},  "Upisite osnovne podatke o pacijentu", 0},
};

} // namespace

const DialogTemplate PATIENT_TEMPLATE{IDD_PATIENT, "Osnovni podaci o pacijentu", 147, 122, 0, CONTROLS};

} // namespace ordisan
