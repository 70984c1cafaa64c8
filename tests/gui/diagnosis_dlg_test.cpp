// The diagnosis dialog: the two trees as they open, sex filtering, answers cycled by
// double-click and Space on every item of a symptom, double-clicks beside the items,
// re-ranking, the overview and the dictionary on top, and a new diagnosis.
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "diagnosis/diagnosis_item.h"
#include "engine/ranking_engine.h"
#include "platform/picture_button.h"
#include "platform/text_codec.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

QString percentText(int percent, const char* utf8Name)
{
    return QStringLiteral("(%1%) - %2").arg(percent).arg(u8(utf8Name));
}

// Every icon of every item, as a user sees the trees.
QStringList iconsOf(const QTreeWidget* tree)
{
    QStringList icons;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        icons.append(top->text(0) + QLatin1Char('=') + QString::number(shownIcon(top)));
        for (int c = 0; c < top->childCount(); ++c)
            icons.append(QStringLiteral("  ") + top->child(c)->text(0) + QLatin1Char('=')
                         + QString::number(shownIcon(top->child(c))));
    }
    return icons;
}

// What a user sees of a tree: items, icons, open branches, selection, scrolling.
struct TreeState {
    QStringList icons;
    QStringList expanded;
    QString current;
    bool currentSelected = false;
    int scrolled = 0;
    bool operator==(const TreeState&) const = default;
};

TreeState viewOf(const QTreeWidget* tree)
{
    TreeState view;
    view.icons = iconsOf(tree);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->isExpanded())
            view.expanded.append(tree->topLevelItem(i)->text(0));
    if (const QTreeWidgetItem* current = tree->currentItem()) {
        view.current = current->text(0);
        view.currentSelected = current->isSelected();
    }
    view.scrolled = tree->verticalScrollBar()->value();
    return view;
}

bool inView(const QTreeWidget* tree, const QTreeWidgetItem* item)
{
    return tree->viewport()->rect().intersects(tree->visualItemRect(item));
}

// The style shades its highlight a little from top to bottom.
bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24
        && std::abs(a.blue() - b.blue()) < 24;
}

// The clinic `base` in an open diagnosis dialog, with its two trees at hand.
#define OPEN_DIAGNOSIS(base)                                                                \
    auto kb = base;                                                                         \
    OpenDiagnosisDlg dialog;                                                                \
    QVERIFY(dialog.open(kb.get()));                                                         \
    [[maybe_unused]] QTreeWidget* left = dialog.left();                                     \
    [[maybe_unused]] QTreeWidget* right = dialog.right()

bool allShow(const QList<QTreeWidgetItem*>& items, int icon)
{
    return std::all_of(items.begin(), items.end(), [icon](auto* item) { return shownIcon(item) == icon; });
}

QList<QTreeWidgetItem*> topItems(const QTreeWidget* tree)
{
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        items.append(tree->topLevelItem(i));
    return items;
}

bool noneExpanded(const QTreeWidget* tree)
{
    const auto items = topItems(tree);
    return std::none_of(items.begin(), items.end(), [](auto* item) { return item->isExpanded(); });
}

QString tip(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::ToolTipRole).toString();
}

QString spoken(const QTreeWidgetItem* item)
{
    return item->data(0, Qt::AccessibleTextRole).toString();
}

void rerank(const CDialog& dialog)
{
    QTest::mouseClick(dialog.GetDlgItem<QPushButton>(IDC_RERANK), Qt::LeftButton);
}

} // namespace

class DiagnosisDlgTest : public QObject {
    Q_OBJECT
private slots:
    void opensAtHalfForSyndromesWithApplicableSymptoms();
    void symptomsFilteredBySex();
    void threeDoubleClicksCycleTheIcons();
    void doubleClickChangesEveryItemOfTheSymptom();
    void doubleClickReachesItemsOutOfView();
    void doubleClickBesideItemsChangesNothing();
    void spaceCyclesTheSelectedSymptom();
    void enterKeepsTheDefaultButton();
    void rerankDropsAnsweredAndReflectsAnswers();
    void rerankMatchesTheEngine();
    void overviewAndDictionaryLeaveTreesAsTheyWere();
    void answersStayAndNewDiagnosisStartsUnknown();
    void tooltipsExplain();
    void accessibleNamesSayWhatIconsMean();
    void selectionWithoutFocus();
    void longTextsShownWhole();
};

// Both trees as they open, laid out as the template gives them.
void DiagnosisDlgTest::opensAtHalfForSyndromesWithApplicableSymptoms()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    QCOMPARE(dialog.windowTitle(), u8("Dijagnosticiranje"));
    QCOMPARE(topTexts(left),
             QStringList({percentText(50, "Gripa"), percentText(50, "Migrena"),
                          percentText(50, "Trudnoća"), percentText(50, "Prostatitis"),
                          percentText(0, "Ženski sindrom")}));
    QVERIFY(allShow(topItems(left).mid(0, 4), IDI_BAND_HALF));
    QCOMPARE(shownIcon(left->topLevelItem(4)), IDI_BAND_LOW);
    QCOMPARE(left->topLevelItem(4)->childCount(), 0);
    QVERIFY(noneExpanded(left));

    // Children in link order, without a percentage, each with the question mark; a
    // repeated line gives two.
    QCOMPARE(childTexts(left->topLevelItem(0)),
             QStringList({u8("vrućica"), u8("kašalj"), u8("glavobolja")}));
    QCOMPARE(childTexts(left->topLevelItem(1)),
             QStringList({u8("glavobolja"), u8("mučnina"), u8("mučnina")}));
    QVERIFY(allShow(itemsNamed(left, u8("mučnina")), IDI_UNKNOWN));
    QCOMPARE(dialog.focusWidget(), left);

    // Right tree in symptom table order. "đurđica na koži" belongs to no syndrome and
    // applies to both sexes: it is asked about at the default weight.
    QCOMPARE(topTexts(right),
             QStringList({percentText(50, "vrućica"), percentText(50, "kašalj"),
                          percentText(50, "glavobolja"), percentText(50, "mučnina"),
                          percentText(50, "otežano mokrenje"),
                          percentText(50, "đurđica na koži")}));
    QVERIFY(allShow(topItems(right), IDI_UNKNOWN));
    for (QTreeWidgetItem* item : topItems(right))
        QCOMPARE(item->childCount(), 0);

    QVERIFY(left->rootIsDecorated() && !right->rootIsDecorated());
    QVERIFY(left->isHeaderHidden() && right->isHeaderHidden());
    QVERIFY(left->textElideMode() == Qt::ElideNone && right->textElideMode() == Qt::ElideNone);
    QVERIFY(left->geometry().right() < right->geometry().left());
    QCOMPARE(dialog.GetDlgItem<PictureButton>(IDC_PREGLED)->size(), QSize(54, 58));
    QCOMPARE(dialog.GetDlgItem<PictureButton>(IDC_RJECNIK)->size(), QSize(58, 57));
    QCOMPARE(dialog.GetDlgItem<QPushButton>(IDC_RERANK)->text(), u8("<<Rangiraj>>"));
}

void DiagnosisDlgTest::symptomsFilteredBySex()
{
    auto woman = clinic(SEX_FEMALE);
    OpenDiagnosisDlg forHer;
    QVERIFY(forHer.open(woman.get()));
    QCOMPARE(childTexts(topItem(forHer.left(), percentText(50, "Trudnoća"))),
             QStringList({u8("izostanak menstruacije"), u8("mučnina")}));
    QCOMPARE(topItem(forHer.left(), percentText(0, "Prostatitis"))->childCount(), 0);
    QCOMPARE(shownIcon(topItem(forHer.left(), percentText(50, "Ženski sindrom"))), IDI_BAND_HALF);
    QVERIFY(!topTexts(forHer.right()).contains(percentText(50, "otežano mokrenje")));
    QVERIFY(topTexts(forHer.right()).contains(percentText(50, "bol u zdjelici")));
    QCOMPARE(woman->symptoms[5].answer, ANSWER_ABSENT);

    auto man = clinic(SEX_MALE);
    OpenDiagnosisDlg forHim;
    QVERIFY(forHim.open(man.get()));
    QCOMPARE(childTexts(topItem(forHim.left(), percentText(50, "Trudnoća"))),
             QStringList({u8("mučnina")}));
    QVERIFY(itemsNamed(forHim.left(), u8("izostanak menstruacije")).isEmpty());
    QVERIFY(itemsNamed(forHim.left(), u8("bol u zdjelici")).isEmpty());
    QVERIFY(!topTexts(forHim.right()).contains(percentText(50, "izostanak menstruacije")));
}

void DiagnosisDlgTest::threeDoubleClicksCycleTheIcons()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    const QStringList before = topTexts(right);
    QTreeWidgetItem* kasalj = topItem(right, percentText(50, "kašalj"));

    const struct {
        int icon;
        AnswerCode answer;
    } steps[] = {{IDI_PRESENT, ANSWER_PRESENT}, {IDI_ABSENT, ANSWER_ABSENT},
                 {IDI_UNKNOWN, ANSWER_UNKNOWN}};
    for (const auto& step : steps) {
        doubleClick(right, kasalj);
        QCOMPARE(shownIcon(kasalj), step.icon);
        QCOMPARE(kb->symptoms[1].answer, step.answer);
        // Nothing is recomputed: the item stays, the texts stay.
        QCOMPARE(topTexts(right), before);
        QCOMPARE(right->currentItem(), kasalj);
    }

    // A double-click event without the click before it (as QTest sends it) answers the
    // item it lands on and selects it.
    QTreeWidgetItem* mucnina = right->topLevelItem(3);
    QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, right->visualItemRect(mucnina).center());
    QCOMPARE(kb->symptoms[3].answer, ANSWER_PRESENT);
    QCOMPARE(kb->symptoms[0].answer, ANSWER_UNKNOWN);
    QCOMPARE(shownIcon(mucnina), IDI_PRESENT);
    QCOMPARE(right->currentItem(), mucnina);
}

// Collapsed branches and repeated lines included: no item shows an answer that the
// knowledge base no longer holds.
void DiagnosisDlgTest::doubleClickChangesEveryItemOfTheSymptom()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));

    doubleClick(right, topItem(right, percentText(50, "mučnina")));
    const QList<QTreeWidgetItem*> inLeft = itemsNamed(left, u8("mučnina"));
    QCOMPARE(inLeft.size(), 3); // twice under Migrena, once under Trudnoća
    QVERIFY(noneExpanded(left));
    QVERIFY(allShow(inLeft, IDI_PRESENT));

    // From an expanded branch of the left tree back to the right and to the other
    // branches; the other symptoms keep their icons.
    QTreeWidgetItem* trudnoca = topItem(left, percentText(50, "Trudnoća"));
    trudnoca->setExpanded(true);
    doubleClick(left, trudnoca->child(0));
    QCOMPARE(kb->symptoms[3].answer, ANSWER_ABSENT);
    QVERIFY(allShow(itemsNamed(left, u8("mučnina")), IDI_ABSENT));
    QCOMPARE(shownIcon(topItem(right, percentText(50, "mučnina"))), IDI_ABSENT);
    QVERIFY(allShow(itemsNamed(left, u8("glavobolja")), IDI_UNKNOWN));
    QCOMPARE(shownIcon(topItem(right, percentText(50, "glavobolja"))), IDI_UNKNOWN);
    // Band icons and texts wait for the next ranking.
    QCOMPARE(shownIcon(trudnoca), IDI_BAND_HALF);
    QCOMPARE(trudnoca->text(0), percentText(50, "Trudnoća"));
}

void DiagnosisDlgTest::doubleClickReachesItemsOutOfView()
{
    OPEN_DIAGNOSIS(longClinic(40));
    const QString shared = u8("zajednički");

    // From the top of the left tree to the bottom of the right one and to the
    // collapsed last syndrome.
    QTreeWidgetItem* first = left->topLevelItem(0);
    first->setExpanded(true);
    QTreeWidgetItem* sharedUnderFirst = first->child(1);
    QCOMPARE(sharedUnderFirst->text(0), shared);
    QTreeWidgetItem* sharedRight = topItem(right, QStringLiteral("(50%) - ") + shared);
    QVERIFY(sharedRight);
    QVERIFY(!inView(right, sharedRight));
    doubleClick(left, sharedUnderFirst);
    QCOMPARE(shownIcon(sharedRight), IDI_PRESENT);
    QCOMPARE(itemsNamed(left, shared).size(), 2);
    QVERIFY(allShow(itemsNamed(left, shared), IDI_PRESENT));

    // From the bottom of the right tree to an item scrolled out above the left view.
    left->scrollToBottom();
    QVERIFY(!inView(left, sharedUnderFirst));
    doubleClick(right, sharedRight);
    QCOMPARE(kb->symptoms[kb->symptomCount - 1].answer, ANSWER_ABSENT);
    QVERIFY(allShow(itemsNamed(left, shared), IDI_ABSENT));
}

// On a syndrome (it only opens and closes), below the last item and on an expand
// button: no answer changes, and the symptom selected before stays selected.
void DiagnosisDlgTest::doubleClickBesideItemsChangesNothing()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    const QStringList iconsBefore = iconsOf(left);
    doubleClick(left, left->topLevelItem(0));
    QVERIFY(left->topLevelItem(0)->isExpanded());
    doubleClick(left, left->topLevelItem(0));
    QVERIFY(!left->topLevelItem(0)->isExpanded());
    QCOMPARE(iconsOf(left), iconsBefore);
    for (int j = 0; j < kb->symptomCount; ++j)
        QVERIFY(kb->symptoms[j].answer == ANSWER_UNKNOWN || kb->symptoms[j].answer == ANSWER_ABSENT);

    QTreeWidgetItem* glavobolja = topItem(right, percentText(50, "glavobolja"));
    QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, right->visualItemRect(glavobolja).center());
    QCOMPARE(right->currentItem(), glavobolja);
    const QRect lastRow = right->visualItemRect(right->topLevelItem(right->topLevelItemCount() - 1));
    const QPoint below(lastRow.center().x(), lastRow.bottom() + 3 * lastRow.height());
    QVERIFY(below.y() < right->viewport()->height());
    doubleClickAt(right, below);
    QTest::mouseDClick(right->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(kb->symptoms[2].answer, ANSWER_UNKNOWN);
    QCOMPARE(shownIcon(glavobolja), IDI_UNKNOWN);

    // In the left tree: a selected child, then a double-click on another syndrome's
    // expand button.
    QTreeWidgetItem* gripa = left->topLevelItem(0);
    QTreeWidgetItem* migrena = left->topLevelItem(1);
    gripa->setExpanded(true);
    QTreeWidgetItem* kasalj = gripa->child(1);
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualItemRect(kasalj).center());
    QCOMPARE(left->currentItem(), kasalj);
    const QRect migrenaRect = left->visualItemRect(migrena);
    const QPoint expandButton(migrenaRect.left() - left->indentation() / 2, migrenaRect.center().y());
    QVERIFY(expandButton.x() > 0);
    doubleClickAt(left, expandButton);
    QTest::mouseDClick(left->viewport(), Qt::LeftButton, {}, expandButton);
    QCOMPARE(kb->symptoms[1].answer, ANSWER_UNKNOWN);
    QCOMPARE(shownIcon(kasalj), IDI_UNKNOWN);
    QCOMPARE(left->currentItem(), kasalj);

    // Empty space below the left tree's items.
    const QRect lastLeft = left->visualItemRect(left->topLevelItem(left->topLevelItemCount() - 1));
    doubleClickAt(left, QPoint(lastLeft.center().x(), lastLeft.bottom() + 2 * lastLeft.height()));
    QCOMPARE(kb->symptoms[1].answer, ANSWER_UNKNOWN);
}

void DiagnosisDlgTest::spaceCyclesTheSelectedSymptom()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));

    QTreeWidgetItem* vrucica = right->topLevelItem(0);
    right->setFocus();
    right->setCurrentItem(vrucica);
    QTest::keyClick(right, Qt::Key_Space);
    QCOMPARE(kb->symptoms[0].answer, ANSWER_PRESENT);
    QCOMPARE(shownIcon(vrucica), IDI_PRESENT);
    QCOMPARE(shownIcon(itemsNamed(left, u8("vrućica")).first()), IDI_PRESENT);
    QTest::keyClick(right, Qt::Key_Space);
    QCOMPARE(shownIcon(vrucica), IDI_ABSENT);

    // Arrows select, Space answers, in the left tree as well; on a syndrome it does
    // nothing to the answers.
    left->setFocus();
    left->setCurrentItem(left->topLevelItem(0));
    QTest::keyClick(left, Qt::Key_Space);
    QCOMPARE(iconsOf(left).filter(QStringLiteral("=141")).size(), 0);
    QTest::keyClick(left, Qt::Key_Right); // expand Gripa
    QTest::keyClick(left, Qt::Key_Down);
    QTest::keyClick(left, Qt::Key_Down);
    QCOMPARE(left->currentItem()->text(0), u8("kašalj"));
    QTest::keyClick(left, Qt::Key_Space);
    QCOMPARE(kb->symptoms[1].answer, ANSWER_PRESENT);
    QCOMPARE(shownIcon(topItem(right, percentText(50, "kašalj"))), IDI_PRESENT);
    QCOMPARE(kb->symptoms[0].answer, ANSWER_ABSENT);
}

void DiagnosisDlgTest::enterKeepsTheDefaultButton()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    watcher.onDialog = [](QWidget* window) {
        auto* dialog = qobject_cast<CDiagnosisDlg*>(window);
        if (!dialog)
            return;
        auto* left = dialog->GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE);
        left->setCurrentItem(left->topLevelItem(0));
        QTest::keyClick(left, Qt::Key_Return);
    };
    CDiagnosisDlg dialog;
    QCOMPARE(dialog.RunModal(kb.get()), IDOK);
}

void DiagnosisDlgTest::rerankDropsAnsweredAndReflectsAnswers()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));

    // glavobolja present, vrućica absent, kašalj cycled back to unknown.
    doubleClick(right, topItem(right, percentText(50, "glavobolja")));
    QTreeWidgetItem* vrucica = topItem(right, percentText(50, "vrućica"));
    doubleClick(right, vrucica);
    doubleClick(right, vrucica);
    QTreeWidgetItem* kasalj = topItem(right, percentText(50, "kašalj"));
    for (int click = 0; click < 3; ++click)
        doubleClick(right, kasalj);
    left->topLevelItem(0)->setExpanded(true);
    rerank(dialog);

    // Gripa (0 + 0.5 + 1) / 3 = 50 %; Migrena (1 + 0.5 + 0.5) / 3 = 66 %.
    QCOMPARE(topTexts(left),
             QStringList({percentText(66, "Migrena"), percentText(50, "Gripa"),
                          percentText(50, "Trudnoća"), percentText(50, "Prostatitis"),
                          percentText(0, "Ženski sindrom")}));
    QCOMPARE(shownIcon(left->topLevelItem(0)), IDI_BAND_ABOVE_HALF);
    QCOMPARE(shownIcon(left->topLevelItem(1)), IDI_BAND_HALF);
    QVERIFY(noneExpanded(left));
    QCOMPARE(iconsOf(left).mid(5, 3),
             QStringList({u8("  vrućica=%1").arg(IDI_ABSENT), u8("  kašalj=%1").arg(IDI_UNKNOWN),
                          u8("  glavobolja=%1").arg(IDI_PRESENT)}));

    // Answered symptoms leave the right tree; the open ones of Migrena weigh 66 %.
    QCOMPARE(topTexts(right),
             QStringList({percentText(66, "mučnina"), percentText(50, "kašalj"),
                          percentText(50, "otežano mokrenje"), percentText(50, "đurđica na koži")}));
}

// What the trees must show after a ranking: the engine's own orders and percentages,
// worked out on a copy of the knowledge base.
// Both trees as lines: each syndrome followed by its children with their icons, then
// the open symptoms.
QStringList linesOf(const OpenDiagnosisDlg& dialog)
{
    QStringList lines;
    for (const QTreeWidgetItem* top : topItems(dialog.left())) {
        lines.append(top->text(0));
        for (int c = 0; c < top->childCount(); ++c)
            lines.append(QStringLiteral("  %1 = %2").arg(top->child(c)->text(0)).arg(shownIcon(top->child(c))));
    }
    return lines + topTexts(dialog.right());
}

// The same lines as the engine itself ranks a copy of the knowledge base.
QStringList expectedAfterRanking(const KnowledgeBase& kb)
{
    auto copy = std::make_unique<KnowledgeBase>(kb);
    ComputeScoresAndWeights(*copy);
    SortSyndromes(*copy);
    SortSymptoms(*copy);
    QStringList lines;
    for (int k = 0; k < copy->syndromeCount; ++k) {
        const int i = copy->syndromeOrder[k];
        lines.append(QStringLiteral("(%1%) - %2").arg(PercentOf(copy->syndromes[i].score)).arg(fromCp1250(copy->syndromes[i].name)));
        for (int l = 0; l < copy->linkCount; ++l) {
            const int s = copy->links[l].symptom;
            if (copy->links[l].syndrome != i || !SymptomApplies(*copy, s))
                continue;
            const AnswerCode answer = copy->symptoms[s].answer;
            const int icon = answer == ANSWER_PRESENT ? IDI_PRESENT : answer == ANSWER_ABSENT ? IDI_ABSENT : IDI_UNKNOWN;
            lines.append(QStringLiteral("  %1 = %2").arg(fromCp1250(copy->symptoms[s].text)).arg(icon));
        }
    }
    for (int k = 0; k < copy->symptomCount; ++k) {
        const SymptomRecord& s = copy->symptoms[copy->symptomOrder[k]];
        if (s.answer == ANSWER_UNKNOWN)
            lines.append(QStringLiteral("(%1%) - %2").arg(PercentOf(s.weight)).arg(fromCp1250(s.text)));
    }
    return lines;
}

// Answers and re-ranks one after another give the orders, percentages and icons of the
// engine itself, also for a symptom answered and then made unknown again.
void DiagnosisDlgTest::rerankMatchesTheEngine()
{
    OPEN_DIAGNOSIS(longClinic(12));
    for (int row : {12, 3, 3, 5}) // zajednički present, simptom 4 absent, simptom 6 present
        doubleClick(right, right->topLevelItem(row));
    rerank(dialog);
    QCOMPARE(linesOf(dialog), expectedAfterRanking(*kb));
    QCOMPARE(topTexts(right).size(), 10);
    QCOMPARE(topTexts(left).first(), QStringLiteral("(100%) - Sindrom 6"));

    // simptom 6 back to unknown through the left tree, simptom 1 absent.
    QTreeWidgetItem* sindrom6 = left->topLevelItem(0);
    sindrom6->setExpanded(true);
    doubleClick(left, sindrom6->child(0));
    doubleClick(left, sindrom6->child(0));
    QTreeWidgetItem* simptom1 = topItem(right, QStringLiteral("(75%) - simptom 1"));
    QVERIFY(simptom1);
    doubleClick(right, simptom1);
    doubleClick(right, simptom1);
    rerank(dialog);
    QCOMPARE(linesOf(dialog), expectedAfterRanking(*kb));
    QVERIFY(topTexts(right).contains(QStringLiteral("(50%) - simptom 6")));
    for (const QString& text : topTexts(right))
        QVERIFY(!text.endsWith(QStringLiteral(" - simptom 1")));
    QVERIFY(allShow(topItems(right), IDI_UNKNOWN));
    QVERIFY(noneExpanded(left));
    QVERIFY(right->currentItem() == nullptr || !right->currentItem()->isSelected());
}

void DiagnosisDlgTest::overviewAndDictionaryLeaveTreesAsTheyWere()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    QStringList opened;
    QList<QWidget*> owners;
    TreeState leftBefore, rightBefore, leftAfter, rightAfter;
    QList<AnswerCode> answersBefore, answersAfter;
    auto answers = [&kb] {
        QList<AnswerCode> all;
        for (int j = 0; j < kb->symptomCount; ++j)
            all.append(kb->symptoms[j].answer);
        return all;
    };
    watcher.onDialog = [&](QWidget* window) {
        if (qobject_cast<COverviewDlg*>(window) || qobject_cast<CDictionaryDlg*>(window)) {
            opened.append(QString::fromLatin1(window->metaObject()->className()));
            owners.append(window->parentWidget());
            window->close();
            return;
        }
        auto* dialog = qobject_cast<CDiagnosisDlg*>(window);
        if (!dialog)
            return;
        auto* left = dialog->GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE);
        auto* right = dialog->GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
        left->topLevelItem(1)->setExpanded(true);
        doubleClick(left, left->topLevelItem(1)->child(0));
        doubleClick(right, right->topLevelItem(1));
        doubleClick(right, right->topLevelItem(1));
        right->setCurrentItem(right->topLevelItem(4));
        leftBefore = viewOf(left);
        rightBefore = viewOf(right);
        answersBefore = answers();
        // Out of the watcher's own tick, so that it sees the dialogs opened on top.
        QTimer::singleShot(0, dialog, [&, dialog, left, right] {
            QTest::mouseClick(dialog->GetDlgItem<PictureButton>(IDC_PREGLED), Qt::LeftButton);
            QTest::mouseClick(dialog->GetDlgItem<PictureButton>(IDC_RJECNIK), Qt::LeftButton);
            leftAfter = viewOf(left);
            rightAfter = viewOf(right);
            answersAfter = answers();
            dialog->GetDlgItem<QPushButton>(IDOK)->click();
        });
    };
    CDiagnosisDlg dialog;
    QCOMPARE(dialog.RunModal(kb.get()), IDOK);
    QCOMPARE(opened, QStringList({"ordisan::COverviewDlg", "ordisan::CDictionaryDlg"}));
    QCOMPARE(owners, QList<QWidget*>({&dialog, &dialog}));
    QVERIFY(leftBefore.expanded.size() == 1 && !rightBefore.current.isEmpty());
    QVERIFY(leftAfter == leftBefore);
    QVERIFY(rightAfter == rightBefore);
    QCOMPARE(answersAfter, answersBefore);
}

void DiagnosisDlgTest::answersStayAndNewDiagnosisStartsUnknown()
{
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    watcher.onDialog = [](QWidget* window) {
        auto* dialog = qobject_cast<CDiagnosisDlg*>(window);
        if (!dialog)
            return;
        auto* right = dialog->GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
        doubleClick(right, right->topLevelItem(0));
        QTest::mouseClick(dialog->GetDlgItem<QPushButton>(IDC_RERANK), Qt::LeftButton);
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    {
        CDiagnosisDlg first;
        QCOMPARE(first.RunModal(kb.get()), IDCANCEL);
    }
    QCOMPARE(kb->symptoms[0].answer, ANSWER_PRESENT);
    QCOMPARE(kb->syndromes[0].score, 2.0f / 3.0f);
    QCOMPARE(kb->syndromeOrder[0], 0);

    watcher.onDialog = nullptr;
    OpenDiagnosisDlg second;
    QVERIFY(second.open(kb.get()));
    for (int j = 0; j < kb->symptomCount; ++j)
        QVERIFY(kb->symptoms[j].answer == ANSWER_UNKNOWN || !SymptomApplies(*kb, j));
    QCOMPARE(topTexts(second.right()).first(), percentText(50, "vrućica"));
    QVERIFY(allShow(topItems(second.right()), IDI_UNKNOWN));
    QCOMPARE(topTexts(second.left()).first(), percentText(50, "Gripa"));
}

void DiagnosisDlgTest::tooltipsExplain()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));

    QTreeWidgetItem* migrena = left->topLevelItem(1);
    QCOMPARE(tip(migrena),
             u8("Simptomi koji se odnose na pacijenta: prisutni 0, odsutni 0, nepoznati 3"));
    doubleClick(right, topItem(right, percentText(50, "glavobolja")));
    doubleClick(right, topItem(right, percentText(50, "mučnina")));
    doubleClick(right, topItem(right, percentText(50, "mučnina")));
    // The answers as they are now, before any re-rank; the repeated line counts twice.
    QCOMPARE(tip(migrena),
             u8("Simptomi koji se odnose na pacijenta: prisutni 1, odsutni 2, nepoznati 0"));
    QCOMPARE(tip(left->topLevelItem(4)),
             u8("Nijedan simptom ovog sindroma ne odnosi se na pacijenta."));

    rerank(dialog);
    // Why ask about kašalj: the syndromes it counts for, with their percentages.
    QCOMPARE(tip(topItem(right, percentText(66, "kašalj"))),
             u8("Odgovor mijenja ocjenu ovih sindroma:\n(66%) - Gripa"));
    QCOMPARE(tip(topItem(right, percentText(50, "đurđica na koži"))),
             u8("Simptom ne pripada nijednom sindromu."));
    // The syndromes listed best first.
    auto shared = longClinic(3);
    OpenDiagnosisDlg other;
    QVERIFY(other.open(shared.get()));
    doubleClick(other.right(), other.right()->topLevelItem(0));
    rerank(other);
    QCOMPARE(tip(topItem(other.right(), u8("(75%) - zajednički"))),
             u8("Odgovor mijenja ocjenu ovih sindroma:\n(75%) - Sindrom 1\n(50%) - Zadnji"));
}

void DiagnosisDlgTest::accessibleNamesSayWhatIconsMean()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    QCOMPARE(left->accessibleName(), u8("Sindromi"));
    QCOMPARE(right->accessibleName(), u8("Simptomi"));
    QCOMPARE(spoken(left->topLevelItem(0)),
             u8("(50%) - Gripa, rezultat na polovici (50 %)"));
    QCOMPARE(spoken(left->topLevelItem(4)),
             u8("(0%) - Ženski sindrom, nizak rezultat (ispod 30 %)"));
    QTreeWidgetItem* vrucica = right->topLevelItem(0);
    QCOMPARE(spoken(vrucica), u8("(50%) - vrućica, nepoznat"));
    doubleClick(right, vrucica);
    QCOMPARE(spoken(vrucica), u8("(50%) - vrućica, prisutan"));
    QCOMPARE(spoken(left->topLevelItem(0)->child(0)),
             u8("vrućica, prisutan"));
    doubleClick(right, vrucica);
    QCOMPARE(spoken(vrucica), u8("(50%) - vrućica, odsutan"));
    rerank(dialog);
    QCOMPARE(spoken(left->topLevelItem(4)),
             u8("(0%) - Ženski sindrom, nizak rezultat (ispod 30 %)"));
    QCOMPARE(spoken(topItem(left, percentText(33, "Gripa"))), u8("(33%) - Gripa, rezultat ispod polovice (30 do 49 %)"));
    QCOMPARE(dialog.GetDlgItem<PictureButton>(IDC_PREGLED)->accessibleName(), u8("Pregled"));
    QCOMPARE(dialog.GetDlgItem<PictureButton>(IDC_RJECNIK)->accessibleName(), u8("Rječnik"));
}

// The left tree keeps showing its selection when the focus is elsewhere; the right
// one shows it only while it has the focus.
void DiagnosisDlgTest::selectionWithoutFocus()
{
    OPEN_DIAGNOSIS(clinic(SEX_MALE));
    const QColor highlight = left->palette().color(QPalette::Active, QPalette::Highlight);
    auto showsHighlight = [&highlight](QTreeWidget* tree, QTreeWidgetItem* item) {
        const QImage image = tree->viewport()->grab().toImage();
        const QRect rect = tree->visualItemRect(item);
        int matching = 0;
        for (int x = rect.left(); x <= rect.right(); ++x)
            matching += near(QColor(image.pixel(x, rect.center().y())), highlight) ? 1 : 0;
        return matching > rect.width() / 4;
    };
    left->setCurrentItem(left->topLevelItem(2));
    right->setCurrentItem(right->topLevelItem(2));
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    left->setFocus();
    QVERIFY(left->hasFocus());
    QVERIFY(showsHighlight(left, left->topLevelItem(2)));
    right->setFocus();
    QVERIFY(right->hasFocus());
    QVERIFY(showsHighlight(left, left->topLevelItem(2)));
    QVERIFY(showsHighlight(right, right->topLevelItem(2)));
    left->setFocus();
    QVERIFY(!showsHighlight(right, right->topLevelItem(2)));
}

// A name of 255 characters is shown whole: the column is as wide as the longest text,
// collapsed children included, and the tree scrolls sideways to it.
void DiagnosisDlgTest::longTextsShownWhole()
{
    KnowledgeBaseBuilder b;
    const QByteArray longName = "Sindrom " + QByteArray(247, 'x');
    const QByteArray longSymptom = "simptom " + QByteArray(200, 'y') + " kraj";
    const int s = b.syndrome(longName.constData());
    b.link(s, b.symptom(longSymptom.constData()));
    b.link(b.syndrome("Kratki"), b.symptom("kratki"));
    b.patient(SEX_MALE);
    auto kb = b.take();
    QCOMPARE(static_cast<int>(qstrlen(kb->syndromes[0].name)), 255);

    OpenDiagnosisDlg dialog;
    QVERIFY(dialog.open(kb.get()));
    for (QTreeWidget* tree : {dialog.left(), dialog.right()}) {
        const QFontMetrics metrics(tree->font());
        int widest = 0;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = tree->topLevelItem(i);
            widest = std::max(widest, metrics.horizontalAdvance(top->text(0)));
            for (int c = 0; c < top->childCount(); ++c)
                widest = std::max(widest, tree->indentation() + metrics.horizontalAdvance(top->child(c)->text(0)));
        }
        QVERIFY2(tree->columnWidth(0) > widest, qPrintable(QString::number(tree->columnWidth(0))));
        QVERIFY(tree->columnWidth(0) < widest + 3 * tree->indentation() + 40);
        QVERIFY(tree->horizontalScrollBar()->maximum() > 0);
    }
    QTreeWidgetItem* top = dialog.left()->topLevelItem(0);
    top->setExpanded(true);
    QTreeWidgetItem* child = top->child(0);
    dialog.left()->horizontalScrollBar()->setValue(dialog.left()->horizontalScrollBar()->maximum());
    QVERIFY(dialog.left()->visualItemRect(child).right() <= dialog.left()->viewport()->width() + 1);
    QCOMPARE(child->text(0), QString::fromLatin1(longSymptom));
}

QTEST_MAIN(DiagnosisDlgTest)
#include "diagnosis_dlg_test.moc"
