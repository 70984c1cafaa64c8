#include "app/main_menu_dlg.h"

#include "app/about_dlg.h"
#include "diagnosis/diagnosis_dlg.h"
#include "diagnosis/patient_dlg.h"
#include "platform/arrow_key_buttons.h"
#include "platform/resources.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "res/strings.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QKeyEvent>

namespace ordisan {

namespace {

// System commands carry flags in their low four bits.
constexpr unsigned COMMAND_MASK = 0xFFF0;

// Each action by the first letter of its picture.
constexpr struct {
    int id;
    char key;
} ACTION_KEYS[] = {{IDC_PREGLED, 'P'}, {IDC_DIJAGNOSTICIRANJE, 'D'}, {IDC_RJECNIK, 'R'}, {IDOK, 'I'}};

} // namespace

CMainMenuDlg::CMainMenuDlg(LoadAtStart loadAtStart, QWidget* parent)
    : CDialog(&MAIN_MENU_TEMPLATE, parent), appIcon(loadIcon(IDR_MAINFRAME)),
      loadAtStart_(std::move(loadAtStart))
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

    if (const QString aboutText = loadString(IDS_ABOUTBOX); !aboutText.isEmpty()) {
        GetSystemMenu().appendSeparator();
        GetSystemMenu().appendItem(IDM_ABOUTBOX, aboutText);
    }

    SetIcon(appIcon);

    // Before the main menu is first shown: at start the user sees the loader alone.
    if (loadAtStart_)
        loadAtStart_(knowledgeBase);

    pregledButton.AutoLoad(IDC_PREGLED, this);
    dijagnosticiranjeButton.AutoLoad(IDC_DIJAGNOSTICIRANJE, this);
    rjecnikButton.AutoLoad(IDC_RJECNIK, this);
    izlazakButton.AutoLoad(IDOK, this);
    new ArrowKeyButtons(this, {pregledButton.button(), dijagnosticiranjeButton.button(),
                               rjecnikButton.button(), izlazakButton.button()});
    for (const auto& [id, key] : ACTION_KEYS)
        if (QWidget* button = GetDlgItem(id))
            button->setToolTip(QStringLiteral("Tipka %1").arg(QChar(key)));
    return true;
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
        sendSysCommand(IDM_ABOUTBOX);
        return;
    }
    if ((event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        for (const auto& [id, key] : ACTION_KEYS) {
            if (event->key() == key) {
                sendCommand(id);
                return;
            }
        }
    }
    CDialog::keyPressEvent(event);
}

// A fresh overview on every click, owned by the main menu; its result is not needed.
void CMainMenuDlg::OnPregled()
{
    COverviewDlg overview;
    overview.RunModal(knowledgeBase);
}

// The patient's age and sex, and only after "Dalje >>" the diagnosis itself. Each
// dialog is fresh, so nothing of the previous patient shows.
void CMainMenuDlg::OnDijagnosticiranje()
{
    CPatientDlg patient;
    if (patient.RunModal(knowledgeBase) != IDOK)
        return;
    CDiagnosisDlg diagnosis;
    diagnosis.RunModal(knowledgeBase, patient.patient());
}

// A fresh dictionary on every click; its result is not needed.
void CMainMenuDlg::OnRjecnik()
{
    CDictionaryDlg dictionary;
    dictionary.RunModal(knowledgeBase);
}

} // namespace ordisan
