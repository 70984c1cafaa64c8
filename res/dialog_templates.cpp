#include "res/dialog_templates.h"

namespace ordisan {

namespace {

const DialogTemplate* const TEMPLATES[] = {
    &ABOUT_BOX_TEMPLATE, &MAIN_MENU_TEMPLATE, &LOADER_TEMPLATE,   &OVERVIEW_TEMPLATE,
    &DICTIONARY_TEMPLATE, &PATIENT_TEMPLATE,  &DIAGNOSIS_TEMPLATE,
};

} // namespace

const DialogTemplate* findDialogTemplate(int id)
{
    for (const DialogTemplate* dialogTemplate : TEMPLATES)
        if (dialogTemplate->id == id)
            return dialogTemplate;
    return nullptr;
}

std::span<const DialogTemplate* const> allDialogTemplates()
{
    return TEMPLATES;
}

} // namespace ordisan
