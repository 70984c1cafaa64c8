// What every dialog of the program gets from CDialog: the modal loop and its result,
// keyboard commands, focus, ownership, timers, stacking and the window's frame.
#include "modal_watcher.h"

#include "platform/data_exchange.h"
#include "platform/dialog.h"
#include "platform/window_owner.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

using enum ControlKind;
using namespace style;

constexpr int ID_FIRST = 1100;
constexpr int ID_SECOND = 1101;
constexpr int ID_EDIT = 1102;

// A default button other than IDOK, an edit field, and Cancel.
constexpr ControlTemplate DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
    {ID_FIRST, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP},
    {ID_SECOND, PushButton, {70, 30, 50, 14}, "Drugo", TABSTOP},
    {IDCANCEL, PushButton, {130, 30, 50, 14}, "Odustani", TABSTOP},
};
constexpr DialogTemplate DEFAULT_TEMPLATE{9001, "Zadano", 200, 60, 0, DEFAULT_ROWS};

// No default button: Enter means IDOK.
constexpr ControlTemplate NO_DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
    {ID_SECOND, PushButton, {70, 30, 50, 14}, "Drugo", TABSTOP},
};
constexpr DialogTemplate NO_DEFAULT_TEMPLATE{9002, "Bez zadanog", 200, 60, 0, NO_DEFAULT_ROWS};

// A disabled default button comes first: Enter does nothing and the focus skips it.
constexpr ControlTemplate DISABLED_DEFAULT_ROWS[] = {
    {ID_FIRST, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP | DISABLED},
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
};
constexpr DialogTemplate DISABLED_DEFAULT_TEMPLATE{9003, "Iskljuceno", 200, 60, 0,
                                                   DISABLED_DEFAULT_ROWS};

// A dialog that records what reaches its handlers.
class RecordingDialog final : public CDialog {
public:
    using CDialog::CDialog;
    QList<int> commands;
    QList<int> ticks;
    int initCalls = 0;
    bool endInInit = false;

protected:
    bool OnInitDialog() override
    {
        ++initCalls;
        CDialog::OnInitDialog();
        if (endInInit)
            EndDialog(IDOK);
        return true;
    }
    bool OnCommand(int id) override
    {
        commands.append(id);
        return CDialog::OnCommand(id);
    }
    void OnTimer(int id) override { ticks.append(id); }
};

} // namespace

class DialogTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setMainWindow(nullptr); }

    void dialogWithoutTemplateCannotBeCreated();
    void modalLoopReturnsTheEndResult_data();
    void modalLoopReturnsTheEndResult();
    void endingDuringInitialisationNeverShows();
    void enterSendsTheDefaultCommand_data();
    void enterSendsTheDefaultCommand();
    void focusStartsOnTheFirstEnabledTabStop();
    void controlsAreNamedAfterTheirIds();
    void windowHasAFixedFrameWithoutMinimiseOrMaximise();
    void dialogWithoutParentBelongsToTheRunningDialog();
    void dialogWithoutParentBelongsToTheMainWindow();
    void pictureAndFramesLetTheMouseThrough();
    void timersTickUntilKilledOrDestroyed();
    void messageBoxHasOneOkButton();
};

void DialogTest::dialogWithoutTemplateCannotBeCreated()
{
    CDialog dialog(nullptr);
    QCOMPARE(dialog.DoModal(), -1);
    QVERIFY(!dialog.isVisible());
}

void DialogTest::modalLoopReturnsTheEndResult_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Esc") << "esc" << IDCANCEL;
    QTest::newRow("close box") << "close" << IDCANCEL;
    QTest::newRow("Cancel button") << "cancel" << IDCANCEL;
    QTest::newRow("Enter on the default button") << "enter" << ID_FIRST;
}

void DialogTest::modalLoopReturnsTheEndResult()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    // The default button's command ends this dialog with its own id.
    class EndingDialog final : public CDialog {
    public:
        using CDialog::CDialog;

    protected:
        bool OnCommand(int id) override
        {
            if (id == ID_FIRST) {
                EndDialog(ID_FIRST);
                return true;
            }
            return CDialog::OnCommand(id);
        }
    } dialog(&DEFAULT_TEMPLATE);
    bool wasVisible = false;
    QTimer::singleShot(0, &dialog, [&] {
        wasVisible = dialog.isVisible();
        if (how == QLatin1String("esc"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            dialog.close();
        else if (how == QLatin1String("cancel"))
            dialog.GetDlgItem<QPushButton>(IDCANCEL)->click();
        else
            QTest::keyClick(dialog.GetDlgItem(ID_EDIT), Qt::Key_Return);
    });
    QCOMPARE(dialog.DoModal(), result);
    QVERIFY(wasVisible);
    QVERIFY(!dialog.isVisible());
}

void DialogTest::endingDuringInitialisationNeverShows()
{
    RecordingDialog dialog(&DEFAULT_TEMPLATE);
    dialog.endInInit = true;
    QCOMPARE(dialog.DoModal(), IDOK);
    QCOMPARE(dialog.initCalls, 1);
    QVERIFY(!dialog.isVisible());
}

void DialogTest::enterSendsTheDefaultCommand_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("focusId");
    QTest::addColumn<QList<int>>("commands");
    QTest::newRow("from the edit: the default button")
        << &DEFAULT_TEMPLATE << ID_EDIT << QList<int>{ID_FIRST};
    QTest::newRow("on another push button: that button")
        << &DEFAULT_TEMPLATE << ID_SECOND << QList<int>{ID_SECOND};
    QTest::newRow("no default button: IDOK") << &NO_DEFAULT_TEMPLATE << ID_EDIT << QList<int>{IDOK};
    QTest::newRow("disabled default button: nothing")
        << &DISABLED_DEFAULT_TEMPLATE << ID_EDIT << QList<int>{};
}

void DialogTest::enterSendsTheDefaultCommand()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(int, focusId);
    QFETCH(QList<int>, commands);
    RecordingDialog dialog(dialogTemplate);
    dialog.Create();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget* focus = dialog.GetDlgItem(focusId);
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Return);
    // IDOK reaches OnOK, which ends a dialog that has nothing to exchange.
    QCOMPARE(dialog.commands, commands);
}

void DialogTest::focusStartsOnTheFirstEnabledTabStop()
{
    RecordingDialog first(&DISABLED_DEFAULT_TEMPLATE);
    first.Create();
    first.show();
    QVERIFY(QTest::qWaitForWindowActive(&first));
    QCOMPARE(first.focusWidget(), first.GetDlgItem(ID_EDIT));

    CDialog patient(&PATIENT_TEMPLATE);
    patient.Create();
    patient.show();
    QVERIFY(QTest::qWaitForWindowActive(&patient));
    QCOMPARE(patient.focusWidget(), patient.GetDlgItem(IDC_AGE));
}

void DialogTest::controlsAreNamedAfterTheirIds()
{
    CDialog about(&ABOUT_BOX_TEMPLATE);
    about.Create();
    QStringList names;
    for (QWidget* child : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        names.append(child->objectName());
    names.sort();
    QCOMPARE(names, (QStringList{"IDOK", "static-0", "static-1", "static-3"}));

    CDialog patient(&PATIENT_TEMPLATE);
    patient.Create();
    QVERIFY(patient.findChild<QLineEdit*>("1018"));
    QVERIFY(patient.findChild<QPushButton*>("IDCANCEL"));
    QCOMPARE(patient.GetDlgItem(IDCANCEL), patient.findChild<QWidget*>("IDCANCEL"));
    QCOMPARE(patient.GetDlgItem(4242), nullptr);
}

void DialogTest::windowHasAFixedFrameWithoutMinimiseOrMaximise()
{
    CDialog loader(&LOADER_TEMPLATE);
    loader.Create();
    const Qt::WindowFlags flags = loader.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(loader.windowType(), Qt::Dialog);

    CDialog mainMenu(&MAIN_MENU_TEMPLATE);
    mainMenu.Create();
    QCOMPARE(mainMenu.windowType(), Qt::Window); // a task-bar entry of its own
    QVERIFY(!(mainMenu.windowFlags() & Qt::WindowMinimizeButtonHint));
    QCOMPARE(mainMenu.minimumSize(), mainMenu.maximumSize());
}

void DialogTest::dialogWithoutParentBelongsToTheRunningDialog()
{
    CDialog running(&DEFAULT_TEMPLATE);
    QWidget* ownerSeen = nullptr;
    bool stillAWindow = false;
    QTimer::singleShot(0, &running, [&] {
        CDialog opened(&ABOUT_BOX_TEMPLATE);
        opened.Create();
        ownerSeen = opened.parentWidget();
        stillAWindow = opened.isWindow();
        running.EndDialog(IDOK);
    });
    running.DoModal();
    QCOMPARE(ownerSeen, &running);
    QVERIFY(stillAWindow);
}

void DialogTest::dialogWithoutParentBelongsToTheMainWindow()
{
    CDialog mainWindow(&MAIN_MENU_TEMPLATE);
    setMainWindow(&mainWindow);
    {
        CDialog opened(&LOADER_TEMPLATE);
        opened.Create();
        QCOMPARE(opened.parentWidget(), &mainWindow);
    }
    // The main window itself has no owner.
    mainWindow.Create();
    QCOMPARE(mainWindow.parentWidget(), nullptr);
}

void DialogTest::pictureAndFramesLetTheMouseThrough()
{
    const auto reachable = [](const CDialog& dialog, std::initializer_list<int> ids) {
        for (int id : ids)
            QCOMPARE(dialog.childAt(dialog.GetDlgItem(id)->geometry().center()), dialog.GetDlgItem(id));
    };
    CDialog mainMenu(&MAIN_MENU_TEMPLATE);
    mainMenu.Create();
    QVERIFY(mainMenu.findChild<QWidget*>("static-0")->testAttribute(Qt::WA_TransparentForMouseEvents));
    reachable(mainMenu, {IDC_PREGLED, IDC_DIJAGNOSTICIRANJE, IDC_RJECNIK, IDOK});
    // The patient dialog's last control, a group box, covers all the others.
    CDialog patient(&PATIENT_TEMPLATE);
    patient.Create();
    reachable(patient, {IDC_AGE, IDC_SEX_MALE, IDC_SEX_FEMALE, IDOK});
}

void DialogTest::timersTickUntilKilledOrDestroyed()
{
    RecordingDialog dialog(&DEFAULT_TEMPLATE);
    dialog.Create();
    QCOMPARE(dialog.SetTimer(7, 250), 7);
    QCOMPARE(dialog.TimerInterval(7), 250);
    QVERIFY(dialog.FireTimer(7));
    QVERIFY(dialog.FireTimer(7));
    QCOMPARE(dialog.ticks, (QList<int>{7, 7}));

    // A real period ends in the event loop and reaches the same handler.
    dialog.ticks.clear();
    dialog.SetTimer(8, 1);
    QTRY_VERIFY(dialog.ticks.contains(8));

    QVERIFY(dialog.KillTimer(7));
    QCOMPARE(dialog.TimerInterval(7), 0);
    QVERIFY(!dialog.FireTimer(7));
    QVERIFY(!dialog.KillTimer(7));

    // Destroying the window stops the timers left.
    dialog.SetTimer(1, 200);
    dialog.SetTimer(2, 1000);
    dialog.DestroyWindow();
    QCOMPARE(dialog.TimerInterval(1), 0);
    QCOMPARE(dialog.TimerInterval(2), 0);
    QVERIFY(!dialog.FireTimer(2));
}

void DialogTest::messageBoxHasOneOkButton()
{
    ModalWatcher watcher;
    CDialog dialog(&DEFAULT_TEMPLATE);
    dialog.Create();
    dialog.MessageBox(QStringLiteral("Tekst"), QStringLiteral("GREŠKA"), MessageIcon::None);
    dialog.MessageBox(QStringLiteral("Puno"), QStringLiteral("STOP!"), MessageIcon::Stop);
    QCOMPARE(watcher.messages.size(), 2);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Tekst"));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("GREŠKA"));
    QCOMPARE(watcher.messages[0].icon, QMessageBox::NoIcon);
    QCOMPARE(watcher.messages[0].buttonCount, 1);
    QCOMPARE(watcher.messages[1].icon, QMessageBox::Critical);
    QCOMPARE(watcher.messages[1].buttonCount, 1);
}

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
