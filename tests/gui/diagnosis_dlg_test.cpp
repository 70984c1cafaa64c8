// The diagnosis dialog: the two trees as they open for each sex, answers cycled by
// double-click and Space on every item of a symptom, double-clicks beside the items,
// re-ranking against the engine, the views on top, and a new diagnosis.
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "platform/picture_button.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QString U = QString::number(IDI_UNKNOWN);
const QString P = QString::number(IDI_PRESENT);
const QString A = QString::number(IDI_ABSENT);

// The clinic `base` in an open diagnosis dialog, with its two trees at hand.
#define OPEN_DIAGNOSIS(base)                                                                \
    auto kb = base;                                                                         \
    OpenDiagnosisDlg dialog;                                                                \
    QVERIFY(dialog.open(kb.get()));                                                         \
    [[maybe_unused]] QTreeWidget* left = dialog.left();                                     \
    [[maybe_unused]] QTreeWidget* right = dialog.right()

void rerank(const CDialog& dialog)
{
    QTest::mouseClick(dialog.GetDlgItem<QPushButton>(IDC_RERANK), Qt::LeftButton);
}

// The icons of every item named `text` in both trees, right tree first.
QStringList iconsOf(const OpenDiagnosisDlg& dialog, const QString& text)
{
    QStringList icons;
    for (const QTreeWidget* tree : {dialog.right(), dialog.left()})
        for (const QTreeWidgetItem* item : tree->findItems(text, Qt::MatchEndsWith | Qt::MatchRecursive))
            icons.append(QString::number(shownIcon(item)));
    return icons;
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
    void viewsOnTopAndEnterKeepTheDialog();
    void newDiagnosisStartsUnknown();
};

void DiagnosisDlgTest::opens_data()
{
    QTest::addColumn<int>("sex");
    QTest::addColumn<QStringList>("syndromes");
    QTest::addColumn<QStringList>("symptoms");
    // Children in link order (a repeated line twice); a syndrome with nothing that
    // applies is at 0 % with the low band; "đurđica na koži" belongs to no syndrome.
    const QStringList gripa{u8("(50%) - Gripa =%1").arg(IDI_BAND_HALF), u8("  vrućica =") + U, u8("  kašalj =") + U, "  glavobolja =" + U,
                            u8("(50%) - Migrena =%1").arg(IDI_BAND_HALF), "  glavobolja =" + U, u8("  mučnina =") + U, u8("  mučnina =") + U};
    QTest::newRow("man") << int(SEX_MALE)
        << gripa + QStringList{u8("(50%) - Trudnoća =%1").arg(IDI_BAND_HALF), u8("  mučnina =") + U,
                               u8("(50%) - Prostatitis =%1").arg(IDI_BAND_HALF), u8("  otežano mokrenje =") + U,
                               u8("(0%) - Ženski sindrom =%1").arg(IDI_BAND_LOW)}
        << QStringList{u8("(50%) - vrućica"), u8("(50%) - kašalj"), "(50%) - glavobolja", u8("(50%) - mučnina"),
                       u8("(50%) - otežano mokrenje"), u8("(50%) - đurđica na koži")};
    QTest::newRow("woman") << int(SEX_FEMALE)
        << gripa + QStringList{u8("(50%) - Trudnoća =%1").arg(IDI_BAND_HALF), "  izostanak menstruacije =" + U, u8("  mučnina =") + U,
                               u8("(50%) - Ženski sindrom =%1").arg(IDI_BAND_HALF), "  bol u zdjelici =" + U,
                               u8("(0%) - Prostatitis =%1").arg(IDI_BAND_LOW)}
        << QStringList{u8("(50%) - vrućica"), u8("(50%) - kašalj"), "(50%) - glavobolja", u8("(50%) - mučnina"),
                       "(50%) - izostanak menstruacije", "(50%) - bol u zdjelici", u8("(50%) - đurđica na koži")};
}

void DiagnosisDlgTest::opens()
{
    QFETCH(int, sex);
    QFETCH(QStringList, syndromes);
    QFETCH(QStringList, symptoms);
    OPEN_DIAGNOSIS(clinic(sex));
    QCOMPARE(treeLines(left, diagnosisIcons()), syndromes);
    QCOMPARE(treeLines(right, diagnosisIcons()), symptoms.replaceInStrings(QRegularExpression("$"), " =" + U));
    QCOMPARE(dialog.focusWidget(), dialog.left());
    for (int i = 0; i < dialog.left()->topLevelItemCount(); ++i)
        QVERIFY(!dialog.left()->topLevelItem(i)->isExpanded());
}

// Double-click and Space cycle unknown, present, absent, unknown, and change every item
// of the symptom in both trees: collapsed branches, repeated lines and items scrolled
// out of view included. Nothing is recomputed before "<<Rangiraj>>".
void DiagnosisDlgTest::answersReachEveryItemOfTheSymptom()
{
    {
        OPEN_DIAGNOSIS(clinic(SEX_MALE));
        const QString mucnina = u8("mučnina");
        QTreeWidgetItem* inRight = right->topLevelItem(3);
        doubleClick(right, inRight);
        QCOMPARE(iconsOf(dialog, mucnina), QStringList({P, P, P, P}));
        QTreeWidgetItem* trudnoca = left->topLevelItem(2);
        trudnoca->setExpanded(true);
        doubleClick(left, trudnoca->child(0));
        QCOMPARE(iconsOf(dialog, mucnina), QStringList({A, A, A, A}));
        left->setFocus();
        QTest::keyClick(left, Qt::Key_Space);
        QCOMPARE(iconsOf(dialog, mucnina), QStringList({U, U, U, U}));
        QCOMPARE(kb->symptoms[3].answer, ANSWER_UNKNOWN);
        right->setFocus();
        right->setCurrentItem(right->topLevelItem(0));
        QTest::keyClick(right, Qt::Key_Space);
        QCOMPARE(iconsOf(dialog, u8("vrućica")), QStringList({P, P}));
        QCOMPARE(iconsOf(dialog, "glavobolja"), QStringList({U, U, U}));
        QCOMPARE(topTexts(right).first(), u8("(50%) - vrućica"));
        QCOMPARE(shownIcon(left->topLevelItem(0)), IDI_BAND_HALF);
    }
    OPEN_DIAGNOSIS(longClinic(40));
    QTreeWidgetItem* first = left->topLevelItem(0);
    first->setExpanded(true);
    doubleClick(left, first->child(1));
    QCOMPARE(iconsOf(dialog, u8("zajednički")), QStringList({P, P, P}));
    left->scrollToBottom();
    doubleClick(right, right->topLevelItem(right->topLevelItemCount() - 1));
    QCOMPARE(iconsOf(dialog, u8("zajednički")), QStringList({A, A, A}));
}

// On a syndrome (it only opens and closes), below the last item and on an expand
// button: no answer changes, and the symptom selected before stays selected.
void DiagnosisDlgTest::doubleClickBesideItemsChangesNothing()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    const QStringList before = treeLines(left, diagnosisIcons()) + treeLines(right, diagnosisIcons());
    QTreeWidgetItem* gripa = left->topLevelItem(0);
    doubleClick(left, gripa);
    QVERIFY(gripa->isExpanded());
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualItemRect(gripa->child(1)).center());
    const QRect migrena = left->visualItemRect(left->topLevelItem(1));
    doubleClickAt(left, QPoint(migrena.left() - left->indentation() / 2, migrena.center().y()));
    QCOMPARE(left->currentItem(), gripa->child(1));
    for (QTreeWidget* tree : {left, right}) {
        const QRect last = tree->visualItemRect(tree->topLevelItem(tree->topLevelItemCount() - 1));
        const QPoint below(last.center().x(), last.bottom() + 2 * last.height());
        QVERIFY(below.y() < tree->viewport()->height());
        doubleClickAt(tree, below);
    }
    doubleClick(left, gripa);
    QCOMPARE(treeLines(left, diagnosisIcons()) + treeLines(right, diagnosisIcons()), before);
}

// Answered symptoms leave the right tree; orders, percentages and icons follow the
// answers, a symptom answered and made unknown again included; the branches close.
void DiagnosisDlgTest::rerankFollowsTheAnswers()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    for (int row : {2, 0, 0, 1, 1, 1}) // glavobolja present, vrućica absent, kašalj unknown again
        doubleClick(right, right->topLevelItem(row));
    left->topLevelItem(0)->setExpanded(true);
    rerank(dialog);
    // Gripa (0 + 0.5 + 1) / 3 = 50 %; Migrena (1 + 0.5 + 0.5) / 3 = 66 %.
    QCOMPARE(treeLines(left, diagnosisIcons()).mid(0, 8),
             QStringList({u8("(66%) - Migrena =%1").arg(IDI_BAND_ABOVE_HALF), "  glavobolja =" + P, u8("  mučnina =") + U,
                          u8("  mučnina =") + U, u8("(50%) - Gripa =%1").arg(IDI_BAND_HALF), u8("  vrućica =") + A,
                          u8("  kašalj =") + U, "  glavobolja =" + P}));
    QCOMPARE(topTexts(right), QStringList({u8("(66%) - mučnina"), u8("(50%) - kašalj"), u8("(50%) - otežano mokrenje"),
                                           u8("(50%) - đurđica na koži")}));
    QVERIFY(!left->topLevelItem(1)->isExpanded());
}

// "PR" and "RJ" open the views owned by the diagnosis; after them the trees show what
// they showed. Enter in a tree keeps to the default button, "Izlazak".
void DiagnosisDlgTest::viewsOnTopAndEnterKeepTheDialog()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    QStringList opened, before, after;
    CDiagnosisDlg dialog;
    const auto state = [&dialog] {
        auto* left = dialog.GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE);
        auto* right = dialog.GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
        return treeLines(left, diagnosisIcons()) + treeLines(right, diagnosisIcons())
            << left->currentItem()->text(0) << QString::number(left->topLevelItem(1)->isExpanded());
    };
    watcher.onDialog = [&](QWidget* window) {
        if (window == &dialog)
            return;
        opened.append(QStringLiteral("%1 %2").arg(window->metaObject()->className()).arg(window->parentWidget() == &dialog));
        window->close();
    };
    QCOMPARE(whileShown(dialog, [&] { return dialog.RunModal(kb.get()); }, [&] {
        auto* left = dialog.GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE);
        left->topLevelItem(1)->setExpanded(true);
        doubleClick(left, left->topLevelItem(1)->child(1));
        before = state();
        QTest::mouseClick(dialog.GetDlgItem<PictureButton>(IDC_PREGLED), Qt::LeftButton);
        QTest::mouseClick(dialog.GetDlgItem<PictureButton>(IDC_RJECNIK), Qt::LeftButton);
        after = state();
        QTest::keyClick(left, Qt::Key_Return);
    }), IDOK);
    QCOMPARE(opened, QStringList({"ordisan::COverviewDlg 1", "ordisan::CDictionaryDlg 1"}));
    QCOMPARE(after, before);
}

// The answers stay after the dialog closes; the next diagnosis starts all unknown.
void DiagnosisDlgTest::newDiagnosisStartsUnknown()
{
    auto kb = clinic(SEX_MALE);
    CDiagnosisDlg first;
    whileShown(first, [&] { return first.RunModal(kb.get()); }, [&] {
        auto* right = first.GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
        doubleClick(right, right->topLevelItem(0));
        rerank(first);
    });
    QCOMPARE(kb->symptoms[0].answer, ANSWER_PRESENT);
    QCOMPARE(kb->syndromes[0].score, 2.0f / 3.0f);
    OpenDiagnosisDlg second;
    QVERIFY(second.open(kb.get()));
    QCOMPARE(topTexts(second.left()).first(), "(50%) - Gripa");
    QCOMPARE(iconsOf(second, u8("vrućica")), QStringList({U, U}));
}

QTEST_MAIN(DiagnosisDlgTest)
#include "diagnosis_dlg_test.moc"
