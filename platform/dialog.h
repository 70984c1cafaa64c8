// The dialog platform: what the program's dialogs need of Qt that Qt does not give.
// A dialog is built from a template table (res/), run modally with a result of IDOK,
// IDCANCEL or -1, exchanges data with its controls, and reaches its handlers at the
// moments a dialog manager names: OnInitDialog, OnCommand (OnOK, OnCancel), OnTimer,
// OnSysCommand, DestroyWindow. Qt's own widgets serve as the controls. This layer
// includes Qt and nothing of the program above it.
#pragma once

#include "platform/dialog_template.h"
#include "platform/message_box.h"
#include "platform/system_menu.h"
#include "platform/timer_source.h"

#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QList>

namespace ordisan {

class DataExchange;

class CDialog : public QDialog {
    Q_OBJECT
public:
    // A null template makes a dialog that cannot be created: DoModal returns -1.
    explicit CDialog(const DialogTemplate* dialogTemplate, QWidget* parent = nullptr);
    ~CDialog() override;

    // Creates the window (Create), runs it modally until EndDialog, then calls
    // DestroyWindow. Returns the EndDialog result, or -1 when it cannot be created.
    int DoModal();
    // Builds the window from the template and calls OnInitDialog, without showing it
    // or running a loop; false when there is no template. A dialog opened without a
    // parent gets its owner here (window_owner.h).
    bool Create();
    // Ends the modal loop with `result`; the window hides.
    void EndDialog(int result);
    // Called once the modal loop has ended: kills the timers that still run and hides
    // the window. The controls stay until the object goes.
    virtual bool DestroyWindow();

    // Runs DoDataExchange: towards the controls (false) or from them (true). False
    // when a field was rejected; the user has been told then.
    bool UpdateData(bool saveAndValidate = true);

    QWidget* GetDlgItem(int id) const;
    template <class Control>
    Control* GetDlgItem(int id) const
    {
        return qobject_cast<Control*>(GetDlgItem(id));
    }

    // A modal message box owned by this dialog.
    void MessageBox(const QString& text, const QString& caption, MessageIcon icon);

    // Window timers: OnTimer(id) every `milliseconds` until KillTimer. SetTimer returns
    // the id, or 0 when the timer cannot be set; setting a running id restarts it.
    int SetTimer(int id, int milliseconds);
    bool KillTimer(int id);
    // The timers come from `source` (kept, not owned) instead of Qt's; null gives
    // them back to Qt. Set it before the dialog runs.
    void setTimerSource(TimerSource* source) { timerSource_ = source; }

    // A button click of control `id` (WM_COMMAND, BN_CLICKED) and a system-menu
    // command, delivered to the handlers as the window system would.
    void sendCommand(int id);
    void sendSysCommand(unsigned command);

    // The window icon, big and small.
    void SetIcon(const QIcon& icon);
    SystemMenu& GetSystemMenu() { return systemMenu_; }

    const DialogTemplate* dialogTemplate() const { return template_; }

protected:
    // After the controls exist and before the window is shown. The base writes the
    // members into the controls (UpdateData(false)). True: the focus goes to the
    // first tab stop of the template.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(DataExchange& exchange);
    // A button click, Enter (the default command) or Esc (IDCANCEL). The base sends
    // IDOK to OnOK and IDCANCEL to OnCancel; true when handled.
    virtual bool OnCommand(int id);
    // Reads the controls and ends with IDOK when they are accepted.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnTimer(int id);
    // True when handled; the base handles nothing.
    virtual bool OnSysCommand(unsigned command, long position);

    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

public slots:
    // Qt's ways of ending a dialog (close box, Esc, accept) go through the commands;
    // none cancels while a Cancel button is there but disabled.
    void accept() override;
    void reject() override;

private:
    void buildControls();
    void groupRadioButtons();
    void stackControls();
    void focusFirstTabStop();
    bool resizable() const;
    void placeWindow();
    void pressDefaultCommand();
    int defaultCommandId() const;

    void stopTimer(int handle);

    const DialogTemplate* template_;
    QList<QWidget*> controls_; // in template order
    QHash<int, QWidget*> controlsById_;
    QHash<int, int> timers_; // dialog's id -> handle of Qt's timer or of the source
    TimerSource* timerSource_ = nullptr;
    SystemMenu systemMenu_;
    int modalResult_ = 0;
    bool ended_ = false;
};

} // namespace ordisan
