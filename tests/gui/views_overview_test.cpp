// The overview tree: what a user sees of the knowledge base, with pictures and item
// data, and the keys and placement of the dialog.
#include "diagnosis_fixture.h"

#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

class OverviewTest final : public QObject {
    Q_OBJECT
private slots:
    void showsTheKnowledgeBase();
    void keysAndPlace_data();
    void keysAndPlace();
};

// Syndromes in file order, each link a child in link order (a shared symptom under
// each syndrome, a repeated line twice), pictures by location (any other value: the
// "other" one). A diagnosis before changes nothing, and the view changes nothing.
void OverviewTest::showsTheKnowledgeBase()
{
    KnowledgeBaseBuilder b;
    const int cir = b.syndrome(cp1250("Čir želuca").c_str()), alfa = b.syndrome("Alfa");
    const int prvi = b.symptom("prvi", SEX_MALE, LOC_HEAD);
    const int drugi = b.symptom("drugi", SEX_BOTH, LOC_TRUNK);
    const int treci = b.symptom(cp1250("koža peče, đak mućen").c_str(), SEX_FEMALE, LOC_LIMBS);
    const int nula = b.symptom("nula", SEX_BOTH, 0), pet = b.symptom("pet", SEX_BOTH, 5);
    for (const auto& [syndrome, symptom] : {std::pair{cir, treci}, {cir, drugi}, {alfa, drugi},
                                            {cir, prvi}, {alfa, nula}, {alfa, pet},
                                            {alfa, drugi}})
        b.link(syndrome, symptom);
    b.syndrome("Bez simptoma");
    KnowledgeBase* kb = &b.kb();
    kb->patientSex = SEX_MALE;
    kb->syndromeOrder[0] = alfa;
    kb->symptoms[prvi].answer = ANSWER_PRESENT;
    COverviewDlg dialog;
    QStringList lines;
    bool indicatorOnEmpty = true;
    whileShown(dialog, kb, [&] {
        auto* tree = dialog.GetDlgItem<QTreeWidget>(IDC_TREE);
        lines = treeLines(tree, {IDI_SYNDROME, IDI_HEAD, IDI_TRUNK, IDI_LIMBS, IDI_OTHER}, true);
        indicatorOnEmpty = tree->topLevelItem(2)->childIndicatorPolicy()
            != QTreeWidgetItem::DontShowIndicatorWhenChildless;
    });
    const auto line = [](const char* text, int picture, int data) {
        return u8(text) + QStringLiteral(" =%1 #%2").arg(picture).arg(data);
    };
    QCOMPARE(lines, QStringList({line("Čir želuca", IDI_SYNDROME, 0),
                                 line("  koža peče, đak mućen", IDI_LIMBS, 10002),
                                 line("  drugi", IDI_TRUNK, 10001), line("  prvi", IDI_HEAD, 10000),
                                 line("Alfa", IDI_SYNDROME, 1), line("  drugi", IDI_TRUNK, 10001),
                                 line("  nula", IDI_OTHER, 10003), line("  pet", IDI_OTHER, 10004),
                                 line("  drugi", IDI_TRUNK, 10001),
                                 line("Bez simptoma", IDI_SYNDROME, 2)}));
    QVERIFY(!indicatorOnEmpty);
    QCOMPARE(kb->syndromeOrder[0], alfa);
    QCOMPARE(kb->symptoms[prvi].answer, ANSWER_PRESENT);
}

void OverviewTest::keysAndPlace_data()
{
    QTest::addColumn<QList<int>>("keys"); // 0: the close box
    QTest::addColumn<int>("result");
    QTest::newRow("Enter on Izlazak") << QList<int>{Qt::Key_Return} << IDOK;
    QTest::newRow("Tab to the tree, Enter") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << IDOK;
    QTest::newRow("Esc") << QList<int>{Qt::Key_Escape} << IDCANCEL;
    QTest::newRow("close box") << QList<int>{0} << IDCANCEL;
}

// The focus starts on "Izlazak"; the dialog is centred over its owner.
void OverviewTest::keysAndPlace()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, result);
    KnowledgeBaseBuilder b;
    b.link(b.syndrome("Sindrom"), b.symptom("simptom"));
    QWidget owner;
    owner.setGeometry(10, 10, 641, 479);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    setMainWindow(&owner);
    COverviewDlg dialog;
    QPoint centre;
    QStringList focus;
    QCOMPARE(whileShown(dialog, &b.kb(), [&] {
        QApplication::setActiveWindow(&dialog);
        QTRY_VERIFY(QApplication::focusWidget());
        centre = dialog.frameGeometry().center();
        for (int key : keys) {
            focus.append(QApplication::focusWidget()->objectName());
            if (key)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            else
                dialog.close();
        }
    }), result);
    setMainWindow(nullptr);
    QCOMPARE(focus.first(), "IDOK");
    if (keys.size() > 1)
        QCOMPARE(focus[1], QString::number(IDC_TREE));
    QVERIFY((centre - owner.frameGeometry().center()).manhattanLength() <= 6);
    QVERIFY((centre - owner.screen()->availableGeometry().center()).manhattanLength() > 60);
}

QTEST_MAIN(OverviewTest)
#include "views_overview_test.moc"
