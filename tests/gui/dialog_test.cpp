// What every dialog gets from CDialog: how its modal loop ends (Enter, Esc, the close
// box, a disabled button), and that every text of every template fits its control.
#include "platform/control_factory.h"
#include "platform/dialog.h"
#include "platform/group_frame.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
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
constexpr ControlTemplate NO_DEFAULT_ROWS[] = {{ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP}};
constexpr DialogTemplate NO_DEFAULT_TEMPLATE{9002, "Bez zadanog", 200, 60, 0, NO_DEFAULT_ROWS};
// Disabled default and Cancel buttons first: Enter, Esc and the close box do nothing.
constexpr ControlTemplate DISABLED_ROWS[] = {
    {ID_NEXT, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP | DISABLED},
    {IDCANCEL, PushButton, {70, 30, 50, 14}, "Odustani", TABSTOP | DISABLED},
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
};
constexpr DialogTemplate DISABLED_TEMPLATE{9003, "Iskljuceno", 200, 60, 0, DISABLED_ROWS};

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
    void textsFit_data();
    void textsFit();
};

void DialogTest::howTheLoopEnds_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("focus"); // 0: the close box
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // 0: still open
    QTest::newRow("Enter in the edit: default button") << &DEFAULT_TEMPLATE << ID_EDIT << int(Qt::Key_Return) << ID_NEXT;
    QTest::newRow("Enter on another button: that one") << &DEFAULT_TEMPLATE << ID_OTHER << int(Qt::Key_Return) << ID_OTHER;
    QTest::newRow("Enter without default button: IDOK") << &NO_DEFAULT_TEMPLATE << ID_EDIT << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Esc") << &DEFAULT_TEMPLATE << ID_EDIT << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("close box") << &DEFAULT_TEMPLATE << 0 << 0 << IDCANCEL;
    QTest::newRow("Enter, default disabled") << &DISABLED_TEMPLATE << ID_EDIT << int(Qt::Key_Return) << 0;
    QTest::newRow("Esc, Cancel disabled") << &DISABLED_TEMPLATE << ID_EDIT << int(Qt::Key_Escape) << 0;
    QTest::newRow("close box, Cancel disabled") << &DISABLED_TEMPLATE << 0 << 0 << 0;
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

void DialogTest::textsFit_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    for (const DialogTemplate* t : {&ABOUT_BOX_TEMPLATE, &MAIN_MENU_TEMPLATE, &LOADER_TEMPLATE,
                                    &OVERVIEW_TEMPLATE, &DICTIONARY_TEMPLATE, &PATIENT_TEMPLATE,
                                    &DIAGNOSIS_TEMPLATE})
        QTest::newRow(t->caption) << t;
}

// In the dialog font, whole: the template's texts, and what the loader writes into its
// fields (counts up to the tables' sizes).
void DialogTest::textsFit()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    CDialog dialog(dialogTemplate);
    dialog.Create();
    QList<std::pair<QWidget*, QString>> texts;
    int index = 0;
    for (const ControlTemplate& row : dialogTemplate->controls) {
        if (row.text && *row.text && row.kind != OwnerDrawButton)
            texts.append({dialog.findChild<QWidget*>(controlObjectName(row.id, index)), QString::fromUtf8(row.text)});
        ++index;
    }
    if (dialogTemplate == &LOADER_TEMPLATE)
        texts += {{dialog.GetDlgItem(IDC_STATUS), "Ucitavam rijeci iz rijecnika..."},
                  {dialog.GetDlgItem(IDC_SYNDROME_COUNT), "500"}, {dialog.GetDlgItem(IDC_SYMPTOM_COUNT), "2000"},
                  {dialog.GetDlgItem(IDC_LINK_COUNT), "3000"}, {dialog.GetDlgItem(IDC_WORD_COUNT), "1000"}};
    for (const auto& [control, text] : texts) {
        QVERIFY2(control, qPrintable(text));
        if (auto* frame = qobject_cast<GroupFrame*>(control)) {
            QVERIFY2(frame->titleRect().right() < frame->width() - 1, qPrintable(text));
            continue;
        }
        int room = control->width();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            room = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents, &option, button).width();
        }
        QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= room, qPrintable(text));
    }
}

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
