// The loader dialog through a whole start: the states it shows, its messages, its
// timers and how it closes. Time is driven by firing its timers.
#include "data_folder.h"
#include "modal_watcher.h"

#include "app/loader_dlg.h"
#include "res/resource.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// What the dialog shows at one moment.
struct Shown {
    QString status;
    QString syndromes;
    QString symptoms;
    QString links;
    QString words;
    QString countdown;
    bool okEnabled = false;
    int progress = -1;
};

Shown shownBy(const CLoaderDlg& dialog)
{
    const auto text = [&](int id) { return dialog.GetDlgItem<QLabel>(id)->text(); };
    Shown shown;
    shown.status = text(IDC_STATUS);
    shown.syndromes = text(IDC_SYNDROME_COUNT);
    shown.symptoms = text(IDC_SYMPTOM_COUNT);
    shown.links = text(IDC_LINK_COUNT);
    shown.words = text(IDC_WORD_COUNT);
    shown.countdown = text(IDC_COUNTDOWN);
    shown.okEnabled = dialog.GetDlgItem(IDC_LOADER_OK)->isEnabled();
    shown.progress = dialog.GetDlgItem<QProgressBar>(IDC_PROGRESS)->value();
    return shown;
}

// The same as "field=value" lines, so that a case names only the fields it is about.
QStringList linesOf(const Shown& shown)
{
    return {"status=" + shown.status, "syndromes=" + shown.syndromes, "symptoms=" + shown.symptoms,
            "links=" + shown.links, "words=" + shown.words, "countdown=" + shown.countdown,
            "ok=" + QString::number(shown.okEnabled), "progress=" + QString::number(shown.progress)};
}

void expectShown(const Shown& shown, const QStringList& expected)
{
    const QStringList lines = linesOf(shown);
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line + " not in " + lines.join(", ")));
}

std::unique_ptr<KnowledgeBase> emptyKnowledgeBase()
{
    return std::make_unique<KnowledgeBase>();
}

// Remembers what a widget showed when it was last painted.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(std::function<QString()> shown) : shown_(std::move(shown)) {}
    QString lastPainted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            lastPainted = shown_();
            ++paints;
        }
        return false;
    }

private:
    std::function<QString()> shown_;
};

// A loader that checks, as each report returns, that the updated control has been
// painted with the reported value: the load keeps the event loop waiting, so only an
// immediate repaint puts the value on the screen.
class WatchedLoader final : public CLoaderDlg {
public:
    using CLoaderDlg::CLoaderDlg;
    PaintRecorder* progress = nullptr;
    PaintRecorder* syndromes = nullptr;
    PaintRecorder* words = nullptr;
    QStringList unseen;
    int reports = 0;

    void showProgress(int percent) override
    {
        CLoaderDlg::showProgress(percent);
        check(progress, QString::number(percent), "progress");
    }
    void showSyndromeCounts(int syndromeCount, int symptomCount, int linkCount) override
    {
        CLoaderDlg::showSyndromeCounts(syndromeCount, symptomCount, linkCount);
        check(syndromes, QString::number(syndromeCount), "syndromes");
    }
    void showWordCount(int wordCount) override
    {
        CLoaderDlg::showWordCount(wordCount);
        check(words, QString::number(wordCount), "words");
    }

private:
    void check(const PaintRecorder* recorder, const QString& value, const char* what)
    {
        if (!recorder)
            return;
        ++reports;
        if (recorder->lastPainted != value)
            unseen.append(QStringLiteral("%1 %2 (painted: %3)")
                              .arg(QLatin1String(what), value, recorder->lastPainted));
    }
};

// A loader whose window timers can be refused, as when the system has none left.
class RefusingLoader final : public CLoaderDlg {
public:
    RefusingLoader(FileAccess& files, int refusedId) : CLoaderDlg(files), refusedId_(refusedId) {}

    int SetTimer(int id, int milliseconds) override
    {
        if (id == refusedId_)
            return 0;
        return CLoaderDlg::SetTimer(id, milliseconds);
    }

private:
    int refusedId_;
};

} // namespace

class LoaderDlgTest final : public QObject {
    Q_OBJECT
private slots:
    void fullLoadCountsDownAndClosesItself();
    void closingDuringTheCountdown_data();
    void closingDuringTheCountdown();
    void escBeforeTheLoadLeavesTheKnowledgeBaseEmpty();
    void messageDuringTheLoad_data();
    void messageDuringTheLoad();
    void updatedControlsRepaintDuringTheLoad();
    void withoutAStartTimerTheLoadRunsBeforeShowing();
    void withoutACountdownTimerOnlyTheUserCloses();
};

void LoaderDlgTest::fullLoadCountsDownAndClosesItself()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(12));
    folder.write("rjecnik.cxt", dictionaryFile(7));
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());

    Shown waiting, loaded;
    QStringList countdown;
    QList<bool> visible;
    int startPeriod = 0, countdownPeriod = 0;
    bool percentageShown = true;
    QTimer::singleShot(0, &dialog, [&] {
        waiting = shownBy(dialog);
        startPeriod = dialog.TimerInterval(CLoaderDlg::TIMER_START);
        percentageShown = dialog.GetDlgItem<QProgressBar>(IDC_PROGRESS)->isTextVisible();
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        loaded = shownBy(dialog);
        countdownPeriod = dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN);
        for (int tick = 0; tick < 5; ++tick) {
            dialog.FireTimer(CLoaderDlg::TIMER_COUNTDOWN);
            countdown.append(dialog.GetDlgItem<QLabel>(IDC_COUNTDOWN)->text());
            visible.append(dialog.isVisible());
        }
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);

    // Waiting: every field empty, the template's texts never seen.
    QCOMPARE(linesOf(waiting), QStringList({"status=", "syndromes=", "symptoms=", "links=", "words=",
                                            "countdown=", "ok=0", "progress=0"}));
    QCOMPARE(startPeriod, 200);
    QVERIFY(!percentageShown);
    // The countdown empty until the first tick; the dictionary's end sets the bar back.
    QCOMPARE(linesOf(loaded), QStringList({"status=Gotovo...", "syndromes=12", "symptoms=12", "links=12",
                                           "words=7", "countdown=", "ok=1", "progress=0"}));
    QCOMPARE(countdownPeriod, 1000);

    // Four ticks show 4 … 1; the fifth closes without showing 0.
    QCOMPARE(countdown.mid(0, 4), (QStringList{"4", "3", "2", "1"}));
    QCOMPARE(visible, (QList<bool>{true, true, true, true, false}));
    QCOMPARE(dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN), 0);
    QCOMPARE(dialog.secondsLeft(), 0);
    QVERIFY(watcher.messages.isEmpty());
    QCOMPARE(kb->syndromeCount, 12);
    QCOMPARE(kb->wordCount, 7);
}

void LoaderDlgTest::closingDuringTheCountdown_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ok") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void LoaderDlgTest::closingDuringTheCountdown()
{
    QFETCH(QString, how);
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(3));
    folder.write("rjecnik.cxt", dictionaryFile(3));
    auto kb = emptyKnowledgeBase();
    CLoaderDlg dialog(folder.files());
    bool countingDown = false;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        dialog.FireTimer(CLoaderDlg::TIMER_COUNTDOWN);
        countingDown = dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN) != 0;
        if (how == QLatin1String("ok"))
            QTest::mouseClick(dialog.GetDlgItem(IDC_LOADER_OK), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);
    QVERIFY(countingDown);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN), 0);
}

void LoaderDlgTest::escBeforeTheLoadLeavesTheKnowledgeBaseEmpty()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(3));
    folder.write("rjecnik.cxt", dictionaryFile(3));
    auto kb = emptyKnowledgeBase();
    CLoaderDlg dialog(folder.files());
    bool enterDidNothing = false;
    QTimer::singleShot(0, &dialog, [&] {
        // "Ok" is the disabled default button: Enter does nothing yet.
        QTest::keyClick(&dialog, Qt::Key_Return);
        enterDidNothing = dialog.isVisible();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);
    QVERIFY(enterDidNothing);
    QCOMPARE(kb->syndromeCount, 0);
    QCOMPARE(kb->symptomCount, 0);
    QCOMPARE(kb->wordCount, 0);
    QCOMPARE(dialog.TimerInterval(CLoaderDlg::TIMER_START), 0);
}

// A file missing or wrong: one message over the loader, and what the fields show
// after it. A null file is not written at all.
void LoaderDlgTest::messageDuringTheLoad_data()
{
    QTest::addColumn<QByteArray>("syndromes");
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("shown");
    QByteArray full;
    for (int i = 0; i <= MAX_SYNDROMES; ++i)
        full += "S" + QByteArray::number(i) + "\n";

    // The syndrome count is what the knowledge base holds; the dictionary never tried.
    QTest::newRow("no syndrome file")
        << QByteArray() << dictionaryFile(3) << "Ne mogu otvoriti datoteku podaci.cxt" << "GREŠKA"
        << QStringList{"status=", "syndromes=0", "words=", "ok=0", "countdown period=0", "kb words=0", "icon=none"};
    QTest::newRow("no dictionary file")
        << syndromeFile(8) << QByteArray() << "Ne mogu otvoriti datoteku rjecnik.cxt" << "GRESKA"
        << QStringList{"status=Ucitavam rijeci iz rijecnika...", "syndromes=8", "symptoms=8", "links=8",
                       "words=0", "ok=0", "countdown period=0", "kb syndromes=8"};
    // The loader last reported 5 syndromes; the knowledge base holds 6, and so does the field.
    QTest::newRow("error at the sixth syndrome")
        << syndromeFile(6) + " X-G) Los spol\r\n" << dictionaryFile(3)
        << "Definiran nepoznati spol u liniji 13." << "GREŠKA"
        << QStringList{"status=", "syndromes=6", "symptoms=6", "links=6", "ok=0", "kb syndromes=6",
                       "kb words=0"};
    QTest::newRow("full table") << full << QByteArray() << "Previše sindroma!" << "STOP!"
                                << QStringList{"syndromes=500", "icon=critical"};
    QTest::newRow("overlong line goes on")
        << syndromeFile(2) + QByteArray(600, 'a') + "\r\n" + syndromeFile(1) << dictionaryFile(2)
        << "Nije očekivan tako dug izraz u liniji br.5" << "ERROR" << QStringList{"status=Gotovo...", "ok=1"};
}

void LoaderDlgTest::messageDuringTheLoad()
{
    QFETCH(QByteArray, syndromes);
    QFETCH(QByteArray, dictionary);
    QFETCH(QString, text);
    QFETCH(QString, caption);
    QFETCH(QStringList, shown);
    DataFolder folder;
    if (!syndromes.isNull())
        folder.write("podaci.cxt", syndromes);
    if (!dictionary.isNull())
        folder.write("rjecnik.cxt", dictionary);
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    QStringList after;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        after = linesOf(shownBy(dialog))
            << "countdown period=" + QString::number(dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);
    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, text);
    QCOMPARE(watcher.messages[0].caption, caption);
    QCOMPARE(watcher.messages[0].owner, &dialog);
    after << "kb syndromes=" + QString::number(kb->syndromeCount) << "kb words=" + QString::number(kb->wordCount)
          << (watcher.messages[0].icon == QMessageBox::Critical ? "icon=critical" : "icon=none");
    for (const QString& line : shown)
        QVERIFY2(after.contains(line), qPrintable(line + " not in " + after.join(", ")));
}

void LoaderDlgTest::updatedControlsRepaintDuringTheLoad()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(40));
    folder.write("rjecnik.cxt", dictionaryFile(20));
    auto kb = emptyKnowledgeBase();
    WatchedLoader dialog(folder.files());
    bool exposed = false;
    QTimer::singleShot(0, &dialog, [&] {
        exposed = QTest::qWaitForWindowExposed(&dialog);
        auto* bar = dialog.GetDlgItem<QProgressBar>(IDC_PROGRESS);
        auto* syndromeField = dialog.GetDlgItem<QLabel>(IDC_SYNDROME_COUNT);
        auto* wordField = dialog.GetDlgItem<QLabel>(IDC_WORD_COUNT);
        PaintRecorder progress([bar] { return QString::number(bar->value()); });
        PaintRecorder syndromes([syndromeField] { return syndromeField->text(); });
        PaintRecorder words([wordField] { return wordField->text(); });
        bar->installEventFilter(&progress);
        syndromeField->installEventFilter(&syndromes);
        wordField->installEventFilter(&words);
        dialog.progress = &progress;
        dialog.syndromes = &syndromes;
        dialog.words = &words;
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        dialog.progress = dialog.syndromes = dialog.words = nullptr;
        dialog.close();
    });
    dialog.RunModal(kb.get());
    QVERIFY(exposed);
    // Progress and counts after every fifth syndrome (8) and word (4), and at each end.
    QCOMPARE(dialog.reports, 2 * (8 + 1) + 2 * (4 + 1));
    QVERIFY2(dialog.unseen.isEmpty(), qPrintable(dialog.unseen.join(QStringLiteral("; "))));
}

void LoaderDlgTest::withoutAStartTimerTheLoadRunsBeforeShowing()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(4));
    folder.write("rjecnik.cxt", dictionaryFile(4));
    auto kb = emptyKnowledgeBase();
    RefusingLoader dialog(folder.files(), CLoaderDlg::TIMER_START);
    Shown first;
    int countdownPeriod = 0;
    QTimer::singleShot(0, &dialog, [&] {
        first = shownBy(dialog);
        countdownPeriod = dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN);
        dialog.close();
    });
    dialog.RunModal(kb.get());
    expectShown(first, {"status=Gotovo...", "syndromes=4"});
    QCOMPARE(countdownPeriod, 1000);
    QCOMPARE(kb->wordCount, 4);
}

void LoaderDlgTest::withoutACountdownTimerOnlyTheUserCloses()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(4));
    folder.write("rjecnik.cxt", dictionaryFile(4));
    auto kb = emptyKnowledgeBase();
    RefusingLoader dialog(folder.files(), CLoaderDlg::TIMER_COUNTDOWN);
    Shown loaded;
    int secondsLeft = -1;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        loaded = shownBy(dialog);
        secondsLeft = dialog.secondsLeft();
        dialog.GetDlgItem<QPushButton>(IDC_LOADER_OK)->click();
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);
    expectShown(loaded, {"status=Gotovo...", "ok=1"});
    QCOMPARE(secondsLeft, 0);
}

QTEST_MAIN(LoaderDlgTest)
#include "loader_dlg_test.moc"
