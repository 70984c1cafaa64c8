// The overview tree: what a user sees of the knowledge base, with pictures and item
// data, and the keys and placement of the dialog.
#include "diagnosis_fixture.h"

#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QList<int> PICTURES{IDI_SYNDROME, IDI_HEAD, IDI_TRUNK, IDI_LIMBS, IDI_OTHER};

} // namespace

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
    const int zeta = b.syndrome(cp1250("Čir želuca").c_str()), alfa = b.syndrome("Alfa");
    const int prvi = b.symptom("prvi", SEX_MALE, LOC_HEAD), drugi = b.symptom("drugi", SEX_BOTH, LOC_TRUNK);
    const int treci = b.symptom(cp1250("koža peče, đak mućen").c_str(), SEX_FEMALE, LOC_LIMBS);
    const int odd[] = {b.symptom("nula", SEX_BOTH, 0), b.symptom("pet", SEX_BOTH, 5), b.symptom("minus", SEX_BOTH, -1)};
    for (const auto& [syndrome, symptom] : {std::pair{zeta, treci}, {alfa, drugi}, {zeta, drugi}, {alfa, prvi}, {zeta, prvi},
                                            {alfa, odd[0]}, {alfa, odd[1]}, {alfa, odd[2]}, {alfa, drugi}})
        b.link(syndrome, symptom);
    b.syndrome("Bez simptoma");
    KnowledgeBase* kb = &b.kb();
    kb->patientSex = SEX_MALE;
    kb->syndromeOrder[0] = alfa;
    kb->symptoms[prvi].answer = ANSWER_PRESENT;
    COverviewDlg dialog;
    QStringList lines;
    bool indicatorOnEmpty = true;
    whileShown(dialog, [&] { return dialog.RunModal(kb); }, [&] {
        auto* tree = dialog.GetDlgItem<QTreeWidget>(IDC_TREE);
        lines = treeLines(tree, PICTURES, true);
        indicatorOnEmpty = tree->topLevelItem(2)->childIndicatorPolicy() != QTreeWidgetItem::DontShowIndicatorWhenChildless;
    });
    const QString s = QString::number(IDI_SYNDROME), h = QString::number(IDI_HEAD), t = QString::number(IDI_TRUNK),
                  l = QString::number(IDI_LIMBS), o = QString::number(IDI_OTHER);
    QCOMPARE(lines, QStringList({u8("Čir želuca =") + s + " #0", u8("  koža peče, đak mućen =") + l + " #10002",
                                 "  drugi =" + t + " #10001", "  prvi =" + h + " #10000",
                                 "Alfa =" + s + " #1", "  drugi =" + t + " #10001", "  prvi =" + h + " #10000",
                                 "  nula =" + o + " #10003", "  pet =" + o + " #10004", "  minus =" + o + " #10005",
                                 "  drugi =" + t + " #10001", "Bez simptoma =" + s + " #2"}));
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
    QCOMPARE(whileShown(dialog, [&] { return dialog.RunModal(&b.kb()); }, [&] {
        QApplication::setActiveWindow(&dialog);
        QTRY_VERIFY(QApplication::focusWidget());
        centre = dialog.frameGeometry().center();
        for (int key : keys) {
            focus.append(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none");
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
