#include "app/main_menu_dlg.h"

#include "app/about_dlg.h"
#include "app/loader_dlg.h"
#include "platform/resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/strings.h"

#include <QKeyEvent>

namespace ordisan {

namespace {

// System commands carry flags in their low four bits.
constexpr unsigned COMMAND_MASK = 0xFFF0;

} // namespace

CMainMenuDlg::CMainMenuDlg(FileAccess& dataFiles, QWidget* parent)
    : CDialog(&MAIN_MENU_TEMPLATE, parent), files(dataFiles), appIcon(loadIcon(IDR_MAINFRAME))
{
}

int CMainMenuDlg::RunModal(KnowledgeBase* kb)
{
    knowledgeBase = kb;
    return DoModal();
}

bool CMainMenuDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    const QString aboutText = AboutMenuText();
    if (!aboutText.isEmpty()) {
        GetSystemMenu().AppendSeparator();
        GetSystemMenu().AppendItem(IDM_ABOUTBOX, aboutText);
    }

    SetIcon(appIcon);

    // Before the main menu is first shown: at start the user sees the loader alone.
    RunLoader();

    pregledButton.AutoLoad(IDC_PREGLED, this);
    dijagnosticiranjeButton.AutoLoad(IDC_DIJAGNOSTICIRANJE, this);
    rjecnikButton.AutoLoad(IDC_RJECNIK, this);
    izlazakButton.AutoLoad(IDOK, this);
    return true;
}

void CMainMenuDlg::RunLoader()
{
    CLoaderDlg loader(files);
    loader.RunModal(knowledgeBase);
}

QString CMainMenuDlg::AboutMenuText() const
{
    return loadString(IDS_ABOUTBOX);
}

bool CMainMenuDlg::OnCommand(int id)
{
    switch (id) {
    case IDC_PREGLED: OnPregled(); return true;
    case IDC_RJECNIK: OnRjecnik(); return true;
    case IDC_DIJAGNOSTICIRANJE: OnDijagnosticiranje(); return true;
    default: return CDialog::OnCommand(id); // "Izlazak" is IDOK and ends the menu
    }
}

bool CMainMenuDlg::OnSysCommand(unsigned command, long position)
{
    if ((command & COMMAND_MASK) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return true;
    }
    return CDialog::OnSysCommand(command, position);
}

void CMainMenuDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        SendSysCommand(IDM_ABOUTBOX);
        return;
    }
    CDialog::keyPressEvent(event);
}

// The overview tree dialog opens here once it exists.
void CMainMenuDlg::OnPregled() {}

// The patient data dialog, and after its OK the diagnosis dialog, open here once
// they exist.
void CMainMenuDlg::OnDijagnosticiranje() {}

// The dictionary tree dialog opens here once it exists.
void CMainMenuDlg::OnRjecnik() {}

} // namespace ordisan
