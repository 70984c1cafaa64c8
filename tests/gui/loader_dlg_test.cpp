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
    void missingSyndromeFile();
    void missingDictionaryFile();
    void errorAtTheSixthSyndromeShowsTheRealCount();
    void fullTableShowsTheStopIcon();
    void overlongLineIsReportedAndTheLoadGoesOn();
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
    QCOMPARE(waiting.status, QString());
    QCOMPARE(waiting.syndromes, QString());
    QCOMPARE(waiting.words, QString());
    QCOMPARE(waiting.countdown, QString());
    QVERIFY(!waiting.okEnabled);
    QCOMPARE(waiting.progress, 0);
    QCOMPARE(startPeriod, 200);
    QVERIFY(!percentageShown);

    QCOMPARE(loaded.status, QStringLiteral("Gotovo..."));
    QCOMPARE(loaded.syndromes, QStringLiteral("12"));
    QCOMPARE(loaded.symptoms, QStringLiteral("12"));
    QCOMPARE(loaded.links, QStringLiteral("12"));
    QCOMPARE(loaded.words, QStringLiteral("7"));
    QCOMPARE(loaded.countdown, QString()); // empty until the first tick
    QVERIFY(loaded.okEnabled);
    QCOMPARE(loaded.progress, 0); // the dictionary's end sets it back
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

void LoaderDlgTest::missingSyndromeFile()
{
    DataFolder folder;
    folder.write("rjecnik.cxt", dictionaryFile(3));
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    Shown stopped;
    int countdownPeriod = -1;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        stopped = shownBy(dialog);
        countdownPeriod = dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);

    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Ne mogu otvoriti datoteku podaci.cxt"));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("GREŠKA"));
    QCOMPARE(watcher.messages[0].icon, QMessageBox::NoIcon);
    QCOMPARE(watcher.messages[0].owner, &dialog);
    QCOMPARE(stopped.status, QString());
    QCOMPARE(stopped.syndromes, QStringLiteral("0")); // what the knowledge base holds
    QCOMPARE(stopped.words, QString());               // the dictionary was never tried
    QVERIFY(!stopped.okEnabled);
    QCOMPARE(countdownPeriod, 0);
    QCOMPARE(kb->wordCount, 0);
}

void LoaderDlgTest::missingDictionaryFile()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(8));
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    Shown stopped;
    int countdownPeriod = -1;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        stopped = shownBy(dialog);
        countdownPeriod = dialog.TimerInterval(CLoaderDlg::TIMER_COUNTDOWN);
        dialog.close();
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);

    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Ne mogu otvoriti datoteku rjecnik.cxt"));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("GRESKA"));
    QCOMPARE(stopped.status, QStringLiteral("Ucitavam rijeci iz rijecnika..."));
    QCOMPARE(stopped.syndromes, QStringLiteral("8"));
    QCOMPARE(stopped.symptoms, QStringLiteral("8"));
    QCOMPARE(stopped.links, QStringLiteral("8"));
    QCOMPARE(stopped.words, QStringLiteral("0"));
    QVERIFY(!stopped.okEnabled);
    QCOMPARE(countdownPeriod, 0);
    QCOMPARE(kb->syndromeCount, 8);
}

void LoaderDlgTest::errorAtTheSixthSyndromeShowsTheRealCount()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(6) + " X-G) Los spol\r\n");
    folder.write("rjecnik.cxt", dictionaryFile(3));
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    Shown stopped;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        stopped = shownBy(dialog);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.RunModal(kb.get()), IDCANCEL);

    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Definiran nepoznati spol u liniji 13."));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("GREŠKA"));
    // The loader last reported 5 syndromes; the knowledge base holds 6, and so does
    // the field.
    QCOMPARE(kb->syndromeCount, 6);
    QCOMPARE(stopped.syndromes, QStringLiteral("6"));
    QCOMPARE(stopped.symptoms, QStringLiteral("6"));
    QCOMPARE(stopped.links, QStringLiteral("6"));
    QCOMPARE(stopped.status, QString());
    QVERIFY(!stopped.okEnabled);
    QCOMPARE(kb->wordCount, 0);
}

void LoaderDlgTest::fullTableShowsTheStopIcon()
{
    DataFolder folder;
    QByteArray names;
    for (int i = 0; i <= MAX_SYNDROMES; ++i)
        names += "S" + QByteArray::number(i) + "\n";
    folder.write("podaci.cxt", names);
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        dialog.close();
    });
    dialog.RunModal(kb.get());
    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Previše sindroma!"));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("STOP!"));
    QCOMPARE(watcher.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(dialog.GetDlgItem<QLabel>(IDC_SYNDROME_COUNT)->text(), QStringLiteral("500"));
}

void LoaderDlgTest::overlongLineIsReportedAndTheLoadGoesOn()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(2) + QByteArray(600, 'a') + "\r\n" + syndromeFile(1));
    folder.write("rjecnik.cxt", dictionaryFile(2));
    auto kb = emptyKnowledgeBase();
    ModalWatcher watcher;
    CLoaderDlg dialog(folder.files());
    Shown loaded;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.FireTimer(CLoaderDlg::TIMER_START);
        loaded = shownBy(dialog);
        dialog.close();
    });
    dialog.RunModal(kb.get());
    QCOMPARE(watcher.messages.size(), 1);
    QCOMPARE(watcher.messages[0].text, QStringLiteral("Nije očekivan tako dug izraz u liniji br.5"));
    QCOMPARE(watcher.messages[0].caption, QStringLiteral("ERROR"));
    QCOMPARE(loaded.status, QStringLiteral("Gotovo..."));
    QVERIFY(loaded.okEnabled);
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
    QCOMPARE(first.status, QStringLiteral("Gotovo..."));
    QCOMPARE(first.syndromes, QStringLiteral("4"));
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
    QCOMPARE(loaded.status, QStringLiteral("Gotovo..."));
    QVERIFY(loaded.okEnabled);
    QCOMPARE(secondsLeft, 0);
}

QTEST_MAIN(LoaderDlgTest)
#include "loader_dlg_test.moc"
