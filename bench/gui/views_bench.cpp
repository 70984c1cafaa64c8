// Filling the overview and the dictionary trees at full capacity (500 syndromes with
// 3000 links; 1000 words), against inserting the same items with the same texts and
// pictures into a bare QTreeWidget in the same run. Both trees are hidden, as the views
// fill theirs before the window is first shown.
#include "knowledge/dictionary_letters.h"
#include "knowledge/knowledge_base.h"
#include "platform/text_codec.h"
#include "res/resource.h"
#include "views/dictionary_dlg.h"
#include "views/overview_dlg.h"

#include "bench/gui/gui_bench.h"

#include <benchmark/benchmark.h>

#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>

using namespace ordisan;

namespace {

constexpr int LINKS_PER_SYNDROME = MAX_LINKS / MAX_SYNDROMES;

void put(char* field, std::size_t size, const std::string& text)
{
    std::strncpy(field, text.c_str(), size - 1);
    field[size - 1] = '\0';
}

// Texts of sample-like lengths with Croatian letters (code page 1250), every symptom
// linked, some under several syndromes.
std::unique_ptr<KnowledgeBase> fullKnowledgeBase()
{
    auto kb = std::make_unique<KnowledgeBase>();
    for (int i = 0; i < MAX_SYNDROMES; ++i)
        put(kb->syndromes[i].name, NAME_SIZE,
            "Kroni\xE8" "na bolest \x9E" "eluca broj " + std::to_string(i));
    for (int s = 0; s < MAX_SYMPTOMS; ++s) {
        put(kb->symptoms[s].text, NAME_SIZE,
            "bol koja se \x9A" "iri prema desnoj lopatici i ramenu, " + std::to_string(s));
        kb->symptoms[s].location = s % 5;
    }
    for (int j = 0; j < MAX_LINKS; ++j)
        kb->links[j] = SymptomLink{(j * 7) % MAX_SYMPTOMS, j / LINKS_PER_SYNDROME};
    for (int w = 0; w < MAX_WORDS; ++w) {
        const auto letter = dictionaryLetters()[static_cast<std::size_t>(w) % DICTIONARY_LETTER_COUNT];
        put(kb->words[w].term, TERM_SIZE, std::string(1, static_cast<char>(letter)) + "pojam " + std::to_string(w));
        put(kb->words[w].explanation, EXPLANATION_SIZE,
            "obja\x9A" "njenje pojma iz rje\xE8" "nika, du\x9E" "ine kao u primjeru " + std::to_string(w));
    }
    kb->symptomCount = MAX_SYMPTOMS;
    kb->syndromeCount = MAX_SYNDROMES;
    kb->linkCount = MAX_LINKS;
    kb->wordCount = MAX_WORDS;
    return kb;
}

KnowledgeBase& knowledge()
{
    static const std::unique_ptr<KnowledgeBase> kb = fullKnowledgeBase();
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

// Runs `work` on the view's tree while the view is up on the full knowledge base.
template <class View>
void whileOpen(View& view, const std::function<void(QTreeWidget*)>& work)
{
    QTimer::singleShot(0, &view, [&] {
        work(view.template GetDlgItem<QTreeWidget>(IDC_TREE));
        view.EndDialog(IDOK);
    });
    view.RunModal(&knowledge());
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
void BM_Fill(benchmark::State& state)
{
    View view;
    whileOpen(view, [&](QTreeWidget* tree) {
        for (auto _ : state)
            view.FillTree();
        state.counters["items"] = itemCount(tree);
    });
}

// Inserts the very items the view shows into a bare tree, the quickest plain way.
template <class View>
void BM_Bare(benchmark::State& state)
{
    View view;
    QList<Shown> rows;
    whileOpen(view, [&](QTreeWidget* shown) { rows = readBack(shown); });
    QTreeWidget tree;
    bareTree(tree);
    for (auto _ : state)
        insertBare(tree, rows);
    state.counters["items"] = itemCount(&tree);
}

void BM_OverviewFill(benchmark::State& state) { BM_Fill<BenchOverview>(state); }
void BM_OverviewBare(benchmark::State& state) { BM_Bare<BenchOverview>(state); }
void BM_DictionaryFill(benchmark::State& state) { BM_Fill<BenchDictionary>(state); }
void BM_DictionaryBare(benchmark::State& state) { BM_Bare<BenchDictionary>(state); }
BENCHMARK(BM_OverviewFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverviewBare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DictionaryFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DictionaryBare)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    using ordisan::bench::RunTimes;
    // By processor time: the machine may be busy with other work.
    return ordisan::bench::runGuiBenchmarks(argc, argv, [](const RunTimes& times) {
        for (const std::string tree : {"Overview", "Dictionary"}) {
            if (const auto r = times.ratio("BM_" + tree + "Fill", "BM_" + tree + "Bare", RunTimes::Cpu))
                std::printf("%s fill / bare QTreeWidget = %.2f (target: <= 1.5)\n", tree.c_str(), *r);
        }
    });
}
