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
    void cancellingStoresNothing_data();
    void cancellingStoresNothing();
};

void PatientDlgTest::ages_data()
{
    QTest::addColumn<QString>("typed"); // null: the field as it opens
    QTest::addColumn<bool>("female");
    QTest::addColumn<bool>("enter"); // Enter in the age field instead of "Dalje >>"
    QTest::addColumn<qlonglong>("stored"); // -1: rejected
    QTest::newRow("no input: a man of 0") << QString() << false << false << 0ll;
    QTest::newRow("35, female, Enter") << "35" << true << true << 35ll;
    QTest::newRow("leading zeros") << "007" << false << false << 7ll;
    QTest::newRow("blanks around") << "  42 " << false << true << 42ll;
    QTest::newRow("largest") << "4294967295" << true << false << 4294967295ll;
    QTest::newRow("empty") << "" << false << false << -1ll;
    QTest::newRow("letters") << "trideset" << true << true << -1ll;
    QTest::newRow("minus") << "-5" << false << false << -1ll;
    QTest::newRow("plus") << "+5" << false << false << -1ll;
    QTest::newRow("digits then letters") << "12 godina" << false << false << -1ll;
    QTest::newRow("decimal") << "3.5" << false << false << -1ll;
    QTest::newRow("above 32 bits") << "4294967296" << false << false << -1ll;
}

// Whatever the patient before, it opens with 0, "Muški spol" and the focus on the age.
// A rejected age: the program's message once, owned by the dialog; the age field has
// the focus with its text selected and nothing is stored, the sex included. A valid
// age typed over it then confirms.
void PatientDlgTest::ages()
{
    QFETCH(QString, typed);
    QFETCH(bool, female);
    QFETCH(bool, enter);
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
    QCOMPARE(whileShown(dialog, kb.get(), [&] {
        age = dialog.GetDlgItem<QLineEdit>(IDC_AGE);
        for (int id : {IDC_SEX_MALE, IDC_SEX_FEMALE})
            opened << QString::number(dialog.GetDlgItem<QRadioButton>(id)->isChecked());
        opened << age->text() << QString::number(dialog.focusWidget() == age);
        if (!typed.isNull())
            age->setText(typed);
        if (female)
            click(dialog, IDC_SEX_FEMALE);
        if (enter)
            QTest::keyClick(age, Qt::Key_Return);
        else // on the button itself: a click through the window races the message's events
            QTest::mouseClick(dialog.GetDlgItem(IDOK), Qt::LeftButton);
        if (stored >= 0)
            return;
        afterRejection = state();
        age->setText("52");
        click(dialog, IDOK);
    }), IDOK);
    QCOMPARE(opened, QStringList({"1", "0", "0", "1"}));
    QCOMPARE(kb->patientSex, female ? SEX_FEMALE : SEX_MALE);
    QCOMPARE(qlonglong(kb->patientAge), stored >= 0 ? stored : 52);
    QCOMPARE(watcher.messages.size(), stored >= 0 ? 0 : 1);
    if (stored >= 0)
        return;
    QCOMPARE(afterRejection,
             QStringList({"1", "1", typed, "61", QString::number(female ? SEX_MALE : SEX_FEMALE)}));
    const MessageRecord& message = watcher.messages[0];
    QCOMPARE(QStringList({message.text, message.caption}),
             QStringList({u8("Upišite cijeli broj bez predznaka."), "Ordisan"}));
    QVERIFY(message.icon == QMessageBox::Warning && message.owner == &dialog);
}

void PatientDlgTest::cancellingStoresNothing_data()
{
    QTest::addColumn<int>("how"); // 0: the close box
    QTest::newRow("Otkaži") << IDCANCEL;
    QTest::newRow("Esc") << int(Qt::Key_Escape);
    QTest::newRow("close box") << 0;
}

// Before the first confirmed diagnosis of a run both fields are 0.
void PatientDlgTest::cancellingStoresNothing()
{
    QFETCH(int, how);
    auto kb = clinic(0);
    CPatientDlg dialog;
    QCOMPARE(whileShown(dialog, kb.get(), [&] {
        QTest::keyClicks(dialog.GetDlgItem<QLineEdit>(IDC_AGE), "35");
        click(dialog, IDC_SEX_FEMALE);
        if (how == IDCANCEL)
            click(dialog, IDCANCEL);
        else if (how)
            QTest::keyClick(dialog.GetDlgItem<QLineEdit>(IDC_AGE), Qt::Key(how));
        else
            dialog.close();
        QVERIFY(!dialog.isVisible());
    }), IDCANCEL);
    QCOMPARE(kb->patientAge, 0u);
    QCOMPARE(kb->patientSex, 0);
}

QTEST_MAIN(PatientDlgTest)
#include "patient_dlg_test.moc"
