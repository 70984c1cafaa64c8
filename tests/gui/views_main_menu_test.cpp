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
    // Each view as "class, first item, its children, owned by the menu".
    QStringList opened;
    watcher.onDialog = [&](QWidget* window) {
        auto* view = qobject_cast<CDialog*>(window);
        if (!view)
            return;
        auto* tree = view->GetDlgItem<QTreeWidget>(IDC_TREE);
        QTreeWidgetItem* first = tree && tree->topLevelItemCount() > 0 ? tree->topLevelItem(0) : nullptr;
        opened.append(QStringLiteral("%1, %2, %3, %4")
                          .arg(QString::fromLatin1(view->metaObject()->className()),
                               first ? first->text(0) : QString())
                          .arg(first ? first->childCount() : -1)
                          .arg(view->parentWidget() == &menu));
        view->GetDlgItem<QPushButton>(IDOK)->click();
    };

    for (int id : {IDC_PREGLED, IDC_RJECNIK, IDC_PREGLED}) {
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {},
                          menu.GetDlgItem(id)->geometry().center());
    }
    setMainWindow(nullptr);

    QCOMPARE(opened, QStringList({"ordisan::COverviewDlg, Gripa, 1, 1", "ordisan::CDictionaryDlg, A, 0, 1",
                                  "ordisan::COverviewDlg, Gripa, 1, 1"}));
    // The menu stays open; each view closed with "Izlazak" did not end it.
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.modalResult(), 0);
}

QTEST_MAIN(ViewsMainMenuTest)
#include "views_main_menu_test.moc"
