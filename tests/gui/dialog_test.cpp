// What every dialog gets from CDialog: how its modal loop ends on Enter, Esc and the
// close box. A disabled default button is the loader's, tested there; no dialog has a
// disabled Cancel.
#include "platform/dialog.h"
#include "res/resource.h"

#include <QTest>
#include <QTimer>

using namespace ordisan;

namespace {

using enum ControlKind;
using namespace style;

constexpr int ID_EDIT = 1100;
constexpr int ID_NEXT = 1101;
constexpr int ID_OTHER = 1102;

constexpr ControlTemplate DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
    {ID_NEXT, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP},
    {ID_OTHER, PushButton, {70, 30, 50, 14}, "Drugo", TABSTOP},
    {IDCANCEL, PushButton, {130, 30, 50, 14}, "Odustani", TABSTOP},
};
constexpr DialogTemplate DEFAULT_TEMPLATE{9001, "Zadano", 200, 60, 0, DEFAULT_ROWS};
// No default button: Enter means IDOK.
constexpr ControlTemplate NO_DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP}};
constexpr DialogTemplate NO_DEFAULT_TEMPLATE{9002, "Bez zadanog", 200, 60, 0, NO_DEFAULT_ROWS};
// Ends with the id of any command of its own.
class CommandDialog final : public CDialog {
public:
    using CDialog::CDialog;

protected:
    bool OnCommand(int id) override
    {
        if (id != IDOK && id != IDCANCEL) {
            EndDialog(id);
            return true;
        }
        return CDialog::OnCommand(id);
    }
};

} // namespace

class DialogTest final : public QObject {
    Q_OBJECT
private slots:
    void howTheLoopEnds_data();
    void howTheLoopEnds();
};

void DialogTest::howTheLoopEnds_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("focus"); // 0: the close box
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // 0: still open
    const auto row = [](const char* name, const DialogTemplate& t, int focus, int key, int result) {
        QTest::newRow(name) << &t << focus << key << result;
    };
    row("Enter in the edit: default button", DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Return, ID_NEXT);
    row("Enter on another button: that one", DEFAULT_TEMPLATE, ID_OTHER, Qt::Key_Return, ID_OTHER);
    row("Enter without default button: IDOK", NO_DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Return, IDOK);
    row("Esc", DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Escape, IDCANCEL);
    row("close box", DEFAULT_TEMPLATE, 0, 0, IDCANCEL);
}

void DialogTest::howTheLoopEnds()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, result);
    CommandDialog dialog(dialogTemplate);
    int ended = -1;
    QTimer::singleShot(0, &dialog, [&] {
        if (focus == 0) {
            dialog.close();
        } else {
            dialog.GetDlgItem(focus)->setFocus();
            QTest::keyClick(dialog.GetDlgItem(focus), Qt::Key(key));
        }
        ended = dialog.isVisible() ? 0 : dialog.result();
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    QCOMPARE(ended, result);
}

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
