// Not a test: shows the main menu on the data files of the current folder and opens
// the overview or the dictionary over it at once, with the branches of the given
// top-level rows expanded, for looking at them on a real screen (at other scale
// factors too: QT_SCALE_FACTOR=2). It stays open until closed.
//   views_look overview|dictionary [ROW ...]
#include "app/main_menu_dlg.h"
#include "knowledge/line_reader.h"
#include "knowledge/loaders.h"
#include "platform/window_owner.h"
#include "res/resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

using namespace ordisan;

namespace {

class QuietReporter final : public LoadReporter {
public:
    void showMessage(const char* text, const char* caption, int) override
    {
        std::fprintf(stderr, "%s: %s\n", caption, text);
    }
    void showProgress(int) override {}
    void showSyndromeCounts(int, int, int) override {}
    void showWordCount(int) override {}
};

void expandRows(QTreeWidget* tree, const QStringList& rows)
{
    for (const QString& row : rows)
        if (QTreeWidgetItem* item = tree->topLevelItem(row.toInt()))
            item->setExpanded(true);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool dictionary = !arguments.isEmpty() && arguments.takeFirst() == QLatin1String("dictionary");

    auto kb = std::make_unique<KnowledgeBase>();
    FileAccess files;
    CMainMenuDlg menu([&files](KnowledgeBase* base) {
        QuietReporter reporter;
        LineReader reader(files);
        if (loadSyndromeFile(*base, reader, reporter))
            loadDictionaryFile(*base, reader, reporter);
    });
    setMainWindow(&menu);
    QTimer::singleShot(500, &menu, [&] {
        QTimer::singleShot(300, &menu, [&] {
            if (auto* view = qobject_cast<CDialog*>(QApplication::activeModalWidget()))
                if (auto* tree = view->GetDlgItem<QTreeWidget>(IDC_TREE))
                    expandRows(tree, arguments);
        });
        menu.GetDlgItem<QAbstractButton>(dictionary ? IDC_RJECNIK : IDC_PREGLED)->click();
        menu.close();
    });
    menu.RunModal(kb.get());
    setMainWindow(nullptr);
    return 0;
}
