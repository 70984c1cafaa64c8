// The main menu and the About box: pictures and icon, the load before the menu shows,
// the About entry and its keys, the buttons that open the views, how it ends, and a
// whole start of the program from the loader to the end.
#include "data_folder.h"
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "app/about_dlg.h"
#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/picture_button.h"
#include "platform/window_owner.h"
#include "res/resource.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// The About box as a user reads it, closed with its OK button.
QString readAbout(QWidget* window)
{
    auto* about = qobject_cast<CAboutDlg*>(window);
    if (!about)
        return {};
    const auto label = [about](const char* name) { return about->findChild<QLabel*>(name); };
    const QString seen = QStringList{about->windowTitle(), label("static-1")->text(), label("static-3")->text(),
                                     label("static-0")->pixmap().isNull() ? "no icon" : "icon",
                                     about->parentWidget() == mainWindow() ? "owned by the menu" : "not owned"}.join(", ");
    about->GetDlgItem<QPushButton>(IDOK)->click();
    return seen;
}

QMenu* shownMenu(const QWidget* dialog)
{
    for (QMenu* menu : dialog->findChildren<QMenu*>())
        if (menu->isVisible())
            return menu;
    return nullptr;
}

void clickAt(CDialog& dialog, int id, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(dialog.windowHandle(), button, {}, dialog.GetDlgItem(id)->geometry().center());
}

} // namespace

class MainMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setMainWindow(nullptr); }
    void picturesAndLoadBeforeShowing();
    void aboutBox_data();
    void aboutBox();
    void buttonsOpenTheViews();
    void ending_data();
    void ending();
    void wholeStartFromLoaderToExit();
};

void MainMenuTest::picturesAndLoadBeforeShowing()
{
    KnowledgeBase* loadedInto = nullptr;
    bool shownDuringLoad = true;
    CMainMenuDlg menu([&](KnowledgeBase* kb) {
        loadedInto = kb;
        shownDuringLoad = mainWindow() && mainWindow()->isVisible();
    });
    setMainWindow(&menu);
    KnowledgeBase* kb = reinterpret_cast<KnowledgeBase*>(&menu); // only passed on
    QStringList buttons;
    QList<QSize> iconSizes;
    whileShown(menu, [&] { return menu.RunModal(kb); }, [&] {
        for (int id : {IDC_PREGLED, IDC_DIJAGNOSTICIRANJE, IDC_RJECNIK, IDOK}) {
            auto* button = menu.GetDlgItem<PictureButton>(id);
            buttons.append(button->upImage().isNull() || button->size() != button->upImage().deviceIndependentSize().toSize()
                               ? "wrong" : "ok");
        }
        iconSizes = menu.windowIcon().availableSizes();
    });
    QCOMPARE(loadedInto, kb);
    QVERIFY(!shownDuringLoad);
    QCOMPARE(buttons, QStringList({"ok", "ok", "ok", "ok"}));
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(256, 256)})
        QVERIFY(iconSizes.contains(size));
}

void MainMenuTest::aboutBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("aboutBoxes");
    QTest::newRow("context menu, right click on the picture") << "picture" << 1;
    QTest::newRow("context menu, right click on a button") << "button" << 1;
    QTest::newRow("context menu, menu key") << "key" << 1;
    QTest::newRow("F1") << "F1" << 1;
    QTest::newRow("system command 17: low bits ignored") << "17" << 1;
    QTest::newRow("system command 32") << "32" << 0;
    QTest::newRow("system command Close") << "61536" << 0;
}

void MainMenuTest::aboutBox()
{
    QFETCH(QString, how);
    QFETCH(int, aboutBoxes);
    ModalWatcher watcher;
    QStringList seen;
    watcher.onDialog = [&](QWidget* window) { seen.append(readAbout(window)); };
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    setMainWindow(&menu);
    QString menuItems;
    whileShown(menu, [&] { return menu.RunModal(nullptr); }, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        if (how == "F1") {
            QTest::keyClick(&menu, Qt::Key_F1);
        } else if (how[0].isDigit()) {
            menu.sendSysCommand(how.toUInt());
        } else {
            if (how == "key") {
                QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0));
                QApplication::sendEvent(&menu, &event);
            } else {
                QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {},
                                  how == "button" ? menu.GetDlgItem(IDC_RJECNIK)->geometry().center() : QPoint(30, 440));
            }
            QTRY_VERIFY(shownMenu(&menu));
            const QList<QAction*> actions = shownMenu(&menu)->actions();
            menuItems = QStringLiteral("%1 %2").arg(actions.size()).arg(actions.last()->text());
            QVERIFY(actions.first()->isSeparator());
            actions.last()->trigger();
        }
        QVERIFY(menu.isVisible());
    });
    QCOMPARE(seen.size(), aboutBoxes);
    if (aboutBoxes)
        QCOMPARE(seen[0], "About Ordisan, Ordisan Version 1.0, 23. June, 1998., icon, owned by the menu");
    if (!menuItems.isEmpty())
        QCOMPARE(menuItems, "2 &About Ordisan...");
}

// Each click opens a fresh view on the program's knowledge base, owned by the menu;
// closing it leaves the menu open.
void MainMenuTest::buttonsOpenTheViews()
{
    KnowledgeBaseBuilder kb;
    kb.link(kb.syndrome("Gripa"), kb.symptom("kihanje", SEX_BOTH, LOC_HEAD));
    kb.word("Gripa", "virusna bolest");
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    setMainWindow(&menu);
    ModalWatcher watcher;
    QStringList opened;
    watcher.onDialog = [&](QWidget* window) {
        auto* view = qobject_cast<CDialog*>(window);
        if (!view || view == &menu)
            return;
        const QStringList lines = treeLines(view->GetDlgItem<QTreeWidget>(IDC_TREE)).mid(0, 2);
        opened.append(QStringLiteral("%1: %2, %3").arg(view->metaObject()->className(), lines.join(" / "))
                          .arg(view->parentWidget() == &menu));
        view->GetDlgItem<QPushButton>(IDOK)->click();
    };
    bool stillOpen = false;
    whileShown(menu, [&] { return menu.RunModal(kb.get()); }, [&] {
        for (int id : {IDC_PREGLED, IDC_RJECNIK, IDC_PREGLED})
            clickAt(menu, id);
        stillOpen = menu.isVisible();
    });
    QCOMPARE(opened, QStringList({"ordisan::COverviewDlg: Gripa /   kihanje, 1", "ordisan::CDictionaryDlg: A / B, 1",
                                  "ordisan::COverviewDlg: Gripa /   kihanje, 1"}));
    QVERIFY(stillOpen);
}

void MainMenuTest::ending_data()
{
    QTest::addColumn<int>("key"); // 0: "Izlazak" clicked, -1: the close box
    QTest::addColumn<int>("result");
    QTest::newRow("Izlazak") << 0 << IDOK;
    QTest::newRow("Enter") << int(Qt::Key_Return) << IDOK;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << IDCANCEL;
    QTest::newRow("close box") << -1 << IDCANCEL;
}

void MainMenuTest::ending()
{
    QFETCH(int, key);
    QFETCH(int, result);
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    QTimer::singleShot(0, &menu, [&] {
        if (key == 0)
            clickAt(menu, IDOK);
        else if (key > 0)
            QTest::keyClick(&menu, Qt::Key(key));
        else
            menu.close();
    });
    QCOMPARE(menu.RunModal(nullptr), result);
}

// The program as started: the loader alone, owned by the hidden menu, loads from the
// current folder; "Ok" once enabled closes it, and the menu shows.
void MainMenuTest::wholeStartFromLoaderToExit()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(9));
    folder.write("rjecnik.cxt", dictionaryFile(4));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    ModalWatcher watcher;
    QStringList seen;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            seen.append(loader->parentWidget() == mainWindow() && !mainWindow()->isVisible() ? "loader alone" : "loader");
            QWidget* ok = loader->GetDlgItem(IDC_LOADER_OK);
            QTRY_VERIFY(ok->isEnabled());
            QTest::mouseClick(ok, Qt::LeftButton);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            seen.append(menu->isVisible() ? "menu" : "hidden menu");
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    QDir::setCurrent(previous);
    QCOMPARE(seen, QStringList({"loader alone", "menu"}));
    QCOMPARE(app.knowledgeBase().syndromeCount, 9);
    QCOMPARE(app.knowledgeBase().wordCount, 4);
    QVERIFY(watcher.messages.isEmpty());
    QCOMPARE(mainWindow(), nullptr);
}

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
