// The case summary: its text for a known case, the stale ranking shown on
// "<<Rangiraj>>" and in the copied summary, and the file it is saved to.
#include "gui_support.h"

#include "diagnosis/case_summary.h"
#include "diagnosis/text_file.h"
#include "engine/ranking_engine.h"
#include "res/resource.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

class CaseSummaryTest final : public QObject {
    Q_OBJECT
private slots:
    void summaryOfAKnownCase();
    void rerankButtonShowsAStaleRanking_data();
    void rerankButtonShowsAStaleRanking();
    void savedWholeOrNotAtAll_data();
    void savedWholeOrNotAtAll();
};

// A male patient: two female symptoms are absent by the ranking and not listed; one
// answer changed after the ranking makes it stale.
void CaseSummaryTest::summaryOfAKnownCase()
{
    auto kb = clinic(SEX_MALE);
    kb->patientAge = 35;
    ResetAnswers(*kb);
    for (int symptom : {0, 2, 3, 3}) // vrućica and glavobolja present, mučnina absent
        CycleAnswer(*kb, symptom);
    ComputeScoresAndWeights(*kb);
    SortSyndromes(*kb);
    SortSymptoms(*kb);
    std::vector<int> open; // the right tree after the ranking
    for (int k = 0; k < kb->symptomCount; ++k)
        if (kb->symptoms[kb->symptomOrder[k]].answer == ANSWER_UNKNOWN)
            open.push_back(kb->symptomOrder[k]);
    CycleAnswer(*kb, 1); // kašalj present, after the ranking

    const QDateTime when(QDate(2026, 12, 7), QTime(10, 5));
    const CaseSummary summary(*kb, when, open, true);
    QCOMPARE(summary.plainText(),
             u8("Ordisan – sažetak slučaja\n"
                "Datum i vrijeme: 07.12.2026. 10:05\n"
                "Starost: 35\n"
                "Spol: muški\n"
                "Prisutni simptomi:\n  vrućica\n  kašalj\n  glavobolja\n"
                "Odsutni simptomi:\n  mučnina\n"
                "Napomena: odgovori su promijenjeni nakon posljednjeg "
                "rangiranja, pa rangiranje nije ažurno.\n"
                "Sindromi (posljednje rangiranje):\n"
                "  (83%) - Gripa\n  (50%) - Prostatitis\n  (33%) - Migrena\n"
                "  (0%) - Trudnoća\n  (0%) - Ženski sindrom\n"
                "Otvoreni simptomi:\n"
                "  (50%) - otežano mokrenje\n  (50%) - đurđica na koži\n"));
    QVERIFY(summary.html().contains(u8("<tr><td valign=\"top\">Prisutni simptomi</td>"
                                       "<td>vrućica<br>kašalj<br>glavobolja</td></tr>")));
    QVERIFY(!CaseSummary(*kb, when, open, false).plainText().contains(QStringLiteral("Napomena")));
}

enum class Answering { DoubleClickRight, SpaceRight, SpaceLeftChild, SpaceLeftSyndrome };

void CaseSummaryTest::rerankButtonShowsAStaleRanking_data()
{
    QTest::addColumn<Answering>("how");
    QTest::addColumn<bool>("stale");
    QTest::newRow("double-click in the right tree") << Answering::DoubleClickRight << true;
    QTest::newRow("Space in the right tree") << Answering::SpaceRight << true;
    QTest::newRow("Space on a symptom in the left tree") << Answering::SpaceLeftChild << true;
    QTest::newRow("Space on a syndrome: no answer") << Answering::SpaceLeftSyndrome << false;
}

// Set by an answer, cleared by "<<Rangiraj>>"; Ctrl+C copies the summary with the note.
void CaseSummaryTest::rerankButtonShowsAStaleRanking()
{
    QFETCH(Answering, how);
    QFETCH(bool, stale);
    auto kb = clinic(SEX_MALE);
    whileDiagnosing(kb.get(), [&](CDiagnosisDlg& dialog, QTreeWidget* left, QTreeWidget* right) {
        auto* button = dialog.GetDlgItem<QPushButton>(IDC_RERANK);
        const auto copied = [&](QTreeWidget* tree) {
            QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->mimeData()->text();
        };
        const QString tip = QStringLiteral("Odgovori su promijenjeni: pritisnite <<Rangiraj>>");
        const auto shownStale = [&] { return button->font().bold() && button->toolTip() == tip; };
        QVERIFY(!shownStale());
        QTreeWidget* tree = how == Answering::SpaceLeftChild || how == Answering::SpaceLeftSyndrome
            ? left : right;
        tree->setFocus();
        tree->setCurrentItem(tree->topLevelItem(0)); // vrućica on the right, Gripa on the left
        if (how == Answering::SpaceLeftChild) {
            tree->topLevelItem(0)->setExpanded(true);
            tree->setCurrentItem(tree->topLevelItem(0)->child(0)); // vrućica
        }
        if (how == Answering::DoubleClickRight)
            doubleClick(tree, tree->currentItem());
        else
            QTest::keyClick(tree, Qt::Key_Space);
        QCOMPARE(shownStale(), stale);
        QCOMPARE(button->text(), QStringLiteral("<<Rangiraj>>"));
        const QString summary = copied(tree);
        QCOMPARE(summary.contains(u8("Prisutni simptomi:\n  vrućica\n")), stale);
        QCOMPARE(summary.contains(QStringLiteral("Napomena")), stale);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!shownStale());
        QVERIFY(!copied(right).contains(QStringLiteral("Napomena")));
    });
}

void CaseSummaryTest::savedWholeOrNotAtAll_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a new file") << QStringLiteral("sazetak.txt") << true;
    QTest::newRow("over an older, longer file") << QStringLiteral("stari.txt") << true;
    QTest::newRow("in a missing folder") << QStringLiteral("nema/sazetak.txt") << false;
    QTest::newRow("over a folder") << QStringLiteral("mapa") << false;
}

// A failure says where; nothing half-written is left beside the files the test made.
void CaseSummaryTest::savedWholeOrNotAtAll()
{
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QTemporaryDir folder;
    QFile older(folder.filePath(QStringLiteral("stari.txt")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("mapa")) && older.open(QIODevice::WriteOnly)
            && older.write("staro, mnogo duže od novog") > 0);
    older.close();
    const QString text = u8("Prisutni simptomi:\n  vrućica, šum, žeđ\n");
    const QString error = writeTextFile(folder.filePath(name), text);
    QFile file(folder.filePath(name));
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
             saved ? text.toUtf8() : QByteArray());
    QCOMPARE(error.startsWith(u8("Sažetak slučaja nije spremljen")), !saved);
    QCOMPARE(error.contains(QDir::toNativeSeparators(folder.filePath(name))), !saved);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(),
             name == QStringLiteral("sazetak.txt") ? 2 : 1);
}

QTEST_MAIN(CaseSummaryTest)
#include "case_summary_test.moc"
