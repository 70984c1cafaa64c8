// Data exchange between a dialog's members and its controls: texts, unsigned numbers
// with their rejection, and radio groups.
#include "modal_watcher.h"

#include "platform/data_exchange.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

using enum ControlKind;
using namespace style;

// The patient data dialog's fields, exchanged in the order that matters: the age
// first, so a rejected age leaves the radio group unread.
class PatientFields final : public CDialog {
public:
    PatientFields() : CDialog(&PATIENT_TEMPLATE) {}
    std::uint32_t age = 0;
    int sexIndex = -1;

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        DDX_Text(exchange, IDC_AGE, age);
        DDX_Radio(exchange, IDC_SEX_MALE, sexIndex);
    }
};

// Two radio groups split by a static that starts a group.
constexpr ControlTemplate TWO_GROUP_ROWS[] = {
    {2001, AutoRadioButton, {5, 5, 50, 10}, "A1", GROUP | TABSTOP},
    {2002, AutoRadioButton, {5, 17, 50, 10}, "A2", 0},
    {2003, Text, {5, 29, 50, 8}, "Dalje", GROUP},
    {2004, AutoRadioButton, {5, 41, 50, 10}, "B1", GROUP | TABSTOP},
    {2005, Edit, {60, 41, 40, 14}, "", TABSTOP},
    {2006, AutoRadioButton, {5, 53, 50, 10}, "B2", 0},
};
constexpr DialogTemplate TWO_GROUP_TEMPLATE{9010, "Grupe", 120, 70, 0, TWO_GROUP_ROWS};

class TwoGroups final : public CDialog {
public:
    TwoGroups() : CDialog(&TWO_GROUP_TEMPLATE) {}
    int first = -1;
    int second = -1;
    QString label;

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        DDX_Radio(exchange, 2001, first);
        DDX_Radio(exchange, 2004, second);
        DDX_Text(exchange, 2003, label);
    }
};

} // namespace

class DataExchangeTest final : public QObject {
    Q_OBJECT
private slots:
    void writesMembersIntoControls();
    void noneSelectedClearsTheGroup();
    void unsignedNumbers_data();
    void unsignedNumbers();
    void radioGroupsEndWhereTheNextGroupStarts();
    void textReachesAStaticBothWays();
};

void DataExchangeTest::writesMembersIntoControls()
{
    PatientFields dialog;
    dialog.Create();
    QCOMPARE(dialog.GetDlgItem<QLineEdit>(IDC_AGE)->text(), QStringLiteral("0"));
    dialog.age = 35;
    dialog.sexIndex = 1;
    QVERIFY(dialog.UpdateData(false));
    QCOMPARE(dialog.GetDlgItem<QLineEdit>(IDC_AGE)->text(), QStringLiteral("35"));
    QVERIFY(!dialog.GetDlgItem<QRadioButton>(IDC_SEX_MALE)->isChecked());
    QVERIFY(dialog.GetDlgItem<QRadioButton>(IDC_SEX_FEMALE)->isChecked());

    dialog.age = 0;
    dialog.sexIndex = 0;
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.age, 35u);
    QCOMPARE(dialog.sexIndex, 1);
}

void DataExchangeTest::noneSelectedClearsTheGroup()
{
    PatientFields dialog;
    dialog.Create();
    dialog.sexIndex = 0;
    dialog.UpdateData(false);
    QVERIFY(dialog.GetDlgItem<QRadioButton>(IDC_SEX_MALE)->isChecked());
    dialog.sexIndex = -1;
    dialog.UpdateData(false);
    QVERIFY(!dialog.GetDlgItem<QRadioButton>(IDC_SEX_MALE)->isChecked());
    QVERIFY(!dialog.GetDlgItem<QRadioButton>(IDC_SEX_FEMALE)->isChecked());
    dialog.sexIndex = 5;
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.sexIndex, -1);
    // The group is still exclusive afterwards.
    dialog.GetDlgItem<QRadioButton>(IDC_SEX_MALE)->click();
    dialog.GetDlgItem<QRadioButton>(IDC_SEX_FEMALE)->click();
    QVERIFY(!dialog.GetDlgItem<QRadioButton>(IDC_SEX_MALE)->isChecked());
}

void DataExchangeTest::unsignedNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<uint>("value");
    QTest::newRow("zero") << "0" << true << 0u;
    QTest::newRow("150") << "150" << true << 150u;
    QTest::newRow("999") << "999" << true << 999u;
    QTest::newRow("blanks around") << "  42 " << true << 42u;
    QTest::newRow("leading zeros") << "007" << true << 7u;
    QTest::newRow("largest") << "4294967295" << true << 4294967295u;
    QTest::newRow("empty") << "" << false << 77u;
    QTest::newRow("blanks only") << "   " << false << 77u;
    QTest::newRow("letters") << "abc" << false << 77u;
    QTest::newRow("minus sign") << "-5" << false << 77u;
    QTest::newRow("digits then letters") << "12abc" << false << 77u;
    QTest::newRow("blank inside") << "1 2" << false << 77u;
    QTest::newRow("above 32 bits") << "4294967296" << false << 77u;
}

// A rejected number keeps the member, stops the exchange before the radio group, and
// gives one message and the field back with its text selected.
void DataExchangeTest::unsignedNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(uint, value);
    ModalWatcher watcher;
    PatientFields dialog;
    dialog.Create();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.age = 77;
    dialog.sexIndex = 0;
    auto* edit = dialog.GetDlgItem<QLineEdit>(IDC_AGE);
    edit->setText(text);
    dialog.GetDlgItem<QRadioButton>(IDC_SEX_FEMALE)->click();
    dialog.GetDlgItem<QRadioButton>(IDC_SEX_FEMALE)->setFocus();

    QCOMPARE(dialog.UpdateData(true), accepted);
    QCOMPARE(dialog.age, value);
    QCOMPARE(dialog.sexIndex, accepted ? 1 : 0);
    QCOMPARE(watcher.messages.size(), accepted ? 0 : 1);
    if (accepted)
        return;
    QCOMPARE(watcher.messages[0].text, QString::fromUtf8(UNSIGNED_FIELD_MESSAGE));
    QCOMPARE(watcher.messages[0].buttonCount, 1);
    QCOMPARE(dialog.focusWidget(), edit);
    QCOMPARE(edit->selectedText(), text);
}

void DataExchangeTest::radioGroupsEndWhereTheNextGroupStarts()
{
    TwoGroups dialog;
    dialog.Create();
    dialog.first = 1;
    dialog.second = 1;
    dialog.UpdateData(false);
    QVERIFY(dialog.findChild<QRadioButton*>("2002")->isChecked());
    QVERIFY(dialog.findChild<QRadioButton*>("2006")->isChecked()); // the edit is not counted

    // Choosing in one group leaves the other alone.
    dialog.findChild<QRadioButton*>("2004")->click();
    QVERIFY(dialog.findChild<QRadioButton*>("2002")->isChecked());
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.first, 1);
    QCOMPARE(dialog.second, 0);
}

void DataExchangeTest::textReachesAStaticBothWays()
{
    TwoGroups dialog;
    dialog.Create();
    auto* label = dialog.findChild<QLabel*>("2003");
    // Initialisation wrote the empty member over the template's text.
    QCOMPARE(label->text(), QString());
    dialog.label = QStringLiteral("Ćevapi");
    dialog.UpdateData(false);
    QCOMPARE(label->text(), QStringLiteral("Ćevapi"));
    label->setText(QStringLiteral("Žuč"));
    QVERIFY(dialog.UpdateData(true));
    QCOMPARE(dialog.label, QStringLiteral("Žuč"));
}

QTEST_MAIN(DataExchangeTest)
#include "data_exchange_test.moc"
