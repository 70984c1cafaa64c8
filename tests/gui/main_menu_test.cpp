// The main menu's About box: the ways to it, what it shows, and who owns it.
#include "gui_support.h"

#include "app/about_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/window_owner.h"
#include "res/resource.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

class MainMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void aboutBox_data();
    void aboutBox();
};

void MainMenuTest::aboutBox_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("aboutBoxes");
    QTest::newRow("context menu, right click on the picture") << "picture" << 1;
    QTest::newRow("F1") << "F1" << 1;
    QTest::newRow("system command 17: low bits ignored") << "17" << 1;
    QTest::newRow("system command Close") << "61536" << 0;
}

// Over the menu, which stays open after it.
void MainMenuTest::aboutBox()
{
    QFETCH(QString, how);
    QFETCH(int, aboutBoxes);
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
        } else if (how[0].isDigit()) {
            menu.sendSysCommand(how.toUInt());
        } else {
            QTest::mouseClick(menu.windowHandle(), Qt::RightButton, {}, QPoint(30, 440));
            auto* popup = menu.findChild<QMenu*>("systemMenu");
            QTRY_VERIFY(popup->isVisible());
            QCOMPARE(popup->actions().size(), 2);
            QVERIFY(popup->actions()[0]->isSeparator());
            QCOMPARE(popup->actions()[1]->text(), "&About Ordisan...");
            popup->actions()[1]->trigger();
        }
        QVERIFY(menu.isVisible());
    });
    setMainWindow(nullptr);
    QCOMPARE(seen.size(), 5 * aboutBoxes);
    if (aboutBoxes)
        QCOMPARE(seen, QStringList({"About Ordisan", "Ordisan Version 1.0", "23. June, 1998.",
                                    "1", "1"}));
}

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
