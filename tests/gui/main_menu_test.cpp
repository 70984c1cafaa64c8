// The main menu and the About box: layout, keys, the About entry, and a whole start
// of the program from the loader to the end.
#include "data_folder.h"
#include "modal_watcher.h"

#include "app/about_dlg.h"
#include "app/diagnostic_app.h"
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/picture_button.h"
#include "platform/window_owner.h"
#include "res/resource.h"
#include "res/strings.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// The main menu without its loader, with a chosen About text.
class QuietMainMenu final : public CMainMenuDlg {
public:
    explicit QuietMainMenu(FileAccess& files, QString aboutText = loadString(IDS_ABOUTBOX))
        : CMainMenuDlg(files), aboutText_(std::move(aboutText))
    {
    }
    int loaderRuns = 0;
    bool visibleDuringLoader = true;

protected:
    void RunLoader() override
    {
        ++loaderRuns;
        visibleDuringLoader = isVisible();
    }
    QString AboutMenuText() const override { return aboutText_; }

private:
    QString aboutText_;
};

// What an About box showed, and closing it with its OK button.
struct AboutSeen {
    int count = 0;
    QString caption;
    QString version;
    QString date;
    QString button;
    bool iconShown = false;
    QWidget* owner = nullptr;
};

void answerAboutBoxes(ModalWatcher& watcher, AboutSeen& seen)
{
    watcher.onDialog = [&seen](QWidget* window) {
        auto* about = qobject_cast<CAboutDlg*>(window);
        if (!about)
            return;
        ++seen.count;
        seen.caption = about->windowTitle();
        seen.version = about->findChild<QLabel*>("static-1")->text();
        seen.date = about->findChild<QLabel*>("static-3")->text();
        seen.button = about->GetDlgItem<QPushButton>(IDOK)->text();
        seen.iconShown = !about->findChild<QLabel*>("static-0")->pixmap().isNull();
        seen.owner = about->parentWidget();
        about->GetDlgItem<QPushButton>(IDOK)->click();
    };
}

QMenu* openContextMenu(QWidget* dialog)
{
    for (QMenu* menu : dialog->findChildren<QMenu*>())
        if (menu->isVisible())
            return menu;
    return nullptr;
}

} // namespace

class MainMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void picturesAtTheirPlaces();
    void loaderRunsBeforeTheMenuIsShown();
    void contextMenuHoldsTheAboutEntry();
    void rightClickOrMenuKeyOpensTheContextMenu_data();
    void rightClickOrMenuKeyOpensTheContextMenu();
    void systemCommandsOpenTheAboutBox_data();
    void systemCommandsOpenTheAboutBox();
    void f1OpensTheAboutBox();
    void aboutBoxClosesWithOkOrEsc();
    void endingTheMainMenu_data();
    void endingTheMainMenu();
    void wholeStartFromLoaderToExit();

private:
    DataFolder folder_;
};

void MainMenuTest::cleanup()
{
    setMainWindow(nullptr);
    QMenu* menu = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if ((menu = qobject_cast<QMenu*>(widget)) && menu->isVisible())
            menu->hide();
}

void MainMenuTest::picturesAtTheirPlaces()
{
    QuietMainMenu menu(folder_.files());
    menu.Create();
    QCOMPARE(menu.windowTitle(), QStringLiteral("Ordisan"));
    QCOMPARE(menu.size(), QSize(641, 479));

    auto* background = menu.findChild<QLabel*>("static-0");
    QCOMPARE(background->geometry(), QRect(0, 0, 641, 479));
    QCOMPARE(background->pixmap().deviceIndependentSize().toSize(), QSize(641, 479));

    // Corners from the template (x × 1.5, y × 13/8), sizes of the up images.
    const struct {
        int id;
        QRect geometry;
    } buttons[] = {
        {IDC_PREGLED, {107, 154, 430, 39}},
        {IDC_DIJAGNOSTICIRANJE, {194, 211, 255, 43}},
        {IDC_RJECNIK, {243, 270, 119, 38}},
        {IDOK, {170, 325, 295, 41}},
    };
    for (const auto& button : buttons) {
        auto* control = menu.GetDlgItem<PictureButton>(button.id);
        QVERIFY(control);
        QCOMPARE(control->geometry(), button.geometry);
        QVERIFY(!control->upImage().isNull());
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    }

    const QList<QSize> sizes = menu.windowIcon().availableSizes();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(256, 256)})
        QVERIFY(sizes.contains(size));
}

void MainMenuTest::loaderRunsBeforeTheMenuIsShown()
{
    QuietMainMenu menu(folder_.files());
    QTimer::singleShot(0, &menu, [&] { menu.close(); });
    menu.RunModal(nullptr);
    QCOMPARE(menu.loaderRuns, 1);
    QVERIFY(!menu.visibleDuringLoader);
}

void MainMenuTest::contextMenuHoldsTheAboutEntry()
{
    ModalWatcher watcher;
    AboutSeen seen;
    answerAboutBoxes(watcher, seen);
    QuietMainMenu menu(folder_.files());
    setMainWindow(&menu); // as the program makes it
    menu.Create();
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), menu.mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(&menu, &event);
    QMenu* popup = openContextMenu(&menu);
    QVERIFY(popup);
    const QList<QAction*> actions = popup->actions();
    QCOMPARE(actions.size(), 2);
    QVERIFY(actions[0]->isSeparator());
    QCOMPARE(actions[1]->text(), QStringLiteral("&About Ordisan..."));
    QCOMPARE(actions[1]->data().toUInt(), IDM_ABOUTBOX);

    actions[1]->trigger();
    QCOMPARE(seen.count, 1);
    QCOMPARE(seen.caption, QStringLiteral("About Ordisan"));
    QCOMPARE(seen.version, QStringLiteral("Ordisan Version 1.0"));
    QCOMPARE(seen.date, QStringLiteral("23. June, 1998."));
    QCOMPARE(seen.button, QStringLiteral("OK"));
    QVERIFY(seen.iconShown);
    QCOMPARE(seen.owner, &menu);
}

void MainMenuTest::rightClickOrMenuKeyOpensTheContextMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("withAbout");
    QTest::newRow("right click on the picture") << "picture" << true;
    QTest::newRow("right click on a button") << "button" << true;
    QTest::newRow("menu key") << "key" << true;
    QTest::newRow("without string 101 there is none") << "picture" << false;
}

void MainMenuTest::rightClickOrMenuKeyOpensTheContextMenu()
{
    QFETCH(QString, how);
    QFETCH(bool, withAbout);
    QuietMainMenu menu(folder_.files(), withAbout ? loadString(IDS_ABOUTBOX) : QString());
    menu.Create();
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(menu.GetSystemMenu().isEmpty(), !withAbout);
    if (how == QLatin1String("key")) {
        // The window system turns the menu key into a context menu event for the
        // focus widget, or the window when nothing has the focus.
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0));
        QApplication::sendEvent(&menu, &event);
    } else {
        const QPoint at = how == QLatin1String("button")
            ? menu.GetDlgItem(IDC_RJECNIK)->geometry().center()
            : QPoint(30, 440);
        QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {}, at);
    }
    if (withAbout) {
        QTRY_VERIFY(openContextMenu(&menu));
    } else {
        QCoreApplication::processEvents();
        QCOMPARE(openContextMenu(&menu), nullptr);
    }
    QCOMPARE(menu.modalResult(), 0);
}

void MainMenuTest::systemCommandsOpenTheAboutBox_data()
{
    QTest::addColumn<uint>("command");
    QTest::addColumn<int>("aboutBoxes");
    QTest::newRow("16, the About command") << 16u << 1;
    QTest::newRow("17: the low bits are ignored") << 17u << 1;
    QTest::newRow("31") << 31u << 1;
    QTest::newRow("32") << 32u << 0;
    QTest::newRow("0") << 0u << 0;
    QTest::newRow("the window's Close") << 0xF060u << 0;
}

void MainMenuTest::systemCommandsOpenTheAboutBox()
{
    QFETCH(uint, command);
    QFETCH(int, aboutBoxes);
    ModalWatcher watcher;
    AboutSeen seen;
    answerAboutBoxes(watcher, seen);
    QuietMainMenu menu(folder_.files());
    menu.Create();
    menu.show();
    menu.SendSysCommand(command);
    QCOMPARE(seen.count, aboutBoxes);
    QVERIFY(menu.isVisible());
}

void MainMenuTest::f1OpensTheAboutBox()
{
    ModalWatcher watcher;
    AboutSeen seen;
    answerAboutBoxes(watcher, seen);
    QuietMainMenu menu(folder_.files());
    menu.Create();
    menu.show();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    QTest::keyClick(&menu, Qt::Key_F1);
    QCOMPARE(seen.count, 1);
    QVERIFY(menu.isVisible());
}

void MainMenuTest::aboutBoxClosesWithOkOrEsc()
{
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, IDOK}, std::pair{Qt::Key_Escape, IDCANCEL}}) {
        CAboutDlg about;
        QTimer::singleShot(0, &about, [&] { QTest::keyClick(&about, key); });
        QCOMPARE(about.DoModal(), result);
    }
}

void MainMenuTest::endingTheMainMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Izlazak") << "izlazak" << IDOK;
    QTest::newRow("Enter") << "enter" << IDOK;
    QTest::newRow("Esc") << "esc" << IDCANCEL;
    QTest::newRow("close box") << "close" << IDCANCEL;
}

void MainMenuTest::endingTheMainMenu()
{
    QFETCH(QString, how);
    QFETCH(int, result);
    QuietMainMenu menu(folder_.files());
    QTimer::singleShot(0, &menu, [&] {
        if (how == QLatin1String("izlazak")) {
            QWidget* izlazak = menu.GetDlgItem(IDOK);
            QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {},
                              izlazak->geometry().center());
        } else if (how == QLatin1String("enter")) {
            QTest::keyClick(&menu, Qt::Key_Return);
        } else if (how == QLatin1String("esc")) {
            QTest::keyClick(&menu, Qt::Key_Escape);
        } else {
            menu.close();
        }
    });
    QCOMPARE(menu.RunModal(nullptr), result);
}

void MainMenuTest::wholeStartFromLoaderToExit()
{
    DataFolder folder;
    folder.write("podaci.cxt", syndromeFile(9));
    folder.write("rjecnik.cxt", dictionaryFile(4));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));

    ModalWatcher watcher;
    bool loaderOwnedByHiddenMenu = false;
    bool menuShownAfterLoader = false;
    int menuButtonsLoaded = 0;
    watcher.onDialog = [&](QWidget* window) {
        if (auto* loader = qobject_cast<CLoaderDlg*>(window)) {
            auto* owner = qobject_cast<CMainMenuDlg*>(loader->parentWidget());
            loaderOwnedByHiddenMenu = owner && !owner->isVisible();
            loader->FireTimer(CLoaderDlg::TIMER_START);
            for (int tick = 0; tick < 5; ++tick)
                loader->FireTimer(CLoaderDlg::TIMER_COUNTDOWN);
        } else if (auto* menu = qobject_cast<CMainMenuDlg*>(window)) {
            menuShownAfterLoader = menu->isVisible();
            for (auto* button : menu->findChildren<PictureButton*>())
                menuButtonsLoaded += button->upImage().isNull() ? 0 : 1;
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    };
    CDiagnosticApp app;
    QVERIFY(!app.InitInstance());
    QDir::setCurrent(previous);

    QVERIFY(loaderOwnedByHiddenMenu);
    QVERIFY(menuShownAfterLoader);
    QCOMPARE(menuButtonsLoaded, 4);
    QCOMPARE(app.knowledgeBase().syndromeCount, 9);
    QCOMPARE(app.knowledgeBase().wordCount, 4);
    QVERIFY(watcher.messages.isEmpty());
    QCOMPARE(mainWindow(), nullptr);
}

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
