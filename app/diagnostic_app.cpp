#include "app/diagnostic_app.h"

#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "app/utf8_notice.h"
#include "platform/message_box.h"
#include "platform/window_owner.h"

namespace ordisan {

CDiagnosticApp::CDiagnosticApp() : knowledgeBase_(std::make_unique<KnowledgeBase>()) {}

CDiagnosticApp::~CDiagnosticApp() = default;

bool CDiagnosticApp::InitInstance()
{
    // The loader dialog reads the data files of the current directory.
    CMainMenuDlg mainMenu([this](KnowledgeBase* kb) {
        CLoaderDlg loader(files_);
        loader.RunModal(kb);
        if (const QString notice = utf8Notice(files_); !notice.isEmpty())
            messageBox(nullptr, notice, QStringLiteral("Upozorenje"), MessageIcon::Exclamation);
    });
    // From here on every dialog opened without a parent belongs to the main menu,
    // the loader included.
    setMainWindow(&mainMenu);
    mainMenu.RunModal(knowledgeBase_.get());
    setMainWindow(nullptr);
    return false;
}

} // namespace ordisan
