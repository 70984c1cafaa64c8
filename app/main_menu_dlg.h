#pragma once

#include "knowledge/file_access.h"
#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "platform/picture_button.h"

#include <QIcon>

namespace ordisan {

// The main menu (template 102): the title picture with the program's four actions as
// picture buttons, and the About entry. While it initialises, before it is first
// shown, it runs the loader dialog. Closing it ends the program.
class CMainMenuDlg : public CDialog {
    Q_OBJECT
public:
    // The loader reads the data files through `dataFiles`.
    explicit CMainMenuDlg(FileAccess& dataFiles, QWidget* parent = nullptr);

    // Runs the main menu on `kb`; IDOK after "Izlazak" or Enter, IDCANCEL after Esc or
    // the close box.
    virtual int RunModal(KnowledgeBase* kb);

    const QIcon& icon() const { return appIcon; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    // The About command (16; the low four bits are ignored) opens the About box.
    bool OnSysCommand(unsigned command, long position) override;
    // F1, the help key, opens the About box as well.
    void keyPressEvent(QKeyEvent* event) override;

    // Runs the loader dialog on the knowledge base.
    virtual void RunLoader();
    // The text of the About entry, string 101; empty: no entry and no separator.
    virtual QString AboutMenuText() const;

    // The buttons. A button whose dialog is not there yet does nothing.
    virtual void OnPregled();
    virtual void OnDijagnosticiranje();
    virtual void OnRjecnik();

    KnowledgeBase* knowledgeBase = nullptr;

private:
    FileAccess& files;
    QIcon appIcon;
    CBitmapButton pregledButton;
    CBitmapButton dijagnosticiranjeButton;
    CBitmapButton rjecnikButton;
    CBitmapButton izlazakButton;
};

} // namespace ordisan
