// The program's own windows: the loader (its timers ticked by hand), the About box, and a
// whole run on the sample data as a user clicks and types it, its ranking checked by
// ordisan-check.
#include "gui_support.h"

#include "app/about_dlg.h"
#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "diagnosis/diagnosis_item.h"
#include "diagnosis/patient_dlg.h"
#include "knowledge/file_access.h"
#include "platform/text_codec.h"
#include "platform/timer_source.h"
#include "platform/window_owner.h"
#include "views/browsing_dlg.h"

#include <QDir>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QProcess>

using namespace ordisan;
using namespace ordisan::test;

namespace {

constexpr int START = 200;
constexpr int COUNTDOWN = 1000;

// Window timers that tick only when the test says so; the period is the handle.
struct ManualTimers final : TimerSource {
    int startTimer(int milliseconds, std::function<void()> tick) override
    {
        running.insert(milliseconds, std::move(tick));
        return milliseconds;
    }
    void stopTimer(int handle) override { running.remove(handle); }
    // One tick of the running timer of that period; false when none runs.
    bool tick(int milliseconds)
    {
        const auto tick = running.value(milliseconds); // a copy: the handler may stop it
        if (tick)
            tick();
        return bool(tick);
    }
    QHash<int, std::function<void()>> running;
};

// `count` records "Name N" with one line "Line N" under each, as a data file's bytes.
QByteArray dataFile(int count, const char* name, const char* line)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += name + QByteArray::number(i) + "\r\n" + line + QByteArray::number(i) + "\r\n";
    return bytes;
}
QByteArray syndromeFile(int count) { return dataFile(count, "Sindrom ", " O-G) Simptom "); }
QByteArray dictionaryFile(int count) { return dataFile(count, "Pojam", " objasnjenje "); }

// What the dialog shows, one "field=value" line per field; a progress text adds " %".
QStringList shown(const CLoaderDlg& dialog)
{
    const auto text = [&](int id) { return dialog.GetDlgItem<QLabel>(id)->text(); };
    const auto* progress = dialog.GetDlgItem<QProgressBar>(IDC_PROGRESS);
    return {"status=" + text(IDC_STATUS), "syndromes=" + text(IDC_SYNDROME_COUNT),
            "symptoms=" + text(IDC_SYMPTOM_COUNT), "links=" + text(IDC_LINK_COUNT),
            "words=" + text(IDC_WORD_COUNT), "countdown=" + text(IDC_COUNTDOWN),
            "ok=" + QString::number(dialog.GetDlgItem(IDC_LOADER_OK)->isEnabled()),
            "progress=" + QString::number(progress->value())
                + (progress->isTextVisible() ? " %" : "")};
}

// A loader on its own data folder; a null file is not written at all.
struct Start {
    TempFolder folder;
    FileAccess files{folder.path().string()};
    ManualTimers timers;
    std::unique_ptr<KnowledgeBase> kb = std::make_unique<KnowledgeBase>();
    CLoaderDlg dialog{files};

    Start(const QByteArray& syndromes, const QByteArray& dictionary)
    {
        for (const auto& [name, bytes] :
             {std::pair{"podaci.cxt", syndromes}, {"rjecnik.cxt", dictionary}})
            if (!bytes.isNull())
                folder.write(name, bytes.toStdString());
        dialog.setTimerSource(&timers);
    }
    int run(const std::function<void()>& look) { return whileShown(dialog, kb.get(), look); }
};

} // namespace

class AppTest final : public QObject {
    Q_OBJECT
private slots:
    void fullLoadCountsDownAndClosesItself();
    void closing_data();
    void closing();
    void messageDuringTheLoad_data();
    void messageDuringTheLoad();
    void aboutBox_data();
    void aboutBox();
    void diagnosis_data();
    void diagnosis();
};

void AppTest::fullLoadCountsDownAndClosesItself()
{
    Start start(syndromeFile(12), dictionaryFile(7));
    ModalWatcher watcher;
    QStringList waiting, loaded, countdown;
    QCOMPARE(start.run([&] {
        waiting = shown(start.dialog);
        start.timers.tick(START);
        loaded = shown(start.dialog);
        while (start.timers.tick(COUNTDOWN))
            countdown.append(start.dialog.isVisible()
                                 ? start.dialog.GetDlgItem<QLabel>(IDC_COUNTDOWN)->text()
                                 : "closed");
    }), IDCANCEL);
    // The template's texts are never seen; the countdown is empty until the first tick,
    // shows 4 … 1 and closes on the fifth without showing 0.
    QCOMPARE(waiting, QStringList({"status=", "syndromes=", "symptoms=", "links=", "words=",
                                   "countdown=", "ok=0", "progress=0"}));
    QCOMPARE(loaded, QStringList({"status=Gotovo...", "syndromes=12", "symptoms=12", "links=12",
                                  "words=7", "countdown=", "ok=1", "progress=0"}));
    QCOMPARE(countdown, QStringList({"4", "3", "2", "1", "closed"}));
    QVERIFY(watcher.messages.isEmpty());
    QCOMPARE(start.kb->wordCount, 7);
}

void AppTest::closing_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("how");
    QTest::newRow("Ok while counting down") << true << "ok";
    QTest::newRow("Enter while counting down") << true << "enter";
    QTest::newRow("Esc while counting down") << true << "esc";
    QTest::newRow("close box while counting down") << true << "close";
    QTest::newRow("Esc before the load") << false << "esc";
}

// At once, with IDCANCEL, no timer left running; before the load nothing is loaded
// and Enter does nothing, "Ok" being disabled.
void AppTest::closing()
{
    QFETCH(bool, loaded);
    QFETCH(QString, how);
    Start start(syndromeFile(3), dictionaryFile(3));
    bool openAfterEnter = false;
    QCOMPARE(start.run([&] {
        if (loaded) {
            start.timers.tick(START);
            start.timers.tick(COUNTDOWN);
        } else {
            QTest::keyClick(&start.dialog, Qt::Key_Return);
            openAfterEnter = start.dialog.isVisible();
        }
        if (how == "ok")
            QTest::mouseClick(start.dialog.GetDlgItem(IDC_LOADER_OK), Qt::LeftButton);
        else if (how == "close")
            start.dialog.close();
        else
            QTest::keyClick(&start.dialog, how == "esc" ? Qt::Key_Escape : Qt::Key_Return);
        QVERIFY(!start.dialog.isVisible());
    }), IDCANCEL);
    QVERIFY(!start.timers.running.contains(START) && !start.timers.running.contains(COUNTDOWN));
    QCOMPARE(start.kb->syndromeCount, loaded ? 3 : 0);
    QCOMPARE(openAfterEnter, !loaded);
}

// A file missing or wrong: one message over the loader ("text|caption", its icon), and
// what the fields and the knowledge base show after it.
void AppTest::messageDuringTheLoad_data()
{
    QTest::addColumn<QByteArray>("syndromes");
    QTest::addColumn<QByteArray>("dictionary");
    QTest::addColumn<QStringList>("after");
    QByteArray full;
    for (int i = 0; i <= MAX_SYNDROMES; ++i)
        full += "S" + QByteArray::number(i) + "\n";
    QTest::newRow("no syndrome file")
        << QByteArray() << dictionaryFile(3)
        << QStringList{"Ne mogu otvoriti datoteku podaci.cxt|GREŠKA", "status=", "syndromes=0",
                       "words=", "ok=0", "counting down=0", "kb words=0", "icon=none"};
    QTest::newRow("no dictionary file")
        << syndromeFile(8) << QByteArray()
        << QStringList{"Ne mogu otvoriti datoteku rjecnik.cxt|GRESKA",
                       "status=Ucitavam rijeci iz rijecnika...", "syndromes=8", "links=8",
                       "words=0", "ok=0", "counting down=0"};
    // The loader last reported 5 syndromes; the field shows the 6 the knowledge base holds.
    QTest::newRow("error at the sixth syndrome")
        << syndromeFile(6) + " X-G) Los spol\r\n" << dictionaryFile(3)
        << QStringList{"Definiran nepoznati spol u liniji 13.|GREŠKA", "syndromes=6", "links=6",
                       "kb syndromes=6", "kb words=0"};
    QTest::newRow("full table")
        << full << QByteArray()
        << QStringList{"Previše sindroma!|STOP!", "syndromes=500", "icon=critical"};
    QTest::newRow("overlong line goes on")
        << syndromeFile(2) + QByteArray(600, 'a') + "\r\n" + syndromeFile(1) << dictionaryFile(2)
        << QStringList{"Nije očekivan tako dug izraz u liniji br.5|ERROR", "status=Gotovo...",
                       "ok=1"};
}

void AppTest::messageDuringTheLoad()
{
    QFETCH(QByteArray, syndromes);
    QFETCH(QByteArray, dictionary);
    QFETCH(QStringList, after);
    Start start(syndromes, dictionary);
    ModalWatcher watcher;
    QStringList seen;
    start.run([&] {
        start.timers.tick(START);
        seen = shown(start.dialog)
            << "counting down=" + QString::number(start.timers.running.contains(COUNTDOWN));
    });
    QCOMPARE(watcher.messages.size(), 1);
    const MessageRecord& message = watcher.messages[0];
    QVERIFY(message.owner == &start.dialog && message.buttonCount == 1);
    seen << message.text + "|" + message.caption
         << "kb syndromes=" + QString::number(start.kb->syndromeCount)
         << "kb words=" + QString::number(start.kb->wordCount)
         << (message.icon == QMessageBox::Critical ? "icon=critical" : "icon=none");
    for (const QString& line : after)
        QVERIFY2(seen.contains(line), qPrintable(line + " not in " + seen.join(", ")));
}

void AppTest::aboutBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("context menu, right click on the picture") << "picture";
    QTest::newRow("F1") << "F1";
}

// Over the menu, which stays open after it.
void AppTest::aboutBox()
{
    QFETCH(QString, how);
    ModalWatcher watcher;
    QStringList seen;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* about = qobject_cast<CAboutDlg*>(window)) {
            const auto text = [about](const char* name) {
                return about->findChild<QLabel*>(name)->text();
            };
            seen << about->windowTitle() << text("static-1") << text("static-3")
                 << QString::number(!about->findChild<QLabel*>("static-0")->pixmap().isNull())
                 << QString::number(about->parentWidget() == mainWindow());
            QTest::mouseClick(about->GetDlgItem(IDOK), Qt::LeftButton);
        }
    };
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    setMainWindow(&menu);
    whileShown(menu, nullptr, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        if (how == "F1") {
            QTest::keyClick(&menu, Qt::Key_F1);
        } else {
            QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {}, QPoint(30, 440));
            auto* popup = menu.findChild<QMenu*>("systemMenu");
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->actions().last()->text(), "&About Ordisan...");
            popup->actions().last()->trigger();
        }
        QVERIFY(menu.isVisible());
    });
    setMainWindow(nullptr);
    QCOMPARE(seen, QStringList({"About Ordisan", "Ordisan Version 1.0", "23. June, 1998.", "1",
                                "1"}));
}

void AppTest::diagnosis_data()
{
    QTest::addColumn<int>("patientButton");
    QTest::newRow("Dalje >>: matches ordisan-check") << IDOK;
    QTest::newRow("Otkaži: no diagnosis") << IDCANCEL;
}

void AppTest::diagnosis()
{
    QFETCH(int, patientButton);
    QVERIFY(QDir::setCurrent(ORDISAN_DATA_DIR)); // the program reads the current folder
    QStringList seen, left, right, present, absent;
    ModalWatcher watcher;
    watcher.press = "&Zatvori bez spremanja"; // the answers are neither copied nor saved
    watcher.onDialog = [&](QWidget* window) {
        const bool owned = window->parentWidget() == mainWindow();
        seen.append(QString::fromLatin1(window->metaObject()->className()).mid(9)
                    + (owned ? "" : " not owned") + (mainWindow()->isVisible() ? "" : " alone"));
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            QTRY_VERIFY(loader->GetDlgItem(IDC_LOADER_OK)->isEnabled()); // as a user waits
            QTest::mouseClick(loader->GetDlgItem(IDC_LOADER_OK), Qt::LeftButton);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            // Out of the watcher's tick, which must see what opens.
            // By keys alone, each to where the focus is: P, the arrows round to
            // "Rjecnik" and Enter, D, Esc.
            QTimer::singleShot(0, menu, [menu, &seen] {
                const auto press = [menu](Qt::Key key) {
                    QWidget* focused = menu->focusWidget();
                    QTest::keyClick(focused ? focused : menu, key);
                };
                press(Qt::Key_P);
                for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Down})
                    press(key);
                if (menu->focusWidget() != menu->GetDlgItem(IDC_RJECNIK))
                    seen.append("arrows missed");
                press(Qt::Key_Return);
                press(Qt::Key_D);
                press(Qt::Key_Escape);
            });
        } else if (auto* view = qobject_cast<CBrowsingDlg*>(window)) {
            if (view->GetDlgItem<QTreeWidget>(IDC_TREE)->topLevelItemCount() == 0)
                seen.last() += " empty";
            QTest::mouseClick(view->GetDlgItem(IDOK), Qt::LeftButton);
        } else if (auto* patient = qobject_cast<CPatientDlg*>(window)) {
            QTest::keyClicks(patient->GetDlgItem<QLineEdit>(IDC_AGE), "47z"); // Z: female
            QTest::mouseClick(patient->GetDlgItem(patientButton), Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<CDialog*>(window)) {
            auto* symptoms = dialog->GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
            for (int row : {0, 3, 7, 7}) // two present, one absent
                doubleClick(symptoms, symptoms->topLevelItem(row));
            for (int row : {0, 3, 7}) {
                const int symptom = diagnosisItem(symptoms->topLevelItem(row))->parameter();
                (row == 7 ? absent : present).append(QString::number(symptom));
            }
            QTest::mouseClick(dialog->GetDlgItem(IDC_RERANK), Qt::LeftButton);
            left = treeLines(dialog->GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE), {}, false, true);
            right = treeLines(symptoms);
            // Out of the watcher's tick, which must see the question that comes.
            QTimer::singleShot(0, dialog, [dialog] {
                QTest::mouseClick(dialog->GetDlgItem(IDOK), Qt::LeftButton);
            });
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    const KnowledgeBase& kb = app.knowledgeBase();
    const bool diagnosed = patientButton == IDOK;
    QCOMPARE(watcher.messages.size(), diagnosed ? 1 : 0);
    QCOMPARE(seen, QStringList({"CLoaderDlg alone", "CMainMenuDlg not owned", "COverviewDlg",
                                "CDictionaryDlg", "CPatientDlg"})
                       + (diagnosed ? QStringList{"CDiagnosisDlg"} : QStringList()));
    QCOMPARE(kb.patientAge, diagnosed ? 47u : 0u);
    if (!diagnosed)
        return;
    QProcess check;
    check.start(ORDISAN_CHECK_PATH, {"--json", "--sex", "Z", "--present", present.join(','),
                                     "--absent", absent.join(','), "."});
    QVERIFY(check.waitForFinished(60000));
    const QJsonObject ranked =
        QJsonDocument::fromJson(check.readAllStandardOutput()).object()["diagnosis"].toObject();
    const auto line = [](const QJsonValue& entry, const char* name) {
        return QStringLiteral("(%1%) - %2").arg(entry["percent"].toInt()).arg(fromCp1250(name));
    };
    QStringList expectedLeft, expectedRight;
    for (const QJsonValue& entry : ranked["syndromes"].toArray())
        expectedLeft.append(line(entry, kb.syndromes[entry["index"].toInt()].name));
    for (const QJsonValue& entry : ranked["symptoms"].toArray())
        if (entry["answer"].toString() == "unknown")
            expectedRight.append(line(entry, kb.symptoms[entry["index"].toInt()].text));
    QVERIFY(!left.first().startsWith("(50%)")); // the answers moved the top one
    QCOMPARE(left, expectedLeft);
    QCOMPARE(right, expectedRight);
}

QTEST_MAIN(AppTest)
#include "app_test.moc"
