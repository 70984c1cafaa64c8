#pragma once

#include "knowledge/knowledge_base.h"
#include "platform/dialog.h"
#include "platform/picture_button.h"

#include <QIcon>

#include <functional>

namespace ordisan {

// The main menu (template 102): the title picture with the program's four actions as
// picture buttons, and the About entry. While it initialises, before it is first
// shown, it runs the load at start. Closing it ends the program.
class CMainMenuDlg final : public CDialog {
    Q_OBJECT
public:
    // Fills the knowledge base at start; the program runs the loader dialog.
    using LoadAtStart = std::function<void(KnowledgeBase*)>;

    explicit CMainMenuDlg(LoadAtStart loadAtStart, QWidget* parent = nullptr);

    // Runs the main menu on `kb`; IDOK after "Izlazak" or Enter, IDCANCEL after Esc or
    // the close box.
    virtual int RunModal(KnowledgeBase* kb);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    // The About command (16; the low four bits are ignored) opens the About box.
    bool OnSysCommand(unsigned command, long position) override;
    // F1, the help key, opens the About box as well; P, D, R and I are the four
    // buttons, and the arrow keys move between them.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnPregled();
    void OnDijagnosticiranje();
    void OnRjecnik();

    QIcon appIcon;
    CBitmapButton pregledButton;
    CBitmapButton dijagnosticiranjeButton;
    CBitmapButton rjecnikButton;
    CBitmapButton izlazakButton;
    KnowledgeBase* knowledgeBase = nullptr;
    LoadAtStart loadAtStart_;
};

} // namespace ordisan
