// The dialog templates of the program, one table per file in templates/, written to
// be read line by line against the dialogs' descriptions.
#pragma once

#include "platform/dialog_template.h"

namespace ordisan {

extern const DialogTemplate ABOUT_BOX_TEMPLATE;  // 100
extern const DialogTemplate MAIN_MENU_TEMPLATE;  // 102
extern const DialogTemplate LOADER_TEMPLATE;     // 132
extern const DialogTemplate OVERVIEW_TEMPLATE;   // 133
extern const DialogTemplate DICTIONARY_TEMPLATE; // 136
extern const DialogTemplate PATIENT_TEMPLATE;    // 139
extern const DialogTemplate DIAGNOSIS_TEMPLATE;  // 140

} // namespace ordisan
