// The diagnosis dialog: the two trees as they open for each sex, answers cycled by
// double-click and Space on every item of a symptom, double-clicks beside the items,
// re-ranking against the engine, Enter in a tree, and a new diagnosis.
#include "gui_support.h"

#include "res/resource.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QString U = QString::number(IDI_UNKNOWN);
const QString P = QString::number(IDI_PRESENT);
const QString A = QString::number(IDI_ABSENT);

void rerank(const CDialog& dialog)
{
    QTest::mouseClick(dialog.GetDlgItem<QPushButton>(IDC_RERANK), Qt::LeftButton);
}

// The icons of every item named `text` in both trees, right tree first.
QStringList iconsOf(const QTreeWidget* left, const QTreeWidget* right, const QString& text)
{
    QStringList icons;
    for (const QTreeWidget* tree : {right, left})
        for (const QTreeWidgetItem* item :
             tree->findItems(text, Qt::MatchEndsWith | Qt::MatchRecursive))
            icons.append(QString::number(shownIcon(item)));
    return icons;
}

QString band(const char* text, int icon)
{
    return u8(text) + " =" + QString::number(icon);
}

} // namespace

class DiagnosisDlgTest final : public QObject {
    Q_OBJECT
private slots:
    void opens_data();
    void opens();
    void answersReachEveryItemOfTheSymptom();
    void doubleClickBesideItemsChangesNothing();
    void rerankFollowsTheAnswers();
    void newDiagnosisStartsUnknown();
};

void DiagnosisDlgTest::opens_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<QStringList>("syndromes");
    QTest::addColumn<QStringList>("symptoms");
    // Children in link order (a repeated line twice); a syndrome with nothing that
    // applies is at 0 % with the low band; "đurđica na koži" belongs to no syndrome.
    const QStringList gripa{band("(50%) - Gripa", IDI_BAND_HALF), u8("  vrućica =") + U,
                            u8("  kašalj =") + U, "  glavobolja =" + U,
                            band("(50%) - Migrena", IDI_BAND_HALF), "  glavobolja =" + U,
                            u8("  mučnina =") + U, u8("  mučnina =") + U,
                            band("(50%) - Trudnoća", IDI_BAND_HALF)};
    const QStringList common = u8("vrućica,kašalj,glavobolja,mučnina").split(',');
    QTest::newRow("man") << int(SEX_MALE)
        << gripa + QStringList{u8("  mučnina =") + U, band("(50%) - Prostatitis", IDI_BAND_HALF),
                               u8("  otežano mokrenje =") + U,
                               band("(0%) - Ženski sindrom", IDI_BAND_LOW)}
        << common + QStringList{u8("otežano mokrenje"), u8("đurđica na koži")};
    QTest::newRow("woman") << int(SEX_FEMALE)
        << gripa + QStringList{"  izostanak menstruacije =" + U, u8("  mučnina =") + U,
                               band("(50%) - Ženski sindrom", IDI_BAND_HALF),
                               "  bol u zdjelici =" + U, band("(0%) - Prostatitis", IDI_BAND_LOW)}
        << common
               + QStringList{"izostanak menstruacije", "bol u zdjelici", u8("đurđica na koži")};
}

// Every branch closed, the focus in the left tree.
void DiagnosisDlgTest::opens()
{
    QFETCH(int, sex);
    QFETCH(QStringList, syndromes);
    QFETCH(QStringList, symptoms);
    auto kb = clinic(sex);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left, QTreeWidget* right) {
        QCOMPARE(treeLines(left, diagnosisIcons()), syndromes);
        for (QString& symptom : symptoms)
            symptom = "(50%) - " + symptom + " =" + U;
        QCOMPARE(treeLines(right, diagnosisIcons()), symptoms);
        QCOMPARE(dialog.focusWidget(), left);
        for (int i = 0; i < left->topLevelItemCount(); ++i)
            QVERIFY(!left->topLevelItem(i)->isExpanded());
    });
}

// Double-click and Space cycle unknown, present, absent, unknown, and change every item
// of the symptom in both trees: collapsed branches, repeated lines and items scrolled
// out of view included. Nothing is recomputed before "<<Rangiraj>>".
void DiagnosisDlgTest::answersReachEveryItemOfTheSymptom()
{
    auto kb = clinic(SEX_MALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        const QString mucnina = u8("mučnina");
        doubleClick(right, right->topLevelItem(3));
        QCOMPARE(iconsOf(left, right, mucnina), QStringList({P, P, P, P}));
        QTreeWidgetItem* trudnoca = left->topLevelItem(2);
        trudnoca->setExpanded(true);
        doubleClick(left, trudnoca->child(0));
        QCOMPARE(iconsOf(left, right, mucnina), QStringList({A, A, A, A}));
        left->setFocus();
        QTest::keyClick(left, Qt::Key_Space);
        QCOMPARE(iconsOf(left, right, mucnina), QStringList({U, U, U, U}));
        QCOMPARE(kb->symptoms[3].answer, ANSWER_UNKNOWN);
        right->setFocus();
        right->setCurrentItem(right->topLevelItem(0));
        QTest::keyClick(right, Qt::Key_Space);
        QCOMPARE(iconsOf(left, right, u8("vrućica")), QStringList({P, P}));
        QCOMPARE(iconsOf(left, right, "glavobolja"), QStringList({U, U, U}));
        QCOMPARE(right->topLevelItem(0)->text(0), u8("(50%) - vrućica"));
        QCOMPARE(shownIcon(left->topLevelItem(0)), IDI_BAND_HALF);
    });
    kb = longClinic(40);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        QTreeWidgetItem* first = left->topLevelItem(0);
        first->setExpanded(true);
        doubleClick(left, first->child(1));
        QCOMPARE(iconsOf(left, right, u8("zajednički")), QStringList({P, P, P}));
        left->scrollToBottom();
        doubleClick(right, right->topLevelItem(right->topLevelItemCount() - 1));
        QCOMPARE(iconsOf(left, right, u8("zajednički")), QStringList({A, A, A}));
    });
}

// On a syndrome (it only opens and closes), below the last item and on an expand
// button: no answer changes, and the symptom selected before stays selected.
void DiagnosisDlgTest::doubleClickBesideItemsChangesNothing()
{
    auto kb = clinic(SEX_MALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        const auto both = [&] {
            return treeLines(left, diagnosisIcons()) + treeLines(right, diagnosisIcons());
        };
        const QStringList before = both();
        QTreeWidgetItem* gripa = left->topLevelItem(0);
        doubleClick(left, gripa);
        QVERIFY(gripa->isExpanded());
        QTest::mouseClick(left->viewport(), Qt::LeftButton, {},
                          left->visualItemRect(gripa->child(1)).center());
        const QRect migrena = left->visualItemRect(left->topLevelItem(1));
        doubleClickAt(left, QPoint(migrena.left() - left->indentation() / 2, migrena.center().y()));
        QCOMPARE(left->currentItem(), gripa->child(1));
        for (QTreeWidget* tree : {left, right}) {
            const int lastRow = tree->topLevelItemCount() - 1;
            const QRect last = tree->visualItemRect(tree->topLevelItem(lastRow));
            const QPoint below(last.center().x(), last.bottom() + 2 * last.height());
            QVERIFY(below.y() < tree->viewport()->height());
            doubleClickAt(tree, below);
        }
        doubleClick(left, gripa);
        QCOMPARE(both(), before);
    });
}

// Answered symptoms leave the right tree; orders, percentages and icons follow the
// answers, a symptom answered and made unknown again included; the branches close.
void DiagnosisDlgTest::rerankFollowsTheAnswers()
{
    auto kb = clinic(SEX_MALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left, QTreeWidget* right) {
        for (int row : {2, 0, 0, 1, 1, 1}) // glavobolja present, vrućica absent, kašalj unknown
            doubleClick(right, right->topLevelItem(row));
        left->topLevelItem(0)->setExpanded(true);
        rerank(dialog);
        // Gripa (0 + 0.5 + 1) / 3 = 50 %; Migrena (1 + 0.5 + 0.5) / 3 = 66 %.
        QCOMPARE(treeLines(left, diagnosisIcons()).mid(0, 8),
                 QStringList({band("(66%) - Migrena", IDI_BAND_ABOVE_HALF), "  glavobolja =" + P,
                              u8("  mučnina =") + U, u8("  mučnina =") + U,
                              band("(50%) - Gripa", IDI_BAND_HALF), u8("  vrućica =") + A,
                              u8("  kašalj =") + U, "  glavobolja =" + P}));
        QCOMPARE(treeLines(right), u8("(66%) - mučnina,(50%) - kašalj,(50%) - otežano mokrenje,"
                                      "(50%) - đurđica na koži").split(','));
        QVERIFY(!left->topLevelItem(1)->isExpanded());
    });
}

// Enter in a tree keeps to the default button, "Izlazak"; the answers stay after the
// dialog closes, and the next diagnosis starts all unknown.
void DiagnosisDlgTest::newDiagnosisStartsUnknown()
{
    auto kb = clinic(SEX_MALE);
    const int result = whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left,
                                                     QTreeWidget* right) {
        doubleClick(right, right->topLevelItem(0));
        rerank(dialog);
        QTest::keyClick(left, Qt::Key_Return);
    });
    QCOMPARE(result, IDOK);
    QCOMPARE(kb->symptoms[0].answer, ANSWER_PRESENT);
    QCOMPARE(kb->syndromes[0].score, 2.0f / 3.0f);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        QCOMPARE(left->topLevelItem(0)->text(0), "(50%) - Gripa");
        QCOMPARE(iconsOf(left, right, u8("vrućica")), QStringList({U, U}));
    });
}

QTEST_MAIN(DiagnosisDlgTest)
#include "diagnosis_dlg_test.moc"
