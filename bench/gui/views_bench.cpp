// Filling the overview and the dictionary trees on each knowledge base (the sample, and
// at full capacity 500 syndromes with 3000 links and 1000 words), against inserting the
// same items with the same texts and pictures into a bare QTreeWidget in the same run.
// Both trees are hidden, as the views fill theirs before the window is first shown.
#include "knowledge/knowledge_base.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include "bench/gui/gui_bench.h"
#include "bench/knowledge_bases.h"

#include <benchmark/benchmark.h>

#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

using namespace ordisan;

namespace {

using bench::Knowledge;

// Each knowledge base loaded once for the run.
KnowledgeBase& knowledge(Knowledge which)
{
    static std::map<Knowledge, std::unique_ptr<KnowledgeBase>> loaded;
    auto& kb = loaded[which];
    if (!kb)
        kb = bench::loaded(which);
    return *kb;
}

// The views as RunModal prepares them, built without the modal loop and never shown.
// The views open as RunModal opens them; the fill itself is what is measured, so
// these give it to the benchmark.
class BenchOverview final : public COverviewDlg {
public:
    using COverviewDlg::FillTree;
};

class BenchDictionary final : public CDictionaryDlg {
public:
    using CDictionaryDlg::FillTree;
};

// Runs `work` on the view's tree while the view is up on that knowledge base.
template <class View>
void whileOpen(View& view, Knowledge which, const std::function<void(QTreeWidget*)>& work)
{
    QTimer::singleShot(0, &view, [&] {
        work(view.template GetDlgItem<QTreeWidget>(IDC_TREE));
        view.EndDialog(IDOK);
    });
    view.RunModal(&knowledge(which));
}

// What a tree holds, read back from a filled view: the baseline inserts exactly these
// items, with their texts, pictures and item data, but makes none of them.
struct Shown {
    QString text;
    QIcon icon;
    QVariant data; // the item data, where the view gives one
    QList<Shown> children;
};

Shown shownOf(const QTreeWidgetItem* item)
{
    return Shown{item->text(0), item->icon(0), item->data(0, Qt::UserRole), {}};
}

QTreeWidgetItem* makeItem(const Shown& row, QTreeWidgetItem* parent)
{
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem;
    item->setText(0, row.text);
    item->setIcon(0, row.icon);
    if (row.data.isValid())
        item->setData(0, Qt::UserRole, row.data);
    return item;
}

QList<Shown> readBack(const QTreeWidget* tree)
{
    QList<Shown> rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = tree->topLevelItem(i);
        Shown row = shownOf(item);
        for (int c = 0; c < item->childCount(); ++c)
            row.children.append(shownOf(item->child(c)));
        rows.append(row);
    }
    return rows;
}

// The quickest plain way: items built off the tree and added in one call.
void insertBare(QTreeWidget& tree, const QList<Shown>& rows)
{
    tree.clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(rows.size());
    for (const Shown& row : rows) {
        QTreeWidgetItem* item = makeItem(row, nullptr);
        for (const Shown& child : row.children)
            makeItem(child, item);
        items.append(item);
    }
    tree.addTopLevelItems(items);
}

void bareTree(QTreeWidget& tree)
{
    tree.setColumnCount(1);
    tree.setHeaderHidden(true);
    tree.setIconSize(QSize(16, 16));
}

int itemCount(const QTreeWidget* tree)
{
    int count = tree->topLevelItemCount();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        count += tree->topLevelItem(i)->childCount();
    return count;
}

// Fills the view's own tree again and again.
template <class View>
void BM_Fill(benchmark::State& state, Knowledge which)
{
    View view;
    whileOpen(view, which, [&](QTreeWidget* tree) {
        for (auto _ : state)
            view.FillTree();
        state.counters["items"] = itemCount(tree);
    });
}

// Inserts the very items the view shows into a bare tree, the quickest plain way.
template <class View>
void BM_Bare(benchmark::State& state, Knowledge which)
{
    View view;
    QList<Shown> rows;
    whileOpen(view, which, [&](QTreeWidget* shown) { rows = readBack(shown); });
    QTreeWidget tree;
    bareTree(tree);
    for (auto _ : state)
        insertBare(tree, rows);
    state.counters["items"] = itemCount(&tree);
}

[[maybe_unused]] const bool registered = [] {
    const auto inMilliseconds = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); };
    bench::registerOnEach("BM_OverviewFill", BM_Fill<BenchOverview>, inMilliseconds);
    bench::registerOnEach("BM_OverviewBare", BM_Bare<BenchOverview>, inMilliseconds);
    bench::registerOnEach("BM_DictionaryFill", BM_Fill<BenchDictionary>, inMilliseconds);
    bench::registerOnEach("BM_DictionaryBare", BM_Bare<BenchDictionary>, inMilliseconds);
    return true;
}();

} // namespace

int main(int argc, char** argv)
{
    using ordisan::bench::RunTimes;
    // By processor time: the machine may be busy with other work.
    return ordisan::bench::runGuiBenchmarks(argc, argv, [](const RunTimes& times) {
        for (const Knowledge which : bench::KNOWLEDGE_BASES) {
            for (const std::string tree : {"Overview", "Dictionary"}) {
                const auto fill = bench::nameOn("BM_" + tree + "Fill", which);
                if (const auto r = times.ratio(fill, bench::nameOn("BM_" + tree + "Bare", which), RunTimes::Cpu))
                    std::printf("%s / bare QTreeWidget = %.2f (target: <= 1.5)\n", fill.c_str(), *r);
            }
        }
    });
}
