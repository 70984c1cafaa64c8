// The diagnosis unit: the patient dialog's ages, the diagnosis dialog's trees, answers and
// ranking, and the case summary with the file it is saved to.
#include "gui_support.h"

#include "diagnosis/case_summary.h"
#include "diagnosis/patient_dlg.h"
#include "engine/diagnosis_case.h"
#include "engine/ranking_engine.h"
#include "platform/file_writer.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

using namespace ordisan;
using namespace ordisan::test;

namespace {

const QString U = QString::number(IDI_UNKNOWN);
const QString P = QString::number(IDI_PRESENT);
const QString A = QString::number(IDI_ABSENT);

// Through the window, as a user clicks: nothing on top of the control takes the click.
void click(CDialog& dialog, int id)
{
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      dialog.GetDlgItem(id)->geometry().center());
}

constexpr int CLICK = 0; // "Dalje >>" clicked
constexpr int CLOSE_BOX = 1;
constexpr qlonglong REJECTED = -1;
constexpr qlonglong CANCELLED = -2;

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

class DiagnosisTest final : public QObject {
    Q_OBJECT
private slots:
    void ages_data();
    void ages();
    void opens();
    void answersReachEveryItemOfTheSymptom();
    void doubleClickBesideItemsChangesNothing();
    void answerKeysAfterTyping_data();
    void answerKeysAfterTyping();
    void closingAsksBeforeAnswersAreLost_data();
    void closingAsksBeforeAnswersAreLost();
    void caseFiles_data();
    void caseFiles();
    void rerankFollowsTheAnswers();
    void summaryOfAKnownCase();
    void savedWholeOrNotAtAll_data();
    void savedWholeOrNotAtAll();
};

void DiagnosisTest::ages_data()
{
    QTest::addColumn<QString>("typed"); // null: the field as it opens
    QTest::addColumn<bool>("female");
    QTest::addColumn<int>("how"); // CLICK, CLOSE_BOX, IDCANCEL clicked, or a key in the field
    QTest::addColumn<qlonglong>("stored");
    const auto row = [](const char* name, const QString& typed, bool female, int how,
                        qlonglong stored) {
        QTest::newRow(name) << typed << female << how << stored;
    };
    row("no input: a man of 0", QString(), false, CLICK, 0);
    row("35, female, Enter", "35", true, Qt::Key_Return, 35);
    row("leading zeros", "007", false, CLICK, 7);
    row("blanks around", "  42 ", false, Qt::Key_Return, 42);
    row("largest", "4294967295", true, CLICK, 4294967295ll);
    row("empty", "", false, CLICK, REJECTED);
    row("letters", "trideset", true, Qt::Key_Return, REJECTED);
    row("minus", "-5", false, CLICK, REJECTED);
    row("plus", "+5", false, CLICK, REJECTED);
    row("digits then letters", "12 godina", false, CLICK, REJECTED);
    row("decimal", "3.5", false, CLICK, REJECTED);
    row("above 32 bits", "4294967296", false, CLICK, REJECTED);
    row("Otkaži", "35", true, IDCANCEL, CANCELLED);
    row("Esc", "35", true, Qt::Key_Escape, CANCELLED);
    row("close box", "35", true, CLOSE_BOX, CANCELLED);
}

// Whatever the patient before, it opens with 0, "Muški spol" and the focus on the age.
// A rejected age: the program's message once, owned by the dialog; the age field has
// the focus with its text selected and nothing is stored, the sex included. A valid
// age typed over it then confirms. A cancellation stores nothing.
void DiagnosisTest::ages()
{
    QFETCH(QString, typed);
    QFETCH(bool, female);
    QFETCH(int, how);
    QFETCH(qlonglong, stored);
    auto kb = clinic(female ? SEX_MALE : SEX_FEMALE);
    kb->patientAge = 61;
    ModalWatcher watcher;
    CPatientDlg dialog;
    QStringList opened, afterRejection;
    const int result = whileShown(dialog, kb.get(), [&] {
        auto* age = dialog.GetDlgItem<QLineEdit>(IDC_AGE);
        for (int id : {IDC_SEX_MALE, IDC_SEX_FEMALE})
            opened << QString::number(dialog.GetDlgItem<QRadioButton>(id)->isChecked());
        opened << age->text() << QString::number(dialog.focusWidget() == age);
        if (!typed.isNull())
            age->setText(typed);
        if (female)
            click(dialog, IDC_SEX_FEMALE);
        if (how == CLICK) // on the button itself: a click through the window races the message
            QTest::mouseClick(dialog.GetDlgItem(IDOK), Qt::LeftButton);
        else if (how == CLOSE_BOX)
            dialog.close();
        else if (how == IDCANCEL)
            click(dialog, IDCANCEL);
        else
            QTest::keyClick(age, Qt::Key(how));
        if (stored != REJECTED)
            return;
        afterRejection = {QString::number(dialog.isVisible()),
                          QString::number(dialog.focusWidget() == age), age->selectedText(),
                          QString::number(kb->patientAge), QString::number(kb->patientSex)};
        age->setText("52");
        click(dialog, IDOK);
    });
    QCOMPARE(opened, QStringList({"1", "0", "0", "1"}));
    QCOMPARE(result, stored == CANCELLED ? IDCANCEL : IDOK);
    const int sexBefore = female ? SEX_MALE : SEX_FEMALE;
    // The diagnosis that owns the case takes the patient; the record stays as it was.
    QCOMPARE(QStringList({QString::number(kb->patientAge), QString::number(kb->patientSex)}),
             QStringList({"61", QString::number(sexBefore)}));
    if (stored != CANCELLED)
        QCOMPARE(QStringList({QString::number(dialog.patient().age),
                              QString::number(dialog.patient().sex)}),
                 QStringList({QString::number(stored >= 0 ? stored : 52),
                              QString::number(female ? SEX_FEMALE : SEX_MALE)}));
    QCOMPARE(watcher.messages.size(), stored == REJECTED ? 1 : 0);
    if (stored != REJECTED)
        return;
    QCOMPARE(afterRejection, QStringList({"1", "1", typed, "61", QString::number(sexBefore)}));
    const MessageRecord& message = watcher.messages[0];
    QCOMPARE(QStringList({message.text, message.caption}),
             QStringList({u8("Upišite cijeli broj bez predznaka."), "Ordisan"}));
    QVERIFY(message.icon == QMessageBox::Warning && message.owner == &dialog);
}

// For a man: children in link order (a repeated line twice), female symptoms left out;
// a syndrome with nothing that applies is at 0 % with the low band; "đurđica na koži"
// belongs to no syndrome. Every branch closed, the focus in the left tree.
void DiagnosisTest::opens()
{
    auto kb = clinic(SEX_MALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left, QTreeWidget* right) {
        QCOMPARE(treeLines(left, diagnosisIcons),
                 QStringList({band("(50%) - Gripa", IDI_BAND_HALF), u8("  vrućica =") + U,
                              u8("  kašalj =") + U, "  glavobolja =" + U,
                              band("(50%) - Migrena", IDI_BAND_HALF), "  glavobolja =" + U,
                              u8("  mučnina =") + U, u8("  mučnina =") + U,
                              band("(50%) - Trudnoća", IDI_BAND_HALF), u8("  mučnina =") + U,
                              band("(50%) - Prostatitis", IDI_BAND_HALF),
                              u8("  otežano mokrenje =") + U,
                              band("(0%) - Ženski sindrom", IDI_BAND_LOW)}));
        QCOMPARE(treeLines(right, diagnosisIcons).join(','),
                 u8("(50%) - vrućica =%1,(50%) - kašalj =%1,(50%) - glavobolja =%1,(50%) - "
                    "mučnina =%1,(50%) - otežano mokrenje =%1,(50%) - đurđica na koži =%1")
                     .arg(U));
        QCOMPARE(dialog.focusWidget(), right);
        QCOMPARE(right->currentItem(), right->topLevelItem(0));
        for (int i = 0; i < left->topLevelItemCount(); ++i)
            QVERIFY(!left->topLevelItem(i)->isExpanded());
    });
}

// Double-click and Space cycle unknown, present, absent, unknown, and change every item
// of the symptom in both trees: collapsed branches, repeated lines and items scrolled
// out of view included. Nothing is recomputed before "<<Rangiraj>>".
void DiagnosisTest::answersReachEveryItemOfTheSymptom()
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
        right->setFocus();
        right->setCurrentItem(right->topLevelItem(0));
        QTest::keyClick(right, Qt::Key_Space);
        QCOMPARE(iconsOf(left, right, u8("vrućica")), QStringList({P, P}));
        QCOMPARE(iconsOf(left, right, "glavobolja"), QStringList({U, U, U}));
        QCOMPARE(right->topLevelItem(0)->text(0), u8("(50%) - vrućica"));
        QCOMPARE(shownIcon(left->topLevelItem(0)), IDI_BAND_HALF);
    });
    // "Sindrom 1" … "Sindrom 40", each with its own "simptom k", and last "Zadnji" with
    // "zajednički", which "Sindrom 1" has as well: far apart in both trees.
    KnowledgeBaseBuilder b;
    for (int n = 1; n <= 40; ++n)
        b.link(b.syndrome(("Sindrom " + std::to_string(n)).c_str()),
               b.symptom(("simptom " + std::to_string(n)).c_str()));
    const int shared = b.symptom(cp1250("zajednički").c_str());
    b.link(b.syndrome("Zadnji"), shared);
    b.link(0, shared);
    kb = b.patient(SEX_MALE).take();
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        QTreeWidgetItem* first = left->topLevelItem(0);
        first->setExpanded(true);
        doubleClick(left, first->child(1));
        QCOMPARE(iconsOf(left, right, u8("zajednički")), QStringList({P, P, P}));
        left->scrollToBottom();
        doubleClick(right, right->topLevelItem(right->topLevelItemCount() - 1));
        QCOMPARE(iconsOf(left, right, u8("zajednički")), QStringList({A, A, A}));
        // F5 re-ranks: both trees from their top, the right one's first item current,
        // so that an answer key goes on from there; Ctrl+R re-ranks too.
        right->setFocus();
        QTest::keyClick(right, Qt::Key_F5);
        QCOMPARE(left->verticalScrollBar()->value() + right->verticalScrollBar()->value(), 0);
        QTreeWidgetItem* top = right->topLevelItem(0);
        QCOMPARE(right->currentItem(), top);
        const QString topText = top->text(0);
        QTest::keyClick(right, Qt::Key_Plus);
        QTest::keyClick(right, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(right->topLevelItem(0)->text(0) != topText);
        QVERIFY(right->findItems(topText, Qt::MatchExactly).isEmpty());
    });
}

// On a syndrome (it only opens and closes), below the last item and on an expand
// button: no answer changes, and the symptom selected before stays selected. A woman's
// symptoms are in both trees.
void DiagnosisTest::doubleClickBesideItemsChangesNothing()
{
    auto kb = clinic(SEX_FEMALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        const auto both = [&] {
            return treeLines(left, diagnosisIcons) + treeLines(right, diagnosisIcons);
        };
        const QStringList before = both();
        QVERIFY(before.contains("  izostanak menstruacije =" + U)
                && before.contains("(50%) - bol u zdjelici =" + U));
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

void DiagnosisTest::answerKeysAfterTyping_data()
{
    QTest::addColumn<QString>("typed"); // all within the pause that ends a search
    QTest::addColumn<QString>("answers"); // of "gubitak apetita" and "povraćanje"
    QTest::addColumn<QString>("tip");     // the search tooltip after the keys, if shown
    QTest::newRow("Space ends each search") << "gubit povrac " << P + P << "";
    QTest::newRow("+ and -") << "gubit+povrac-" << P + A << "";
    QTest::newRow("? after +") << "povrac+?" << U + U << "";
    QTest::newRow("nothing found: Space answers nothing")
        << "gubitx " << U + U << u8("Traži: gubitx – nije pronađeno");
    QTest::newRow("and the next letters search anew") << "gubitx povrac " << U + P << "";
}

// Typed as fast as a person types: an answer key answers the item the letters found and
// ends the search; while the letters find nothing it answers nothing, and the tooltip
// says so.
void DiagnosisTest::answerKeysAfterTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, answers);
    QFETCH(QString, tip);
    KnowledgeBaseBuilder b;
    const int gastro = b.syndrome("Gastroenteritis");
    const int gubitak = b.symptom("gubitak apetita");
    b.link(gastro, gubitak);
    b.link(gastro, b.symptom(cp1250("povraćanje").c_str()));
    b.link(gastro, b.symptom("proljev"));
    b.link(b.syndrome("Apendicitis"), gubitak);
    auto kb = b.patient(SEX_FEMALE).take();
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        right->setFocus();
        QTest::keyClicks(right, typed);
        QCOMPARE(iconsOf(left, right, "gubitak apetita").first()
                     + iconsOf(left, right, u8("povraćanje")).first(),
                 answers);
        const auto* shown = right->findChild<QLabel*>(QStringLiteral("searchTip"));
        QCOMPARE(shown->isVisible() ? shown->text() : QString(), tip);
    });
}

void DiagnosisTest::closingAsksBeforeAnswersAreLost_data()
{
    QTest::addColumn<QString>("answers"); // typed in the right tree; ^C copies the summary
    QTest::addColumn<int>("how");         // a key in the right tree, IDOK clicked, or CLOSE_BOX
    QTest::addColumn<QString>("press");   // in the question, if one comes
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");      // the save dialog names a file, or is cancelled
    const QString back = u8("&Natrag na slučaj"), close = "&Zatvori bez spremanja",
                  save = u8("&Spremi slučaj...");
    QTest::newRow("no answers: Esc") << "" << int(Qt::Key_Escape) << back << false << true
                                     << false;
    QTest::newRow("answered back to unknown: Enter") << "vru+?" << int(Qt::Key_Return) << back
                                                     << false << true << false;
    QTest::newRow("copied: Izlazak") << "vru+^C" << int(IDOK) << back << false << true << false;
    QTest::newRow("answered: Enter, back") << "vru+" << int(Qt::Key_Return) << back << true
                                           << false << false;
    QTest::newRow("answered: Esc, back") << "vru+" << int(Qt::Key_Escape) << back << true << false
                                         << false;
    QTest::newRow("changed after a copy: close box, close anyway")
        << "vru+^Ckas-" << CLOSE_BOX << close << true << true << false;
    QTest::newRow("answered: Izlazak, close anyway") << "vru+" << int(IDOK) << close << true
                                                     << true << false;
    QTest::newRow("answered: Esc, save cancelled") << "vru+" << int(Qt::Key_Escape) << save
                                                   << true << false << false;
    QTest::newRow("answered: Enter, saved") << "vru+" << int(Qt::Key_Return) << save << true
                                            << true << true;
}

// Every way out passes the same question, asked once and only while answers would be
// lost; going back, or a save cancelled, leaves the case as it was; a save closes after
// the case is in its file.
void DiagnosisTest::closingAsksBeforeAnswersAreLost()
{
    QFETCH(QString, answers);
    QFETCH(int, how);
    QFETCH(QString, press);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    QFETCH(bool, saved);
    TempFolder temp;
    const QString path = QString::fromStdString((temp.path() / "slucaj.cxt").string());
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    watcher.press = press;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->done(saved ? QDialog::Accepted : QDialog::Rejected);
        }
    };
    bool open = true;
    const int result = whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget*,
                                                     QTreeWidget* right) {
        right->setFocus();
        const QStringList parts = answers.split("^C");
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(right, Qt::Key_C, Qt::ControlModifier);
            QTest::keyClicks(right, parts[i]);
        }
        if (how == IDOK)
            click(dialog, IDOK);
        else if (how == CLOSE_BOX)
            dialog.close();
        else
            QTest::keyClick(right, Qt::Key(how));
        open = dialog.isVisible();
    });
    QCOMPARE(watcher.messages.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(watcher.messages[0].text,
                 u8("Odgovori ovog slučaja nisu ni spremljeni ni kopirani otkad su se zadnji put "
                    "promijenili.\n\nŽelite li spremiti slučaj prije zatvaranja?"));
    QCOMPARE(!open, closed);
    QCOMPARE(result == LEFT_OPEN, !closed);
    QCOMPARE(kb->symptoms[0].answer, answers.isEmpty() || answers.startsWith("vru+?")
                                         ? ANSWER_UNKNOWN : ANSWER_PRESENT);
    QFile file(path);
    QCOMPARE(file.open(QIODevice::ReadOnly), saved);
    if (saved)
        QVERIFY(file.readAll().endsWith("SPOL: M\r\nDOB: 0\r\nDA: vru\xE6ica\r\n"));
}

void DiagnosisTest::caseFiles_data()
{
    QTest::addColumn<QByteArray>("file"); // code page 1250; empty: the case saved by Ctrl+S
    QTest::addColumn<QString>("answers"); // of vrućica, kašalj, mučnina after the opening
    QTest::addColumn<QString>("message"); // the start of the one message, if any
    QTest::addColumn<bool>("female");     // the trees show a woman's symptoms
    QTest::addColumn<QString>("ends");    // the message's last line
    QTest::addColumn<int>("lines");       // and how many it has
    QTest::newRow("saved, changed, opened again") << QByteArray() << P + U + A << "" << false
                                                  << "" << 0;
    QByteArray unknown; // 17 lines: 15 listed, then how many more
    for (int n = 4; n <= 20; ++n)
        unknown += "NE: nepoznato " + QByteArray::number(n) + "\r\n";
    QTest::newRow("unknown texts: opened partly")
        << "SLUCAJ: Gripa\r\nSPOL: Z\r\nDA: ka\x9A" "alj\r\n" + unknown << U + P + U
        << u8("Slučaj iz datoteke\n%1\notvoren je djelomično; ovo nije upotrijebljeno:\n\n"
              "redak 4: baza znanja nema simptom \"nepoznato 4\"")
        << true << u8("i još 2 retka") << 20;
    QTest::newRow("no case file: nothing changes")
        << QByteArray("SPOL: Z\r\nDA: ka\x9A" "alj\r\n") << U + P + A
        << u8("Datoteka\n%1\nnije datoteka slučaja; ništa nije promijenjeno.\n\nredak 1: "
              "SPOL izvan slučaja")
        << false << u8("redak 2: DA izvan slučaja; slučaj počinje ključem SLUCAJ") << 6;
}

// Through the file dialogs, as a user saves and opens: a saved case opens as it was
// saved, over answers given since (after the question); a file with texts the knowledge
// base lacks opens partly and lists the first of them by line, over the trees of the case
// as opened; a file that is no case changes nothing.
void DiagnosisTest::caseFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, answers);
    QFETCH(QString, message);
    QFETCH(bool, female);
    QFETCH(QString, ends);
    QFETCH(int, lines);
    TempFolder temp;
    const QString path = QString::fromStdString((temp.path() / "slucaj.cxt").string());
    if (!file.isEmpty())
        temp.write("slucaj.cxt", file.toStdString());
    auto kb = clinic(SEX_MALE);
    ModalWatcher watcher;
    watcher.press = "&Otvori bez spremanja";
    watcher.onDialog = [&](QWidget* window) {
        if (auto* files = qobject_cast<QFileDialog*>(window)) {
            files->selectFile(path);
            static_cast<QDialog*>(files)->accept(); // QFileDialog hides it
        }
    };
    QStringList shown, atReport, opened;
    QTreeWidget* rightTree = nullptr;
    watcher.onMessage = [&](QMessageBox* box) {
        if (box->windowTitle() == u8("Otvori slučaj"))
            atReport = treeLines(rightTree);
    };
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        rightTree = right;
        right->setFocus();
        QTest::keyClicks(right, "vru+mucn-");
        QTest::keyClick(right, file.isEmpty() ? Qt::Key_S : Qt::Key_C, Qt::ControlModifier);
        QTest::keyClicks(right, "vru?kas+"); // not saved: the opening asks first
        QTest::keyClick(right, Qt::Key_O, Qt::ControlModifier);
        for (const char* text : {"vrućica", "kašalj", "mučnina"})
            shown.append(iconsOf(left, right, u8(text)).first());
        QCOMPARE(treeLines(left).contains("  izostanak menstruacije"), female);
        opened = treeLines(right);
    });
    QCOMPARE(watcher.messages.size(), message.isEmpty() ? 1 : 2); // the question, the report
    if (!message.isEmpty()) {
        const QString& text = watcher.messages.last().text;
        QVERIFY2(text.startsWith(message.arg(QDir::toNativeSeparators(path))), qPrintable(text));
        QCOMPARE(text.split('\n').last(), ends);
        QCOMPARE(text.count('\n') + 1, lines);
        QCOMPARE(atReport, opened); // reported over the trees as they now stand
    }
    QCOMPARE(shown.join(""), answers);
    if (file.isEmpty()) {
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().endsWith("SPOL: M\r\nDOB: 0\r\nDA: vru\xE6ica\r\nNE: mu\xE8nina\r\n"));
    }
}

// Answered symptoms leave the right tree; orders, percentages and icons follow the
// answers, a symptom answered and made unknown again included; the branches close.
// An answer by double-click or Space, not Space on a syndrome, makes the ranking stale
// until "<<Rangiraj>>": a bold button with a tooltip, and a note in the summary that
// Ctrl+C copies. Enter in a tree keeps to the default button, "Izlazak"; the answers stay
// after the dialog closes, and the next diagnosis starts all unknown.
void DiagnosisTest::rerankFollowsTheAnswers()
{
    auto kb = clinic(SEX_MALE);
    const int result = whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left,
                                                     QTreeWidget* right) {
        auto* button = dialog.GetDlgItem<QPushButton>(IDC_RERANK);
        const auto stale = [&](QWidget* focused) {
            QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier);
            const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
            return QStringList{QString::number(button->font().bold()), button->toolTip(),
                               QString::number(copied->text().contains("Napomena")),
                               QString::number(copied->hasHtml())};
        };
        const QStringList isStale{"1", "Odgovori su promijenjeni: pritisnite <<Rangiraj>>",
                                  "1", "1"};
        const QStringList notStale{"0", "", "0", "1"};
        left->setFocus();
        left->setCurrentItem(left->topLevelItem(0));
        QTest::keyClick(left, Qt::Key_Space);
        QCOMPARE(stale(left), notStale);
        for (int row : {2, 0, 0, 1, 1, 1}) // glavobolja present, vrućica absent, kašalj unknown
            doubleClick(right, right->topLevelItem(row));
        QCOMPARE(stale(right), isStale);
        left->topLevelItem(0)->setExpanded(true);
        QTest::mouseClick(dialog.GetDlgItem(IDC_RERANK), Qt::LeftButton);
        QCOMPARE(stale(button), notStale); // Ctrl+C on the button copies too
        // Gripa (0 + 0.5 + 1) / 3 = 50 %; Migrena (1 + 0.5 + 0.5) / 3 = 66 %.
        QCOMPARE(treeLines(left, diagnosisIcons).mid(0, 8),
                 QStringList({band("(66%) - Migrena", IDI_BAND_ABOVE_HALF), "  glavobolja =" + P,
                              u8("  mučnina =") + U, u8("  mučnina =") + U,
                              band("(50%) - Gripa", IDI_BAND_HALF), u8("  vrućica =") + A,
                              u8("  kašalj =") + U, "  glavobolja =" + P}));
        QCOMPARE(treeLines(right), u8("(66%) - mučnina,(50%) - kašalj,(50%) - otežano mokrenje,"
                                      "(50%) - đurđica na koži").split(','));
        QVERIFY(!left->topLevelItem(1)->isExpanded());
        left->topLevelItem(0)->setExpanded(true);
        left->setFocus();
        left->setCurrentItem(left->topLevelItem(0)->child(0));
        QTest::keyClick(left, Qt::Key_Space);
        QCOMPARE(stale(left), isStale);
        QTest::keyClick(left, Qt::Key_Return);
    });
    QCOMPARE(result, IDOK);
    QCOMPARE(kb->symptoms[2].answer, ANSWER_ABSENT);
    QCOMPARE(kb->syndromes[1].score, 2.0f / 3.0f);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg&, QTreeWidget* left, QTreeWidget* right) {
        QCOMPARE(left->topLevelItem(0)->text(0), "(50%) - Gripa");
        QCOMPARE(iconsOf(left, right, "glavobolja"), QStringList({U, U, U}));
    });
}

// A male patient: two female symptoms are absent by the ranking and not listed; one
// answer changed after the ranking makes it stale.
void DiagnosisTest::summaryOfAKnownCase()
{
    auto kb = clinic(SEX_MALE);
    kb->patientAge = 35;
    ResetAnswers(*kb);
    for (int symptom : {0, 2, 3, 3}) // vrućica and glavobolja present, mučnina absent
        CycleAnswer(*kb, symptom);
    ComputeScoresAndWeights(*kb);
    SortSyndromes(*kb);
    const std::vector<int> open{5, 7}; // the right tree after the ranking
    CycleAnswer(*kb, 1); // kašalj present, after the ranking

    const QDateTime when(QDate(2026, 12, 7), QTime(10, 5));
    const CaseSummary summary(*kb, when, open, true);
    QCOMPARE(summary.plainText(),
             u8("Ordisan – sažetak slučaja\nDatum i vrijeme: 07.12.2026. 10:05\n"
                "Starost: 35\nSpol: muški\n"
                "Prisutni simptomi:\n  vrućica\n  kašalj\n  glavobolja\n"
                "Odsutni simptomi:\n  mučnina\n"
                "Napomena: odgovori su promijenjeni nakon posljednjeg "
                "rangiranja, pa rangiranje nije ažurno.\n"
                "Sindromi (posljednje rangiranje):\n"
                "  (83%) - Gripa\n  (50%) - Prostatitis\n  (33%) - Migrena\n"
                "  (0%) - Trudnoća\n  (0%) - Ženski sindrom\n"
                "Otvoreni simptomi:\n  (50%) - otežano mokrenje\n  (50%) - đurđica na koži\n"));
    QVERIFY(summary.html().contains(u8("<tr><td valign=\"top\">Prisutni simptomi</td>"
                                       "<td>vrućica<br>kašalj<br>glavobolja</td></tr>")));

    // Twelve syndromes and twelve open symptoms: the first ten and the first five.
    KnowledgeBaseBuilder many;
    for (int n = 0; n < 12; ++n)
        many.link(many.syndrome(("Sindrom " + std::to_string(n)).c_str()),
                  many.symptom(("simptom " + std::to_string(n)).c_str()));
    auto big = many.patient(SEX_FEMALE).take();
    DiagnosisCase ranked(*big);
    ranked.start();
    ranked.rank();
    const QStringList lines =
        CaseSummary(*big, when, ranked.openSymptoms(), false).plainText().split('\n');
    const auto listed = [&](const char* label) {
        const qsizetype first = lines.indexOf(u8(label)) + 1;
        qsizetype end = first;
        while (end < lines.size() && lines[end].startsWith("  "))
            ++end;
        return end - first;
    };
    QCOMPARE(listed("Sindromi (posljednje rangiranje):"), 10);
    QCOMPARE(listed("Otvoreni simptomi:"), 5);
}

void DiagnosisTest::savedWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("diskFull"); // every write fails as on a full disk
    QTest::newRow("a new file") << QStringLiteral("sazetak.txt") << true << false;
    QTest::newRow("over an older, longer file") << QStringLiteral("stari.txt") << true << false;
    QTest::newRow("in a missing folder") << QStringLiteral("nema/sazetak.txt") << false << false;
    QTest::newRow("over a folder") << QStringLiteral("mapa") << false << false;
    QTest::newRow("disk full: a new file") << QStringLiteral("sazetak.txt") << false << true;
    QTest::newRow("disk full: over an older file") << QStringLiteral("stari.txt") << false << true;
}

// A failure says where; nothing half-written is left beside the files the test made, and
// an older file stays as it was. The full disk is a real failing write: a file-size limit
// of zero on this process makes every write fail with EFBIG.
void DiagnosisTest::savedWholeOrNotAtAll()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QFETCH(bool, diskFull);
    TempFolder temp;
    const std::string older = "staro, mnogo duže od novog";
    temp.write("stari.txt", older);
    std::filesystem::create_directory(temp.path() / "mapa");
    const QDir folder(QString::fromStdString(temp.path().string()));
    const QString text = u8("Prisutni simptomi:\n  vrućica, šum, žeđ\n");
    QString error;
    {
        const FileSizeLimit limit(diskFull ? 0 : RLIM_INFINITY);
        error = writeFileWhole(folder.filePath(name), text.toUtf8(), u8("Sažetak slučaja"));
    }
    QFile file(folder.filePath(name));
    const QByteArray before = name == QStringLiteral("stari.txt") ? QByteArray::fromStdString(older)
                                                                 : QByteArray();
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
             saved ? text.toUtf8() : before);
    QCOMPARE(error.startsWith(u8("Sažetak slučaja nije spremljen u datoteku\n")
                              + QDir::toNativeSeparators(folder.filePath(name))), !saved);
    QCOMPARE(folder.entryList(QDir::Files | QDir::NoDotAndDotDot).size(),
             saved && name == QStringLiteral("sazetak.txt") ? 2 : 1);
}

QTEST_MAIN(DiagnosisTest)
#include "diagnosis_test.moc"
