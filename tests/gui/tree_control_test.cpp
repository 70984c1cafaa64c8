// The trees of every dialog: what typed letters find and how the text is folded for
// it, and → as a native tree has it.
#include "gui_support.h"

#include "platform/search_text.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

class TreeControlTest final : public QObject {
    Q_OBJECT
private slots:
    void foldingForSearch_data();
    void foldingForSearch();
    void typingSelectsTheBestItem_data();
    void typingSelectsTheBestItem();
    void rightArrowEntersBranchesAndNeverScrollsSideways();
};

void TreeControlTest::foldingForSearch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("match");
    const auto row = [](const char* name, const char* text, const char* folded, const char* typed,
                        SearchMatch match) {
        QTest::newRow(name) << u8(text) << u8(folded) << u8(typed) << static_cast<int>(match);
    };
    using enum SearchMatch;
    row("small letters", "čćšžđ", "ccszdj", "cc", TextStart);
    row("capitals", "ČĆŠŽĐ", "ccszdj", "szd", Contains);
    row("typed as written", "Čir", "cir", "Č", TextStartAsTyped);
    row("typed č, folds alike", "Cista", "cista", "č", TextStart);
    row("a later word typed as written", "Rana - čir", "rana - cir", "či", WordStartAsTyped);
    row("đ as d", "Đumbir", "djumbir", "du", TextStart);
    row("đ as dj", "Đumbir", "djumbir", "dj", TextStart);
    row("percent prefix", "(62%) - Mučnina", "mucnina", "mucn", TextStart);
    row("full percentage", "(100%) - Zaduha pri naporu", "zaduha pri naporu", "pri", WordStart);
    row("prefix only at the start", "Kašalj (62%) - ", "kasalj (62%) - ", "62", WordStart);
    row("inside a word", "zaduha", "zaduha", "duh", Contains);
    row("no match", "zaduha", "zaduha", "x", None);
    row("empty text", "", "", "a", None);
    row("nothing typed", "Čir", "cir", "", None);
}

void TreeControlTest::foldingForSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QFETCH(QString, typed);
    QFETCH(int, match);
    QCOMPARE(foldForSearch(text), folded);
    QCOMPARE(static_cast<int>(matchItemText(text, typed)), match);
}

void TreeControlTest::typingSelectsTheBestItem_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("selected"); // the end of the selected item's text
    QTest::addColumn<QString>("searchText");
    // In the dictionary a contains-match comes before each word-start match in display
    // order, and a plain "C" word before "Č".
    const auto row = [](const char* dialog, const char* typed, const char* selected,
                        const char* search) {
        QTest::newRow(typed) << dialog << u8(typed) << u8(selected) << u8(search);
    };
    row("right", "mucn", "- mučnina", "mucn");
    row("left", "glavob", "glavobolja", "glavob"); // under a collapsed syndrome
    row("dictionary", "cir", "Čir - rana na sluznici", "cir");
    row("dictionary", "dj", "Đ", "dj");
    row("dictionary", "rana", "Rana - oštećenje kože ili sluznice", "rana"); // before "Čir - rana"
    row("dictionary", "cix\br", "Čir - rana na sluznici", "cir"); // Backspace takes the x
    row("overview", "kas", "kašalj", "kas");                      // under a collapsed syndrome
    row("overview", "izostanak m", "izostanak menstruacije", "izostanak m"); // a blank joins
}

void TreeControlTest::typingSelectsTheBestItem()
{
    QFETCH(QString, dialog);
    QFETCH(QString, typed);
    QFETCH(QString, selected);
    QFETCH(QString, searchText);
    std::unique_ptr<KnowledgeBase> kb = clinic(SEX_MALE);
    const auto look = [&](QTreeWidget* tree) {
        tree->setFocus();
        QTest::keyClicks(tree, typed);
        QTreeWidgetItem* found = tree->currentItem();
        QVERIFY(found);
        QVERIFY2(found->text(0).endsWith(selected), qPrintable(found->text(0)));
        QVERIFY(found->isSelected());
        for (QTreeWidgetItem* parent = found->parent(); parent; parent = parent->parent())
            QVERIFY(parent->isExpanded());
        QVERIFY(tree->viewport()->rect().intersects(tree->visualItemRect(found)));
        const auto* tip = tree->findChild<QLabel*>(QStringLiteral("searchTip"));
        QVERIFY(tip && tip->isVisible());
        QCOMPARE(tip->text(), u8("Traži: ") + searchText);
        // A pause ends the search: the next letter starts a new one.
        QTRY_VERIFY_WITH_TIMEOUT(!tip->isVisible(), QApplication::keyboardInputInterval() + 500);
    };
    const auto inView = [&](auto&& view) {
        whileShown(view, kb.get(), [&] { look(view.template GetDlgItem<QTreeWidget>(IDC_TREE)); });
    };
    if (dialog == "dictionary")
        inView(CDictionaryDlg());
    else if (dialog == "overview")
        inView(COverviewDlg());
    else
        whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
            look(dialog == "left" ? left : right);
        });
}

void TreeControlTest::rightArrowEntersBranchesAndNeverScrollsSideways()
{
    KnowledgeBaseBuilder b;
    const int syndrome = b.syndrome("Sindrom");
    b.link(syndrome, b.symptom("vrlo dug opis simptoma koji ne stane u vidljivu \x9airinu "
                               "stabla ni kad se ono pomakne, pa traje i traje do kraja"));
    b.link(syndrome, b.symptom("kratki simptom"));
    std::unique_ptr<KnowledgeBase> kb = b.patient(SEX_MALE).take();
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        // A leaf in either tree: nothing moves, not even sideways.
        QVERIFY(right->horizontalScrollBar()->maximum() > 0);
        right->setCurrentItem(right->topLevelItem(0));
        QTest::keyClick(right, Qt::Key_Right);
        QCOMPARE(right->horizontalScrollBar()->value(), 0);
        QCOMPARE(right->currentItem(), right->topLevelItem(0));
        // A collapsed branch opens, an open one gives its first child, a leaf stays.
        QTreeWidgetItem* branch = left->topLevelItem(0);
        left->setCurrentItem(branch);
        QTest::keyClick(left, Qt::Key_Right);
        QVERIFY(branch->isExpanded());
        QCOMPARE(left->currentItem(), branch);
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(left, Qt::Key_Right);
            QCOMPARE(left->currentItem(), branch->child(0));
            QVERIFY(left->horizontalScrollBar()->maximum() > 0);
            QCOMPARE(left->horizontalScrollBar()->value(), 0);
        }
    });
}

QTEST_MAIN(TreeControlTest)
#include "tree_control_test.moc"
