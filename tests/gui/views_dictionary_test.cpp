// The dictionary tree: the 31 letters, which entry stands under which letter and how,
// pictures and item data, the longest entry, and placement.
#include "diagnosis_fixture.h"

#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"

#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QStringList LETTERS = u8("A B C Ć Č D Đ E F G H I J K L M N O P Q R S Š T U V W X Y Z Ž").split(' ');

// The tree of the dictionary `b` holds, as lines with pictures and item data.
QStringList shownFor(KnowledgeBaseBuilder& b, const std::function<void(QTreeWidget*)>& look = {})
{
    CDictionaryDlg dialog;
    QStringList lines;
    whileShown(dialog, [&] { return dialog.RunModal(&b.kb()); }, [&] {
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
    void entryGoesUnder_data();
    void entryGoesUnder();
    void longestEntryCentred();
};

// All 31 letters, each with the letter picture; entries as "term - explanation" with
// the word picture under their letter, in file order; both kinds hold 0.
void DictionaryTest::lettersAndEntries()
{
    KnowledgeBaseBuilder b;
    for (const auto& [term, explanation] : {std::pair{"Mokraća", "1"}, {"Bol", ""}, {"mišić", "3"}, {"Čir", "rana na sluznici želuca"},
                                            {"Migrena", "4"}, {"Đubrivo", "đubre"}})
        b.word(cp1250(term).c_str(), cp1250(explanation).c_str());
    QStringList expected;
    const QString letter = QStringLiteral(" =%1 #0").arg(IDI_LETTER), word = QStringLiteral(" =%1 #0").arg(IDI_WORD);
    for (const QString& l : LETTERS) {
        expected.append(l + letter);
        if (l == "B")
            expected.append("  Bol - " + word);
        else if (l == u8("Č"))
            expected.append(u8("  Čir - rana na sluznici želuca") + word);
        else if (l == u8("Đ"))
            expected.append(u8("  Đubrivo - đubre") + word);
        else if (l == "M")
            expected << u8("  Mokraća - 1") + word << u8("  mišić - 3") + word << "  Migrena - 4" + word;
    }
    QCOMPARE(shownFor(b), expected);
}

void DictionaryTest::entryGoesUnder_data()
{
    QTest::addColumn<QByteArray>("term"); // code page 1250
    QTest::addColumn<QString>("letter"); // empty: under no letter
    for (const auto& [term, letter] : {std::pair{"angina", "A"}, {"Q-groznica", "Q"}, {"xeroftalmija", "X"}, {"ćuskija", "Ć"},
                                       {"čir", "Č"}, {"đubre", "Đ"}, {"Đak", "Đ"}, {"šok", "Š"}, {"žutica", "Ž"}, {"Ljuskanje", "L"},
                                       {"Džep", "D"}, {"1. pomoć", ""}, {"-itis", ""}, {" Anemija", ""}, {"", ""}})
        QTest::newRow(term) << QByteArray::fromStdString(cp1250(term)) << u8(letter);
    QTest::newRow("É") << QByteArray("\xC9" "dem") << QString(); // other accented letters: none
}

void DictionaryTest::entryGoesUnder()
{
    QFETCH(QByteArray, term);
    QFETCH(QString, letter);
    KnowledgeBaseBuilder b;
    b.word(term.constData(), "x");
    const QStringList lines = shownFor(b);
    const qsizetype entry = lines.indexOf(QRegularExpression("  .* - x .*"));
    QCOMPARE(lines.filter(QRegularExpression("^  ")).size(), letter.isEmpty() ? 0 : 1);
    QCOMPARE(entry > 0 ? lines[entry - 1].section(' ', 0, 0) : QString(), letter);
}

// The longest entry, 151 characters, is shown whole: the column is as wide as the
// text and the tree scrolls sideways to its end. The dictionary is centred on the
// screen, not over its owner.
void DictionaryTest::longestEntryCentred()
{
    KnowledgeBaseBuilder b;
    b.word(("W" + std::string(TERM_SIZE - 3, 'w') + "T").c_str(), (std::string(EXPLANATION_SIZE - 2, 'm') + "!").c_str());
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
        seen << QString::number(entry->text(0).size()) << QString::number(tree->visualItemRect(entry).right() <= tree->viewport()->width() + 1)
             << QString::number((centre - owner.screen()->availableGeometry().center()).manhattanLength() <= 6);
    });
    setMainWindow(nullptr);
    QCOMPARE(seen, QStringList({"151", "1", "1"}));
}

QTEST_MAIN(DictionaryTest)
#include "views_dictionary_test.moc"
