#include "app/about_dlg.h"

#include "res/dialog_templates.h"

namespace ordisan {

// No parent: the dialog belongs to whichever window runs when it opens.
CAboutDlg::CAboutDlg() : CDialog(&ABOUT_BOX_TEMPLATE) {}

} // namespace ordisan
