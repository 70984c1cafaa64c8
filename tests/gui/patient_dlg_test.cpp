// The patient data dialog: what it opens with, which ages it takes and stores, the
// one message for a rejected age, and that a cancellation stores nothing.
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "res/resource.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

QLineEdit* ageEdit(const CDialog& dialog)
{
    return dialog.GetDlgItem<QLineEdit>(IDC_AGE);
}

QRadioButton* radio(const CDialog& dialog, int id)
{
    return dialog.GetDlgItem<QRadioButton>(id);
}

void press(const CDialog& dialog, int id)
{
    QTest::mouseClick(dialog.GetDlgItem<QPushButton>(id), Qt::LeftButton);
}

void typeAge(const CDialog& dialog, const QString& text)
{
    QLineEdit* edit = ageEdit(dialog);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

class PatientDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithZeroAndMaleEveryTime();
    void acceptsUnsignedAges_data();
    void acceptsUnsignedAges();
    void rejectsAgeOnceAndStaysOpen_data();
    void rejectsAgeOnceAndStaysOpen();
    void validAgeAfterRejectionConfirms();
    void enterInAgeFieldConfirms();
    void cancellingStoresNothing_data();
    void cancellingStoresNothing();
    void noSexChosenKeepsThePreviousOne();
};

// Also right after the diagnosis of a 35-year-old woman: nothing of her shows.
void PatientDlgTest::opensWithZeroAndMaleEveryTime()
{
    auto kb = clinic(SEX_FEMALE);
    kb->patientAge = 35;
    for (int opening = 0; opening < 2; ++opening) {
        OpenPatientDlg dialog;
        QVERIFY(dialog.open(kb.get()));
        QCOMPARE(dialog.windowTitle(), u8("Osnovni podaci o pacijentu"));
        QCOMPARE(ageEdit(dialog)->text(), QStringLiteral("0"));
        QVERIFY(radio(dialog, IDC_SEX_MALE)->isChecked());
        QVERIFY(!radio(dialog, IDC_SEX_FEMALE)->isChecked());
        QCOMPARE(radio(dialog, IDC_SEX_MALE)->text(), u8("Muški spol"));
        QCOMPARE(radio(dialog, IDC_SEX_FEMALE)->text(), u8("Ženski spol"));
        QCOMPARE(dialog.focusWidget(), ageEdit(dialog)); // the first tab stop
        press(dialog, IDCANCEL);
    }
    QCOMPARE(kb->patientAge, 35u);
    QCOMPARE(kb->patientSex, SEX_FEMALE);
}

void PatientDlgTest::acceptsUnsignedAges_data()
{
    QTest::addColumn<QString>("typed"); // null: the field as it opens
    QTest::addColumn<bool>("female");
    QTest::addColumn<uint>("stored");
    QTest::newRow("no input: a man of 0") << QString() << false << 0u;
    QTest::newRow("35, female") << QStringLiteral("35") << true << 35u;
    QTest::newRow("150") << QStringLiteral("150") << false << 150u;
    QTest::newRow("999") << QStringLiteral("999") << false << 999u;
    QTest::newRow("leading zeros") << QStringLiteral("007") << false << 7u;
    QTest::newRow("blanks around") << QStringLiteral("  42 ") << false << 42u;
    QTest::newRow("tab before") << QStringLiteral("\t8") << false << 8u;
    QTest::newRow("largest") << QStringLiteral("4294967295") << false << 4294967295u;
}

// Age and sex stored over those of the patient before.
void PatientDlgTest::acceptsUnsignedAges()
{
    QFETCH(QString, typed);
    QFETCH(bool, female);
    QFETCH(uint, stored);
    auto kb = clinic(female ? SEX_MALE : SEX_FEMALE);
    kb->patientAge = 1234;
    ModalWatcher watcher;
    OpenPatientDlg dialog;
    QVERIFY(dialog.open(kb.get()));
    if (!typed.isNull())
        ageEdit(dialog)->setText(typed);
    if (female)
        QTest::mouseClick(radio(dialog, IDC_SEX_FEMALE), Qt::LeftButton);
    QCOMPARE(radio(dialog, IDC_SEX_MALE)->isChecked(), !female);
    press(dialog, IDOK);
    QCOMPARE(dialog.modalResult(), IDOK);
    QCOMPARE(kb->patientAge, stored);
    QCOMPARE(kb->patientSex, female ? SEX_FEMALE : SEX_MALE);
    QCOMPARE(dialog.sexField(), female ? 1 : 0);
    QVERIFY(watcher.messages.isEmpty());
}

void PatientDlgTest::rejectsAgeOnceAndStaysOpen_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("letters") << QStringLiteral("trideset");
    QTest::newRow("minus") << QStringLiteral("-5");
    QTest::newRow("plus") << QStringLiteral("+5");
    QTest::newRow("digits then letters") << QStringLiteral("12 godina");
    QTest::newRow("decimal") << QStringLiteral("3.5");
    QTest::newRow("blank inside") << QStringLiteral("4 2");
    QTest::newRow("above 32 bits") << QStringLiteral("4294967296");
    QTest::newRow("far above") << QStringLiteral("99999999999999999999");
}

// The message is the program's own, once, owned by the dialog; then the age field has
// the focus with its text selected, and nothing is stored, the sex included.
void PatientDlgTest::rejectsAgeOnceAndStaysOpen()
{
    QFETCH(QString, typed);
    auto kb = clinic(SEX_FEMALE);
    kb->patientAge = 61;
    ModalWatcher watcher;
    OpenPatientDlg dialog;
    QVERIFY(dialog.open(kb.get()));
    ageEdit(dialog)->setText(typed);
    QTest::mouseClick(radio(dialog, IDC_SEX_MALE), Qt::LeftButton);
    press(dialog, IDOK);

    QCOMPARE(watcher.messages.size(), 1);
    const MessageRecord& message = watcher.messages.first();
    QCOMPARE(message.text, u8("Upišite cijeli broj bez predznaka."));
    QCOMPARE(message.caption, QStringLiteral("Ordisan"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.buttonCount, 1);
    QCOMPARE(message.owner, &dialog);

    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.modalResult(), 0);
    QCOMPARE(dialog.focusWidget(), ageEdit(dialog));
    QCOMPARE(ageEdit(dialog)->selectedText(), typed);
    QCOMPARE(ageEdit(dialog)->text(), typed);
    QCOMPARE(kb->patientAge, 61u);
    QCOMPARE(kb->patientSex, SEX_FEMALE);
    QCOMPARE(dialog.sexField(), 0); // the radio group was not read
}

void PatientDlgTest::validAgeAfterRejectionConfirms()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    OpenPatientDlg dialog;
    QVERIFY(dialog.open(kb.get()));
    typeAge(dialog, QStringLiteral("-5"));
    press(dialog, IDOK);
    QCOMPARE(watcher.messages.size(), 1);
    // The selected text is replaced by what is typed next.
    QTest::keyClicks(ageEdit(dialog), QStringLiteral("52"));
    QCOMPARE(ageEdit(dialog)->text(), QStringLiteral("52"));
    press(dialog, IDOK);
    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(dialog.modalResult(), IDOK);
    QCOMPARE(kb->patientAge, 52u);
}

void PatientDlgTest::enterInAgeFieldConfirms()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    watcher.onDialog = [](QWidget* window) {
        auto* patient = qobject_cast<CPatientDlg*>(window);
        if (!patient)
            return;
        typeAge(*patient, QStringLiteral("70"));
        QTest::keyClick(ageEdit(*patient), Qt::Key_Return);
    };
    CPatientDlg dialog;
    QCOMPARE(dialog.RunModal(kb.get()), IDOK);
    QCOMPARE(kb->patientAge, 70u);
}

void PatientDlgTest::cancellingStoresNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Otkaži") << QStringLiteral("button");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("close box") << QStringLiteral("close");
}

// Before the first confirmed diagnosis of a run both fields are 0.
void PatientDlgTest::cancellingStoresNothing()
{
    QFETCH(QString, how);
    auto kb = clinic(0);
    ModalWatcher watcher;
    watcher.onDialog = [&how](QWidget* window) {
        auto* patient = qobject_cast<CPatientDlg*>(window);
        if (!patient)
            return;
        typeAge(*patient, QStringLiteral("35"));
        QTest::mouseClick(radio(*patient, IDC_SEX_FEMALE), Qt::LeftButton);
        if (how == QLatin1String("button"))
            press(*patient, IDCANCEL);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(ageEdit(*patient), Qt::Key_Escape);
        else
            patient->close();
    };
    CPatientDlg dialog;
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);
    QCOMPARE(kb->patientAge, 0u);
    QCOMPARE(kb->patientSex, 0);
    QVERIFY(watcher.messages.isEmpty());
}

// The user cannot clear both buttons; if no button is checked the previous sex
// stands, and with none before the dialog stays open without a message.
void PatientDlgTest::noSexChosenKeepsThePreviousOne()
{
    auto kb = clinic(0);
    ModalWatcher watcher;
    OpenPatientDlg dialog;
    QVERIFY(dialog.open(kb.get()));
    typeAge(dialog, QStringLiteral("9"));
    radio(dialog, IDC_SEX_MALE)->group()->setExclusive(false);
    radio(dialog, IDC_SEX_MALE)->setChecked(false);
    press(dialog, IDOK);
    QCOMPARE(dialog.modalResult(), 0);
    QVERIFY(dialog.isVisible());
    QCOMPARE(kb->patientAge, 9u);
    QCOMPARE(kb->patientSex, 0);
    QVERIFY(watcher.messages.isEmpty());

    kb->patientSex = SEX_FEMALE;
    press(dialog, IDOK);
    QCOMPARE(dialog.modalResult(), IDOK);
    QCOMPARE(kb->patientSex, SEX_FEMALE);
}

QTEST_MAIN(PatientDlgTest)
#include "patient_dlg_test.moc"
