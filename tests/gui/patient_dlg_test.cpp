// The patient data dialog: what it opens with, which ages it takes and stores, the one
// message for a rejected age, and that a cancellation stores nothing.
#include "gui_support.h"

#include "diagnosis/patient_dlg.h"
#include "res/resource.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// Through the window, as a user clicks: nothing on top of the control takes the click.
void click(CDialog& dialog, int id)
{
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      dialog.GetDlgItem(id)->geometry().center());
}

} // namespace

class PatientDlgTest final : public QObject {
    Q_OBJECT
private slots:
    void ages_data();
    void ages();
};

constexpr int CLICK = 0; // "Dalje >>" clicked
constexpr int CLOSE_BOX = 1;
constexpr qlonglong REJECTED = -1;
constexpr qlonglong CANCELLED = -2;

void PatientDlgTest::ages_data()
{
    QTest::addColumn<QString>("typed"); // null: the field as it opens
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("how"); // CLICK, CLOSE_BOX, IDCANCEL clicked, or a key in the field
    QTest::addColumn<qlonglong>("stored");
    const auto row = [](const char* name, const QString& typed, bool female, int how,
                        qlonglong stored) {
        QTest::newRow(name) << typed << female << how << stored;
    };
    row("no input: a man of 0", QString(), false, CLICK, 0);
    row("35, female, Enter", "35", true, Qt::Key_Return, 35);
    row("leading zeros", "007", false, CLICK, 7);
    row("blanks around", "  42 ", false, Qt::Key_Return, 42);
    row("largest", "4294967295", true, CLICK, 4294967295ll);
    row("empty", "", false, CLICK, REJECTED);
    row("letters", "trideset", true, Qt::Key_Return, REJECTED);
    row("minus", "-5", false, CLICK, REJECTED);
    row("plus", "+5", false, CLICK, REJECTED);
    row("digits then letters", "12 godina", false, CLICK, REJECTED);
    row("decimal", "3.5", false, CLICK, REJECTED);
    row("above 32 bits", "4294967296", false, CLICK, REJECTED);
    row("Otkaži", "35", true, IDCANCEL, CANCELLED);
    row("Esc", "35", true, Qt::Key_Escape, CANCELLED);
    row("close box", "35", true, CLOSE_BOX, CANCELLED);
}

// Whatever the patient before, it opens with 0, "Muški spol" and the focus on the age.
// A rejected age: the program's message once, owned by the dialog; the age field has
// the focus with its text selected and nothing is stored, the sex included. A valid
// age typed over it then confirms. A cancellation stores nothing.
void PatientDlgTest::ages()
{
    QFETCH(QString, typed);
    QFETCH(bool, female);
    QFETCH(int, how);
    QFETCH(qlonglong, stored);
    auto kb = clinic(female ? SEX_MALE : SEX_FEMALE);
    kb->patientAge = 61;
    ModalWatcher watcher;
    CPatientDlg dialog;
    auto* age = static_cast<QLineEdit*>(nullptr);
    QStringList opened, afterRejection;
    const auto state = [&] {
        return QStringList{QString::number(dialog.isVisible()),
                           QString::number(dialog.focusWidget() == age), age->selectedText(),
                           QString::number(kb->patientAge), QString::number(kb->patientSex)};
    };
    const int result = whileShown(dialog, kb.get(), [&] {
        age = dialog.GetDlgItem<QLineEdit>(IDC_AGE);
        for (int id : {IDC_SEX_MALE, IDC_SEX_FEMALE})
            opened << QString::number(dialog.GetDlgItem<QRadioButton>(id)->isChecked());
        opened << age->text() << QString::number(dialog.focusWidget() == age);
        if (!typed.isNull())
            age->setText(typed);
        if (female)
            click(dialog, IDC_SEX_FEMALE);
        if (how == CLICK) // on the button itself: a click through the window races the message
            QTest::mouseClick(dialog.GetDlgItem(IDOK), Qt::LeftButton);
        else if (how == CLOSE_BOX)
            dialog.close();
        else if (how == IDCANCEL)
            click(dialog, IDCANCEL);
        else
            QTest::keyClick(age, Qt::Key(how));
        if (stored != REJECTED)
            return;
        afterRejection = state();
        age->setText("52");
        click(dialog, IDOK);
    });
    QCOMPARE(opened, QStringList({"1", "0", "0", "1"}));
    QCOMPARE(result, stored == CANCELLED ? IDCANCEL : IDOK);
    const int sexBefore = female ? SEX_MALE : SEX_FEMALE;
    QCOMPARE(kb->patientSex, stored == CANCELLED ? sexBefore : female ? SEX_FEMALE : SEX_MALE);
    QCOMPARE(qlonglong(kb->patientAge), stored == CANCELLED ? 61 : stored >= 0 ? stored : 52);
    QCOMPARE(watcher.messages.size(), stored == REJECTED ? 1 : 0);
    if (stored != REJECTED)
        return;
    QCOMPARE(afterRejection, QStringList({"1", "1", typed, "61", QString::number(sexBefore)}));
    const MessageRecord& message = watcher.messages[0];
    QCOMPARE(QStringList({message.text, message.caption}),
             QStringList({u8("Upišite cijeli broj bez predznaka."), "Ordisan"}));
    QVERIFY(message.icon == QMessageBox::Warning && message.owner == &dialog);
}

QTEST_MAIN(PatientDlgTest)
#include "patient_dlg_test.moc"
