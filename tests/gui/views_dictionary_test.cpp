// The dictionary tree: the 31 letters, which entry stands under which letter and how,
// pictures, focus and keys, and what closing leaves behind.
#include "modal_watcher.h"
#include "views_support.h"

#include "knowledge/dictionary_letters.h"
#include "platform/dialog_units.h"
#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// The dialog as RunModal prepares it, built without the modal loop.
class OpenDictionary final : public CDictionaryDlg {
public:
    bool open(KnowledgeBase* kb)
    {
        knowledgeBase = kb;
        BuildImageList();
        return Create();
    }
    QTreeWidget* tree() const { return GetDlgItem<QTreeWidget>(IDC_TREE); }
    QPushButton* exitButton() const { return GetDlgItem<QPushButton>(IDOK); }
    const CImageList& images() const { return imageList; }
    using CDictionaryDlg::FillTree;
    // Opened and shown on the screen, for what needs painting, focus or keys.
    bool openShown(KnowledgeBase* kb) { return open(kb) && (show(), QTest::qWaitForWindowExposed(this)); }
};

const QStringList LETTERS = QString::fromUtf8("A B C Ć Č D Đ E F G H I J K L M N O P Q R S Š T U V W X Y Z Ž")
                                .split(QLatin1Char(' '));

// The entries shown under the letter `letter` (as the tree writes it).
QStringList entriesUnder(QTreeWidget* tree, const QString& letter)
{
    const int row = static_cast<int>(LETTERS.indexOf(letter));
    return row < 0 ? QStringList{QStringLiteral("no such letter")} : childTexts(tree->topLevelItem(row));
}

int shownEntryCount(QTreeWidget* tree)
{
    int count = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        count += tree->topLevelItem(i)->childCount();
    return count;
}

} // namespace

class DictionaryTest final : public QObject {
    Q_OBJECT
private slots:
    void templateAndTheThirtyOneLetters();
    void lettersAreThoseTheCheckerGroupsBy();
    void entryTextIsTermDashExplanation();
    void capitalsAndSmallLettersGroupTogether_data();
    void capitalsAndSmallLettersGroupTogether();
    void otherFirstBytesAreInNoGroup();
    void entriesKeepFileOrder();
    void longestEntryIsShownWhole();
    void picturesAndItemData();
    void typingJumpsToTheNextMatchingItem();
    void focusOnIzlazakEnterClosesTabReachesTheTree();
    void runModalCentredOnTheScreenAndCleanUpOnClose();
};

void DictionaryTest::templateAndTheThirtyOneLetters()
{
    KnowledgeBuilder kb;
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    checkBrowsingDialog(dialog, dialog.tree(), dialog.exitButton(), QStringLiteral("Rjecnik"), 184,
                        337, {7, 7, 170, 306}, {7, 316, 170, 14});
    if (QTest::currentTestFailed())
        return;
    QTreeWidget* tree = dialog.tree();

    // An empty dictionary shows the 31 letters, childless and collapsed.
    QCOMPARE(topLevelTexts(tree), LETTERS);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* letter = tree->topLevelItem(i);
        QCOMPARE(letter->childCount(), 0);
        QCOMPARE(letter->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
        QVERIFY(!letter->isExpanded());
    }
    // Ć before Č, both right after C; Đ right after D; Š after S; Ž last.
    QCOMPARE(LETTERS.indexOf(QStringLiteral(u"Ć")), LETTERS.indexOf(QStringLiteral("C")) + 1);
    QCOMPARE(LETTERS.indexOf(QStringLiteral(u"Č")), LETTERS.indexOf(QStringLiteral(u"Ć")) + 1);
    QCOMPARE(LETTERS.indexOf(QStringLiteral(u"Đ")), LETTERS.indexOf(QStringLiteral("D")) + 1);
    QCOMPARE(LETTERS.size(), 31);
}

void DictionaryTest::lettersAreThoseTheCheckerGroupsBy()
{
    // The tree and the command-line checker share one rule of grouping.
    KnowledgeBuilder kb;
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    // Each letter item is the one an entry beginning with that very byte goes under.
    int row = 0;
    for (unsigned char letter : dictionaryLetters()) {
        KnowledgeBuilder one;
        const char term[] = {static_cast<char>(letter), 'x', '\0'};
        one.word(term, "");
        OpenDictionary withEntry;
        QVERIFY(withEntry.open(one.get()));
        QCOMPARE(withEntry.tree()->topLevelItem(row)->childCount(), 1);
        QCOMPARE(withEntry.tree()->topLevelItem(row)->child(0)->text(0),
                 dialog.tree()->topLevelItem(row)->text(0) + QStringLiteral("x - "));
        ++row;
    }
    QCOMPARE(row, dialog.tree()->topLevelItemCount());
}

void DictionaryTest::entryTextIsTermDashExplanation()
{
    KnowledgeBuilder kb;
    kb.word("Anemija", "smanjen broj crvenih krvnih stanica");
    kb.word("\x8E" "utica", "\x9E" "uta boja ko\x9E" "e zbog bilirubina");
    kb.word("\xC8ir", "rana na sluznici \x9E" "eluca ili dvanaesnika");
    kb.word("\xC6uskija", "stari naziv za \xE8" "ir");
    kb.word("\xD0" "ubrivo", "\xF0" "ubre");
    kb.word("Bol", ""); // an empty explanation keeps the separator
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    QTreeWidget* tree = dialog.tree();
    QCOMPARE(entriesUnder(tree, "A"), QStringList{"Anemija - smanjen broj crvenih krvnih stanica"});
    QCOMPARE(entriesUnder(tree, QStringLiteral(u"Ž")),
             QStringList{QStringLiteral(u"Žutica - žuta boja kože zbog bilirubina")});
    QCOMPARE(entriesUnder(tree, QStringLiteral(u"Č")),
             QStringList{QStringLiteral(u"Čir - rana na sluznici želuca ili dvanaesnika")});
    QCOMPARE(entriesUnder(tree, QStringLiteral(u"Ć")),
             QStringList{QStringLiteral(u"Ćuskija - stari naziv za čir")});
    QCOMPARE(entriesUnder(tree, QStringLiteral(u"Đ")),
             QStringList{QStringLiteral(u"Đubrivo - đubre")});
    QCOMPARE(entriesUnder(tree, "B"), QStringList{"Bol - "});
    QCOMPARE(shownEntryCount(tree), 6);
}

void DictionaryTest::capitalsAndSmallLettersGroupTogether_data()
{
    QTest::addColumn<QByteArray>("term");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("letter");
    const auto row = [](const char* name, const char* term, const char16_t* shown, const char16_t* letter) {
        QTest::newRow(name) << QByteArray(term) << QString::fromUtf16(shown)
                            << QString::fromUtf16(letter);
    };
    row("a", "angina", u"angina", u"A");
    row("z", "zubobolja", u"zubobolja", u"Z");
    row("Q", "Q-groznica", u"Q-groznica", u"Q");
    row("W", "Wilsonova bolest", u"Wilsonova bolest", u"W");
    row("x", "xeroftalmija", u"xeroftalmija", u"X");
    row("Y", "Yersinia", u"Yersinia", u"Y");
    row("small c acute", "\xE6" "uskija", u"ćuskija", u"Ć");
    row("small c caron", "\xE8" "ir", u"čir", u"Č");
    row("small d stroke", "\xF0" "ubre", u"đubre", u"Đ");
    row("capital D stroke", "\xD0" "ak", u"Đak", u"Đ");
    row("small s caron", "\x9A" "ok", u"šok", u"Š");
    row("small z caron", "\x9E" "utica", u"žutica", u"Ž");
    row("digraph Lj", "Ljuskanje", u"Ljuskanje", u"L");
    row("digraph Nj", "Njuh", u"Njuh", u"N");
    row("digraph Dz caron", "D\x9E" "ep", u"Džep", u"D");
    row("small digraph dz caron", "d\x9E" "ep", u"džep", u"D");
}

void DictionaryTest::capitalsAndSmallLettersGroupTogether()
{
    QFETCH(QByteArray, term);
    QFETCH(QString, shown);
    QFETCH(QString, letter);
    KnowledgeBuilder kb;
    kb.word(term.constData(), "x");
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    QCOMPARE(entriesUnder(dialog.tree(), letter), QStringList{shown + QStringLiteral(" - x")});
    QCOMPARE(shownEntryCount(dialog.tree()), 1);
}

void DictionaryTest::otherFirstBytesAreInNoGroup()
{
    KnowledgeBuilder kb;
    kb.word("1. pomo\xE6", "prva pomo\xE6");
    kb.word("-itis", "nastavak za upalu");
    kb.word(" Anemija", "s praznim mjestom ispred");
    kb.word("\xC9" "dem", "E s akutom");              // É, another accented letter
    kb.word("\xE9" "dem", "e s akutom");              // é
    kb.word("\xC4" "rztin", "A s preglasom");          // Ä
    kb.word("", "bez pojma");
    kb.word("Edem", "oteklina");
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    QCOMPARE(shownEntryCount(dialog.tree()), 1);
    QCOMPARE(entriesUnder(dialog.tree(), "E"), QStringList{"Edem - oteklina"});
    QCOMPARE(entriesUnder(dialog.tree(), "A"), QStringList{});
}

void DictionaryTest::entriesKeepFileOrder()
{
    KnowledgeBuilder kb;
    kb.word("Mokra\xE6" "a", "1");
    kb.word("Bol", "2");
    kb.word("mi\x9A" "i\xE6", "3");
    kb.word("Migrena", "4");
    kb.word("Akne", "5");
    kb.word("Malarija", "6");
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    // Filling again, as a second opening does, gives the same tree.
    for (int fill = 0; fill < 2; ++fill) {
        QCOMPARE(topLevelTexts(dialog.tree()), LETTERS);
        QCOMPARE(entriesUnder(dialog.tree(), "M"),
                 (QStringList{QStringLiteral(u"Mokraća - 1"), QStringLiteral(u"mišić - 3"),
                              QStringLiteral("Migrena - 4"), QStringLiteral("Malarija - 6")}));
        QCOMPARE(entriesUnder(dialog.tree(), "B"), QStringList{"Bol - 2"});
        QCOMPARE(entriesUnder(dialog.tree(), "A"), QStringList{"Akne - 5"});
        QCOMPARE(shownEntryCount(dialog.tree()), 6);
        dialog.FillTree();
    }
}

void DictionaryTest::longestEntryIsShownWhole()
{
    KnowledgeBuilder kb;
    QByteArray term(TERM_SIZE - 1, 'w');
    term[0] = 'W';
    term[TERM_SIZE - 2] = 'T';
    QByteArray explanation(EXPLANATION_SIZE - 1, 'm');
    explanation[EXPLANATION_SIZE - 2] = '!';
    kb.word(term.constData(), explanation.constData());
    OpenDictionary dialog;
    QVERIFY(dialog.openShown(kb.get()));
    QTreeWidget* tree = dialog.tree();
    QTreeWidgetItem* entry = tree->topLevelItem(static_cast<int>(LETTERS.indexOf("W")))->child(0);
    const QString whole = QString::fromLatin1(term + " - " + explanation);
    QCOMPARE(whole.size(), 151);
    QCOMPARE(entry->text(0), whole);

    entry->parent()->setExpanded(true);
    const int needed = 2 * tree->indentation() + tree->iconSize().width()
        + tree->fontMetrics().horizontalAdvance(whole);
    QTRY_VERIFY(tree->columnWidth(0) >= needed);
    QVERIFY(columnHoldsEveryShownText(tree));
    QVERIFY(tree->horizontalScrollBar()->maximum() > 0);
    // Scrolled to the far right, the end of the text is in view.
    tree->horizontalScrollBar()->setValue(tree->horizontalScrollBar()->maximum());
    QVERIFY(tree->visualItemRect(entry).right() <= tree->viewport()->width() + 1);
}

void DictionaryTest::picturesAndItemData()
{
    QVERIFY(iconImage(IDI_LETTER) != iconImage(IDI_WORD));
    KnowledgeBuilder kb;
    kb.word("Kolika", "gr\xE8" "evita bol");
    OpenDictionary dialog;
    QVERIFY(dialog.open(kb.get()));
    QCOMPARE(dialog.images().GetImageCount(), 2);
    QTreeWidget* tree = dialog.tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* letter = tree->topLevelItem(i);
        QCOMPARE(shownImage(letter), iconImage(IDI_LETTER));
        QCOMPARE(shownImage(letter, QIcon::Selected), iconImage(IDI_LETTER));
        QCOMPARE(letter->data(0, Qt::UserRole), QVariant(0));
        QVERIFY(!(letter->flags() & Qt::ItemIsEditable));
    }
    QTreeWidgetItem* entry = tree->topLevelItem(static_cast<int>(LETTERS.indexOf("K")))->child(0);
    QCOMPARE(entry->text(0), QStringLiteral(u"Kolika - grčevita bol"));
    QCOMPARE(shownImage(entry), iconImage(IDI_WORD));
    QCOMPARE(shownImage(entry, QIcon::Selected), iconImage(IDI_WORD));
    QVERIFY(entry->icon(0).availableSizes().contains(QSize(32, 32)));
    QCOMPARE(entry->data(0, Qt::UserRole), QVariant(0));
    QVERIFY(!(entry->flags() & Qt::ItemIsEditable));
}

void DictionaryTest::typingJumpsToTheNextMatchingItem()
{
    KnowledgeBuilder kb;
    OpenDictionary dialog;
    QVERIFY(dialog.openShown(kb.get()));
    QTreeWidget* tree = dialog.tree();
    tree->setFocus();
    QTest::keyClicks(tree, "m");
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("M"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClick(tree, Qt::Key_S);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("S"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    // š is no key of a test keyboard: its event is made by hand, as a layout gives it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral(u"š"));
    QApplication::sendEvent(tree, &press);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral(u"Š"));
    QCOMPARE(dialog.modalResult(), 0);
}

void DictionaryTest::focusOnIzlazakEnterClosesTabReachesTheTree()
{
    KnowledgeBuilder kb;
    OpenDictionary dialog;
    QVERIFY(dialog.openShown(kb.get()));
    QApplication::setActiveWindow(&dialog);
    QTRY_COMPARE(QApplication::focusWidget(), dialog.exitButton());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.tree());
    QTest::keyClick(dialog.tree(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dialog.exitButton());
    QTest::keyClick(dialog.exitButton(), Qt::Key_Return);
    QCOMPARE(dialog.modalResult(), IDOK);
}

void DictionaryTest::runModalCentredOnTheScreenAndCleanUpOnClose()
{
    KnowledgeBuilder kb;
    kb.word("Akne", "upala lojnica");

    // An owner in a corner: the dictionary is centred on the screen all the same.
    QWidget owner;
    owner.setGeometry(10, 10, 641, 479);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    setMainWindow(&owner);

    ModalWatcher watcher;
    int entriesSeen = -1;
    QPoint centreSeen;
    QWidget* ownerSeen = nullptr;
    watcher.onDialog = [&](QWidget* window) {
        auto* seen = qobject_cast<CDictionaryDlg*>(window);
        if (!seen)
            return;
        entriesSeen = shownEntryCount(seen->GetDlgItem<QTreeWidget>(IDC_TREE));
        centreSeen = seen->frameGeometry().center();
        ownerSeen = seen->parentWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    };

    struct Inspected : CDictionaryDlg {
        int items() const { return treeCtrl ? treeCtrl->topLevelItemCount() : -1; }
        bool imageListAlive() const { return imageList.isCreated(); }
    } dialog;
    QCOMPARE(dialog.RunModal(kb.get()), IDOK);
    setMainWindow(nullptr);

    QCOMPARE(entriesSeen, 1);
    QCOMPARE(ownerSeen, &owner);
    QVERIFY((centreSeen - owner.screen()->availableGeometry().center()).manhattanLength() <= 6);
    QCOMPARE(dialog.items(), 0);
    QVERIFY(!dialog.imageListAlive());
}

QTEST_MAIN(DictionaryTest)
#include "views_dictionary_test.moc"
