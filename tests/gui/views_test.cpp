// What every dialog shares (Enter in its modal loop; its trees' search and →), and what
// the two browsing views show of the knowledge base. The loader tests a disabled default.
#include "gui_support.h"

#include "platform/dialog.h"
#include "platform/search_text.h"
#include "platform/window_owner.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>

using namespace ordisan;
using namespace ordisan::test;

namespace {

using enum ControlKind;
using namespace style;

constexpr int ID_EDIT = 1100, ID_NEXT = 1101, ID_OTHER = 1102;

constexpr ControlTemplate DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP},
    {ID_NEXT, DefPushButton, {10, 30, 50, 14}, "Dalje", TABSTOP},
    {ID_OTHER, PushButton, {70, 30, 50, 14}, "Drugo", TABSTOP},
};
constexpr DialogTemplate DEFAULT_TEMPLATE{9001, "Zadano", 200, 60, 0, DEFAULT_ROWS};
constexpr ControlTemplate NO_DEFAULT_ROWS[] = {
    {ID_EDIT, Edit, {10, 10, 60, 14}, "", BORDER | TABSTOP}};
constexpr DialogTemplate NO_DEFAULT_TEMPLATE{9002, "Bez zadanog", 200, 60, 0, NO_DEFAULT_ROWS};
// Ends with the id of any command of its own.
struct CommandDialog final : CDialog {
    using CDialog::CDialog;
    bool OnCommand(int id) override
    {
        if (id == IDOK || id == IDCANCEL)
            return CDialog::OnCommand(id);
        EndDialog(id);
        return true;
    }
};

} // namespace

class ViewsTest final : public QObject {
    Q_OBJECT
private slots:
    void enterEndsTheLoop_data();
    void enterEndsTheLoop();
    void foldingForSearch_data();
    void foldingForSearch();
    void typingSelectsTheBestItem_data();
    void typingSelectsTheBestItem();
    void searchMovesOnAndClosesWhatItOpened();
    void rightArrowEntersBranchesAndNeverScrollsSideways();
    void overviewShowsTheKnowledgeBase();
    void overviewFocusAndPlace();
    void dictionaryLettersAndEntries();
};

void ViewsTest::enterEndsTheLoop_data()
{
    QTest::addColumn<const DialogTemplate*>("dialogTemplate");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("result"); // 0: still open
    QTest::newRow("in the edit: default button") << &DEFAULT_TEMPLATE << ID_EDIT << ID_NEXT;
    QTest::newRow("on another button: that one") << &DEFAULT_TEMPLATE << ID_OTHER << ID_OTHER;
    QTest::newRow("without default button: IDOK") << &NO_DEFAULT_TEMPLATE << ID_EDIT << IDOK;
}

void ViewsTest::enterEndsTheLoop()
{
    QFETCH(const DialogTemplate*, dialogTemplate);
    QFETCH(int, focus);
    QFETCH(int, result);
    CommandDialog dialog(dialogTemplate);
    int ended = -1;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.GetDlgItem(focus)->setFocus();
        QTest::keyClick(dialog.GetDlgItem(focus), Qt::Key_Return);
        ended = dialog.isVisible() ? 0 : dialog.result();
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    QCOMPARE(ended, result);
}

void ViewsTest::foldingForSearch_data()
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

void ViewsTest::foldingForSearch()
{
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QFETCH(QString, typed);
    QFETCH(int, match);
    QCOMPARE(foldForSearch(text), folded);
    QCOMPARE(static_cast<int>(matchItemText(text, typed)), match);
}

void ViewsTest::typingSelectsTheBestItem_data()
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

void ViewsTest::typingSelectsTheBestItem()
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
        QVERIFY2(found && found->text(0).endsWith(selected),
                 found ? qPrintable(found->text(0)) : "nothing");
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

// Within one search a longer text that finds an item in another branch closes the
// branch the search opened before; after the pause the same letters find the next
// match, and round to the first again.
void ViewsTest::searchMovesOnAndClosesWhatItOpened()
{
    KnowledgeBaseBuilder b;
    b.link(b.syndrome("Alfa"), b.symptom("prvi znak"));
    b.link(b.syndrome("Beta"), b.symptom("prvi zbroj"));
    std::unique_ptr<KnowledgeBase> kb = b.take();
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(100);
    COverviewDlg view;
    QStringList seen;
    whileShown(view, kb.get(), [&] {
        auto* tree = view.GetDlgItem<QTreeWidget>(IDC_TREE);
        QTreeWidgetItem* alfa = tree->topLevelItem(0);
        QTreeWidgetItem* beta = tree->topLevelItem(1);
        const auto look = [&] {
            seen << tree->currentItem()->text(0)
                        + (alfa->isExpanded() ? " A" : "") + (beta->isExpanded() ? " B" : "");
        };
        tree->setFocus();
        QTest::keyClicks(tree, "prvi z");
        look();
        QTest::keyClicks(tree, "b");
        look();
        alfa->setExpanded(false);
        beta->setExpanded(false);
        tree->setCurrentItem(alfa);
        for (int again = 0; again < 3; ++again) {
            const auto* tip = tree->findChild<QLabel*>(QStringLiteral("searchTip"));
            QTRY_VERIFY(!tip->isVisible()); // the pause
            QTest::keyClicks(tree, "prvi");
            look();
        }
    });
    QApplication::setKeyboardInputInterval(interval);
    QCOMPARE(seen, QStringList({"prvi znak A", "prvi zbroj B", "prvi znak A", "prvi zbroj A B",
                                "prvi znak A B"}));
}

void ViewsTest::rightArrowEntersBranchesAndNeverScrollsSideways()
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


// Syndromes in file order, each link a child in link order (a shared symptom under
// each syndrome, a repeated line twice), pictures by location (any other value: the
// "other" one). A diagnosis before changes nothing, and the view changes nothing.
void ViewsTest::overviewShowsTheKnowledgeBase()
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
    whileShown(dialog, kb, [&] {
        lines = treeLines(dialog.GetDlgItem<QTreeWidget>(IDC_TREE),
                          {IDI_SYNDROME, IDI_HEAD, IDI_TRUNK, IDI_LIMBS, IDI_OTHER}, true);
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
    QCOMPARE(kb->syndromeOrder[0], alfa);
    QCOMPARE(kb->symptoms[prvi].answer, ANSWER_PRESENT);
}

// The focus starts on "Izlazak"; the overview is centred over its owner.
void ViewsTest::overviewFocusAndPlace()
{
    KnowledgeBaseBuilder b;
    b.link(b.syndrome("Sindrom"), b.symptom("simptom"));
    QWidget owner;
    owner.setGeometry(10, 60, 641, 479);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    setMainWindow(&owner);
    COverviewDlg dialog;
    QPoint centre;
    whileShown(dialog, &b.kb(), [&] {
        QApplication::setActiveWindow(&dialog);
        QTRY_COMPARE(QApplication::focusWidget(), dialog.GetDlgItem(IDOK));
        centre = dialog.frameGeometry().center();
    });
    setMainWindow(nullptr);
    QVERIFY((centre - owner.frameGeometry().center()).manhattanLength() <= 6);
    QVERIFY((centre - owner.screen()->availableGeometry().center()).manhattanLength() > 60);
}

// All 31 letters, each with the letter picture; entries as "term - explanation" with
// the word picture under their letter, small letters with their capitals, in file
// order; a term that begins with none of the letters is not shown. Both kinds hold 0.
void ViewsTest::dictionaryLettersAndEntries()
{
    const char* words[][3] = { // term, explanation, letter
        {"Mokraća", "1", "M"}, {"Bol", "", "B"}, {"mišić", "3", "M"}, {"Čir", "na koži", "Č"},
        {"Migrena", "4", "M"}, {"Đubrivo", "đubre", "Đ"}, {"đak", "5", "Đ"}, {"ćup", "6", "Ć"},
        {"Džep", "7", "D"}, {"Ljuskanje", "8", "L"}, {"Q-groznica", "9", "Q"}, {"xeroza", "", "X"},
        {"šok", "11", "Š"}, {"žutica", "12", "Ž"}, {"1. pomoć", "x", ""}, {"-itis", "x", ""},
        {" Anemija", "x", ""}, {"", "x", ""}};
    KnowledgeBaseBuilder b;
    for (const auto& word : words)
        b.word(cp1250(word[0]).c_str(), cp1250(word[1]).c_str());
    b.word("\xC9" "dem", "x"); // other accented letters: none
    QStringList expected;
    for (const QString& letter :
         u8("A B C Ć Č D Đ E F G H I J K L M N O P Q R S Š T U V W X Y Z Ž").split(' ')) {
        expected.append(letter + QStringLiteral(" =%1 #0").arg(IDI_LETTER));
        for (const auto& word : words)
            if (u8(word[2]) == letter)
                expected.append(QStringLiteral("  %1 - %2 =%3 #0")
                                    .arg(u8(word[0]), u8(word[1])).arg(IDI_WORD));
    }
    CDictionaryDlg dialog;
    QStringList lines;
    whileShown(dialog, &b.kb(), [&] {
        lines = treeLines(dialog.GetDlgItem<QTreeWidget>(IDC_TREE), {IDI_LETTER, IDI_WORD}, true);
    });
    QCOMPARE(lines, expected);
}

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
