// The two browsing views: what the overview and the dictionary show of the knowledge
// base, with pictures and item data, and the keys and placement of a view.
#include "gui_support.h"

#include "platform/window_owner.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QApplication>
#include <QScreen>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QStringList LETTERS =
    u8("A B C Ć Č D Đ E F G H I J K L M N O P Q R S Š T U V W X Y Z Ž").split(' ');

} // namespace

class ViewsTest final : public QObject {
    Q_OBJECT
private slots:
    void overviewShowsTheKnowledgeBase();
    void overviewKeysAndPlace();
    void dictionaryLettersAndEntries();
};

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
    bool indicatorOnEmpty = true;
    whileShown(dialog, kb, [&] {
        auto* tree = dialog.GetDlgItem<QTreeWidget>(IDC_TREE);
        lines = treeLines(tree, {IDI_SYNDROME, IDI_HEAD, IDI_TRUNK, IDI_LIMBS, IDI_OTHER}, true);
        indicatorOnEmpty = tree->topLevelItem(2)->childIndicatorPolicy()
            != QTreeWidgetItem::DontShowIndicatorWhenChildless;
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
    QVERIFY(!indicatorOnEmpty);
    QCOMPARE(kb->syndromeOrder[0], alfa);
    QCOMPARE(kb->symptoms[prvi].answer, ANSWER_PRESENT);
}

// The focus starts on "Izlazak"; Tab goes to the tree, where Enter still means
// "Izlazak". The overview is centred over its owner.
void ViewsTest::overviewKeysAndPlace()
{
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
    QCOMPARE(whileShown(dialog, &b.kb(), [&] {
        QApplication::setActiveWindow(&dialog);
        QTRY_VERIFY(QApplication::focusWidget());
        centre = dialog.frameGeometry().center();
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
            focus.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), key);
        }
    }), IDOK);
    setMainWindow(nullptr);
    QCOMPARE(focus, QStringList({"IDOK", QString::number(IDC_TREE)}));
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
    for (const QString& letter : LETTERS) {
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
