// What every dialog shares: how its modal loop ends on Enter, Esc and the close box (a
// disabled default button is the loader's, tested there; no dialog has a disabled
// Cancel), and its trees: what typed letters find and how the text is folded for it,
// and → as a native tree has it.
#include "gui_support.h"

#include "platform/dialog.h"
#include "platform/search_text.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>

using namespace ordisan;
using namespace ordisan::test;

namespace {

using enum ControlKind;
using namespace style;

constexpr int ID_EDIT = 1100;
constexpr int ID_NEXT = 1101;
constexpr int ID_OTHER = 1102;

constexpr ControlTemplate DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
    {ID_NEXT, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP},
    {ID_OTHER, PushButton, {70, 30, 50, 14}, "Drugo", TABSTOP},
    {IDCANCEL, PushButton, {130, 30, 50, 14}, "Odustani", TABSTOP},
};
constexpr DialogTemplate DEFAULT_TEMPLATE{9001, "Zadano", 200, 60, 0, DEFAULT_ROWS};
// No default button: Enter means IDOK.
constexpr ControlTemplate NO_DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP}};
constexpr DialogTemplate NO_DEFAULT_TEMPLATE{9002, "Bez zadanog", 200, 60, 0, NO_DEFAULT_ROWS};
// Ends with the id of any command of its own.
class CommandDialog final : public CDialog {
public:
    using CDialog::CDialog;

protected:
    bool OnCommand(int id) override
    {
        if (id != IDOK && id != IDCANCEL) {
            EndDialog(id);
            return true;
        }
        return CDialog::OnCommand(id);
    }
};

} // namespace

class DialogTest final : public QObject {
    Q_OBJECT
private slots:
    void howTheLoopEnds_data();
    void howTheLoopEnds();
    void foldingForSearch_data();
    void foldingForSearch();
    void typingSelectsTheBestItem_data();
    void typingSelectsTheBestItem();
    void rightArrowEntersBranchesAndNeverScrollsSideways();
};

void DialogTest::howTheLoopEnds_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("focus"); // 0: the close box
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result"); // 0: still open
    const auto row = [](const char* name, const DialogTemplate& t, int focus, int key, int result) {
        QTest::newRow(name) << &t << focus << key << result;
    };
    row("Enter in the edit: default button", DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Return, ID_NEXT);
    row("Enter on another button: that one", DEFAULT_TEMPLATE, ID_OTHER, Qt::Key_Return, ID_OTHER);
    row("Enter without default button: IDOK", NO_DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Return, IDOK);
    row("Esc", DEFAULT_TEMPLATE, ID_EDIT, Qt::Key_Escape, IDCANCEL);
    row("close box", DEFAULT_TEMPLATE, 0, 0, IDCANCEL);
}

void DialogTest::howTheLoopEnds()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, result);
    CommandDialog dialog(dialogTemplate);
    int ended = -1;
    QTimer::singleShot(0, &dialog, [&] {
        if (focus == 0) {
            dialog.close();
        } else {
            dialog.GetDlgItem(focus)->setFocus();
            QTest::keyClick(dialog.GetDlgItem(focus), Qt::Key(key));
        }
        ended = dialog.isVisible() ? 0 : dialog.result();
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    QCOMPARE(ended, result);
}

void DialogTest::foldingForSearch_data()
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

void DialogTest::foldingForSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QFETCH(QString, typed);
    QFETCH(int, match);
    QCOMPARE(foldForSearch(text), folded);
    QCOMPARE(static_cast<int>(matchItemText(text, typed)), match);
}

void DialogTest::typingSelectsTheBestItem_data()
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

void DialogTest::typingSelectsTheBestItem()
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

void DialogTest::rightArrowEntersBranchesAndNeverScrollsSideways()
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

QTEST_MAIN(DialogTest)
#include "dialog_test.moc"
