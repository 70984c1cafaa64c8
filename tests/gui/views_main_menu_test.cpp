// The main menu's "Pregled" and "Rjecnik" buttons: each click opens a fresh overview or
// dictionary on the program's knowledge base, owned by the main menu.
#include "data_folder.h"
#include "modal_watcher.h"
#include "views_support.h"

#include "app/main_menu_dlg.h"
#include "platform/window_owner.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include <QPushButton>
#include <QTest>

using namespace ordisan;
using namespace ordisan::test;

namespace {

// The main menu without its loader, on a knowledge base the test wrote.
class MenuWithoutLoader final : public CMainMenuDlg {
public:
    using CMainMenuDlg::CMainMenuDlg;
    void start(KnowledgeBase* kb)
    {
        knowledgeBase = kb;
        Create();
    }

protected:
    void RunLoader() override {}
};

struct Opened {
    QString kind;
    QString firstItem;
    int childrenOfFirst = -1;
    QWidget* owner = nullptr;
    QObject* dialog = nullptr;
};

} // namespace

class ViewsMainMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void buttonsOpenTheViews();
};

void ViewsMainMenuTest::buttonsOpenTheViews()
{
    KnowledgeBuilder kb;
    kb.link(kb.syndrome("Gripa"), kb.symptom("kihanje", LOC_HEAD));
    kb.word("Gripa", "virusna bolest");

    DataFolder folder;
    MenuWithoutLoader menu(folder.files());
    setMainWindow(&menu);
    menu.start(kb.get());
    menu.show();
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    ModalWatcher watcher;
    QList<Opened> opened;
    watcher.onDialog = [&](QWidget* window) {
        auto* view = qobject_cast<CDialog*>(window);
        if (!view)
            return;
        Opened seen;
        seen.kind = QString::fromLatin1(view->metaObject()->className());
        auto* tree = view->GetDlgItem<QTreeWidget>(IDC_TREE);
        if (tree && tree->topLevelItemCount() > 0) {
            seen.firstItem = tree->topLevelItem(0)->text(0);
            seen.childrenOfFirst = tree->topLevelItem(0)->childCount();
        }
        seen.owner = view->parentWidget();
        seen.dialog = view;
        opened.append(seen);
        view->GetDlgItem<QPushButton>(IDOK)->click();
    };

    for (int id : {IDC_PREGLED, IDC_RJECNIK, IDC_PREGLED}) {
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {},
                          menu.GetDlgItem(id)->geometry().center());
    }
    setMainWindow(nullptr);

    QCOMPARE(opened.size(), 3);
    QCOMPARE(opened[0].kind, QStringLiteral("ordisan::COverviewDlg"));
    QCOMPARE(opened[0].firstItem, QStringLiteral("Gripa"));
    QCOMPARE(opened[0].childrenOfFirst, 1);
    QCOMPARE(opened[1].kind, QStringLiteral("ordisan::CDictionaryDlg"));
    QCOMPARE(opened[1].firstItem, QStringLiteral("A"));
    QCOMPARE(opened[2].kind, QStringLiteral("ordisan::COverviewDlg"));
    QCOMPARE(opened[2].childrenOfFirst, 1);
    for (const Opened& seen : opened)
        QCOMPARE(seen.owner, &menu);
    // The menu stays open; each view closed with "Izlazak" did not end it.
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.modalResult(), 0);
}

QTEST_MAIN(ViewsMainMenuTest)
#include "views_main_menu_test.moc"
