// The main menu and the About box: the About entry and its keys, the buttons that
// open the views, and how the menu ends.
#include "diagnosis_fixture.h"
#include "modal_watcher.h"

#include "app/about_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/window_owner.h"
#include "res/resource.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// Through the window, as a user clicks.
void clickAt(CDialog& dialog, int id, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(dialog.windowHandle(), button, {}, dialog.GetDlgItem(id)->geometry().center());
}

} // namespace

class MainMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setMainWindow(nullptr); }
    void aboutBox_data();
    void aboutBox();
    void buttonsOpenTheViews();
    void ending_data();
    void ending();
};

void MainMenuTest::aboutBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("aboutBoxes");
    QTest::newRow("context menu, right click on the picture") << "picture" << 1;
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
    watcher.onDialog = [&](QWidget* window) {
        if (auto* about = qobject_cast<CAboutDlg*>(window)) {
            const auto text = [about](const char* name) { return about->findChild<QLabel*>(name)->text(); };
            seen << about->windowTitle() << text("static-1") << text("static-3")
                 << QString::number(!about->findChild<QLabel*>("static-0")->pixmap().isNull())
                 << QString::number(about->parentWidget() == mainWindow());
            clickAt(*about, IDOK);
        }
    };
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    setMainWindow(&menu);
    whileShown(menu, [&] { return menu.RunModal(nullptr); }, [&] {
        QVERIFY(QTest::qWaitForWindowActive(&menu));
        auto* popup = menu.findChild<QMenu*>("systemMenu");
        if (how == "F1") {
            QTest::keyClick(&menu, Qt::Key_F1);
        } else if (how[0].isDigit()) {
            menu.sendSysCommand(how.toUInt());
        } else if (how == "key") {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0));
            QApplication::sendEvent(&menu, &event);
        } else {
            QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {}, QPoint(30, 440));
        }
        if (!how[0].isDigit() && how != "F1") {
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->actions().size(), 2);
            QVERIFY(popup->actions()[0]->isSeparator());
            QCOMPARE(popup->actions()[1]->text(), "&About Ordisan...");
            popup->actions()[1]->trigger();
        }
        QVERIFY(menu.isVisible());
    });
    QCOMPARE(seen.size(), 5 * aboutBoxes);
    if (aboutBoxes)
        QCOMPARE(seen, QStringList({"About Ordisan", "Ordisan Version 1.0", "23. June, 1998.", "1", "1"}));
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
        if (auto* view = qobject_cast<CDialog*>(window); view && view != &menu) {
            const QStringList lines = treeLines(view->GetDlgItem<QTreeWidget>(IDC_TREE)).mid(0, 2);
            opened.append(QStringLiteral("%1: %2, %3").arg(view->metaObject()->className(), lines.join(" /"))
                              .arg(view->parentWidget() == &menu));
            clickAt(*view, IDOK);
        }
    };
    bool stillOpen = false;
    whileShown(menu, [&] { return menu.RunModal(&kb.kb()); }, [&] {
        for (int id : {IDC_PREGLED, IDC_RJECNIK, IDC_PREGLED})
            clickAt(menu, id);
        stillOpen = menu.isVisible();
    });
    QCOMPARE(opened, QStringList({"ordisan::COverviewDlg: Gripa /  kihanje, 1", "ordisan::CDictionaryDlg: A /B, 1",
                                  "ordisan::COverviewDlg: Gripa /  kihanje, 1"}));
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
    QCOMPARE(whileShown(menu, [&] { return menu.RunModal(nullptr); }, [&] {
        if (key == 0)
            clickAt(menu, IDOK);
        else if (key > 0)
            QTest::keyClick(&menu, Qt::Key(key));
        else
            menu.close();
    }), result);
}

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
