// The dictionary tree: the 31 letters, which entry stands under which letter and how,
// pictures and item data, the longest entry, and placement.
#include "diagnosis_fixture.h"

#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"

#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QStringList LETTERS =
    u8("A B C Ć Č D Đ E F G H I J K L M N O P Q R S Š T U V W X Y Z Ž").split(' ');

// The tree of the dictionary `b` holds, as lines with pictures and item data.
QStringList shownFor(KnowledgeBaseBuilder& b, const std::function<void(QTreeWidget*)>& look = {})
{
    CDictionaryDlg dialog;
    QStringList lines;
    whileShown(dialog, &b.kb(), [&] {
        auto* tree = dialog.GetDlgItem<QTreeWidget>(IDC_TREE);
        lines = treeLines(tree, {IDI_LETTER, IDI_WORD}, true);
        if (look)
            look(tree);
    });
    return lines;
}

} // namespace

class DictionaryTest final : public QObject {
    Q_OBJECT
private slots:
    void lettersAndEntries();
    void longestEntryCentred();
};

// All 31 letters, each with the letter picture; entries as "term - explanation" with
// the word picture under their letter, small letters with their capitals, in file
// order; a term that begins with none of the letters is not shown. Both kinds hold 0.
void DictionaryTest::lettersAndEntries()
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
    for (const QString& letter : LETTERS) {
        expected.append(letter + QStringLiteral(" =%1 #0").arg(IDI_LETTER));
        for (const auto& word : words)
            if (u8(word[2]) == letter)
                expected.append(QStringLiteral("  %1 - %2 =%3 #0")
                                    .arg(u8(word[0]), u8(word[1])).arg(IDI_WORD));
    }
    QCOMPARE(shownFor(b), expected);
}

// The longest entry, 151 characters, is shown whole: the column is as wide as the
// text and the tree scrolls sideways to its end. The dictionary is centred on the
// screen, not over its owner.
void DictionaryTest::longestEntryCentred()
{
    KnowledgeBaseBuilder b;
    b.word(("W" + std::string(TERM_SIZE - 3, 'w') + "T").c_str(),
           (std::string(EXPLANATION_SIZE - 2, 'm') + "!").c_str());
    QWidget owner;
    owner.setGeometry(10, 10, 641, 479);
    owner.show();
    setMainWindow(&owner);
    QStringList seen;
    shownFor(b, [&](QTreeWidget* tree) {
        QTreeWidgetItem* entry = tree->topLevelItem(LETTERS.indexOf("W"))->child(0);
        entry->parent()->setExpanded(true);
        QTRY_VERIFY(tree->horizontalScrollBar()->maximum() > 0);
        tree->horizontalScrollBar()->setValue(tree->horizontalScrollBar()->maximum());
        const QPoint centre = tree->window()->frameGeometry().center();
        const QPoint screen = owner.screen()->availableGeometry().center();
        seen << QString::number(entry->text(0).size())
             << QString::number(tree->visualItemRect(entry).right()
                                <= tree->viewport()->width() + 1)
             << QString::number((centre - screen).manhattanLength() <= 6);
    });
    setMainWindow(nullptr);
    QCOMPARE(seen, QStringList({"151", "1", "1"}));
}

QTEST_MAIN(DictionaryTest)
#include "views_dictionary_test.moc"
