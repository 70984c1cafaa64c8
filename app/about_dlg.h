#pragma once

#include "platform/dialog.h"

namespace ordisan {

// The About box (template 100): the icon, the version and the date. Its OK button,
// Esc and the close box close it.
class CAboutDlg final : public CDialog {
    Q_OBJECT
public:
    CAboutDlg();
};

} // namespace ordisan
