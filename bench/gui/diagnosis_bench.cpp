// The diagnosis dialog on each knowledge base (the sample, and 500 syndromes, 2000
// symptoms, 3000 links at full capacity; a male patient), at its template's size and
// maximised on a 1920 x 1080 screen:
// - opening it: the first fill of both trees, the window shown at that size and laid out;
// - one "<<Rangiraj>>" with about a third of the symptoms answered: the ranking, both
//   trees emptied and rebuilt, and the first layout after it.
// The baselines, in the same run, fill two bare QTreeWidgets of the same size in a
// window of the same size with the same items (texts and icons made beforehand) and lay
// them out likewise. Each figure is the median of five runs.
#include "bench/knowledge_bases.h"
#include "diagnosis/diagnosis_dlg.h"
#include "engine/ranking_engine.h"
#include "platform/dialog_units.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include "bench/gui/gui_bench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

using namespace ordisan;
using bench::answerAThird; // given after the dialog has reset the answers
using bench::Knowledge;

namespace {

std::unique_ptr<KnowledgeBase> diagnosisInProgress(Knowledge knowledge)
{
    auto kb = bench::loaded(knowledge);
    kb->patientSex = SEX_MALE;
    return kb;
}

// The diagnosis dialog run as the program runs it; `work` runs once it is up, then
// "Izlazak" ends it.
void whileOpen(CDiagnosisDlg& dialog, KnowledgeBase* kb, const std::function<void()>& work)
{
    QTimer::singleShot(0, &dialog, [&] {
        work();
        dialog.GetDlgItem<QPushButton>(IDOK)->click();
    });
    dialog.RunModal(kb);
}

void rerank(const CDiagnosisDlg& dialog)
{
    dialog.GetDlgItem<QPushButton>(IDC_RERANK)->click();
}

QTreeWidget* left(const CDiagnosisDlg& dialog)
{
    return dialog.GetDlgItem<QTreeWidget>(IDC_SYNDROME_TREE);
}

QTreeWidget* right(const CDiagnosisDlg& dialog)
{
    return dialog.GetDlgItem<QTreeWidget>(IDC_SYMPTOM_TREE);
}

struct ItemTexts {
    QString text;
    QIcon icon;
    QList<ItemTexts> children;
};

QList<ItemTexts> itemsOf(const QTreeWidget* tree)
{
    QList<ItemTexts> items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        ItemTexts item{top->text(0), top->icon(0), {}};
        for (int c = 0; c < top->childCount(); ++c)
            item.children.append({top->child(c)->text(0), top->child(c)->icon(0), {}});
        items.append(item);
    }
    return items;
}

// A full-HD screen; offscreen windows take any size.
constexpr QSize MAXIMISED(1920, 1080);

QSize windowSize(bool maximised)
{
    return maximised ? MAXIMISED : dialogSizeToPixels(DIAGNOSIS_TEMPLATE.cx, DIAGNOSIS_TEMPLATE.cy);
}

// What a diagnosis of that size shows: the trees' items and places.
struct Shown {
    QList<ItemTexts> leftItems, rightItems;
    QRect leftPlace, rightPlace;
};

Shown shownBy(KnowledgeBase& kb, bool maximised, bool answered)
{
    Shown shown;
    CDiagnosisDlg source;
    whileOpen(source, &kb, [&] {
        source.resize(windowSize(maximised));
        if (answered) {
            answerAThird(kb);
            rerank(source);
        }
        shown = {itemsOf(left(source)), itemsOf(right(source)), left(source)->geometry(),
                 right(source)->geometry()};
    });
    return shown;
}

void fillBare(QTreeWidget& tree, const QList<ItemTexts>& items)
{
    tree.clear();
    QList<QTreeWidgetItem*> tops;
    tops.reserve(items.size());
    for (const ItemTexts& item : items) {
        auto* top = new QTreeWidgetItem;
        top->setText(0, item.text);
        top->setIcon(0, item.icon);
        for (const ItemTexts& child : item.children) {
            auto* leaf = new QTreeWidgetItem(top);
            leaf->setText(0, child.text);
            leaf->setIcon(0, child.icon);
        }
        tops.append(top);
    }
    tree.addTopLevelItems(tops);
}

// A plain window of the diagnosis's size with two bare trees where its trees stand.
struct BareWindow {
    BareWindow(const Shown& shown, bool maximised)
    {
        window.resize(windowSize(maximised));
        leftTree.setGeometry(shown.leftPlace);
        rightTree.setGeometry(shown.rightPlace);
    }
    void fill(const Shown& shown)
    {
        fillBare(leftTree, shown.leftItems);
        fillBare(rightTree, shown.rightItems);
    }
    QDialog window;
    QTreeWidget leftTree{&window};
    QTreeWidget rightTree{&window};
};

void BM_BareTrees(benchmark::State& state, Knowledge knowledge, bool maximised)
{
    auto kb = diagnosisInProgress(knowledge);
    const Shown shown = shownBy(*kb, maximised, true);
    BareWindow bare(shown, maximised);
    bare.window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        bare.fill(shown);
        QCoreApplication::processEvents();
    }
    state.counters["items"] =
        bare.leftTree.topLevelItemCount() + bare.rightTree.topLevelItemCount();
}

void BM_DiagnosisReRank(benchmark::State& state, Knowledge knowledge, bool maximised)
{
    auto kb = diagnosisInProgress(knowledge);
    CDiagnosisDlg dialog;
    whileOpen(dialog, kb.get(), [&] {
        dialog.resize(windowSize(maximised));
        QCoreApplication::processEvents();
        answerAThird(*kb);
        for (auto _ : state) {
            rerank(dialog);
            QCoreApplication::processEvents();
        }
        state.counters["items"] =
            left(dialog)->topLevelItemCount() + right(dialog)->topLevelItemCount();
    });
}

// A window of that size made, its two trees filled, shown and laid out, and closed.
void BM_BareOpen(benchmark::State& state, Knowledge knowledge, bool maximised)
{
    auto kb = diagnosisInProgress(knowledge);
    const Shown shown = shownBy(*kb, maximised, false);
    for (auto _ : state) {
        BareWindow bare(shown, maximised);
        bare.fill(shown);
        bare.window.show();
        QCoreApplication::processEvents();
        bare.window.hide();
    }
}

void BM_DiagnosisOpen(benchmark::State& state, Knowledge knowledge, bool maximised)
{
    auto kb = diagnosisInProgress(knowledge);
    for (auto _ : state) {
        CDiagnosisDlg dialog;
        whileOpen(dialog, kb.get(), [&] {
            dialog.resize(windowSize(maximised));
            QCoreApplication::processEvents();
        });
    }
}

void registerBenchmarks()
{
    for (const bool maximised : {false, true}) {
        const std::string size = maximised ? "Maximised" : "";
        for (const auto& [name, function] :
             {std::pair{"BM_BareTrees", &BM_BareTrees}, {"BM_DiagnosisReRank", &BM_DiagnosisReRank},
              {"BM_BareOpen", &BM_BareOpen}, {"BM_DiagnosisOpen", &BM_DiagnosisOpen}})
            bench::registerOnEach(
                name + size, function,
                [](benchmark::internal::Benchmark* b) {
                    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
                },
                maximised);
    }
}

} // namespace

int main(int argc, char** argv)
{
    using ordisan::bench::RunTimes;
    registerBenchmarks();
    return ordisan::bench::runGuiBenchmarks(argc, argv, [](const RunTimes& times) {
        for (const Knowledge knowledge : bench::KNOWLEDGE_BASES) {
            const auto on = [&](const std::string& name) { return bench::nameOn(name, knowledge); };
            std::printf("%s:\n", bench::nameOf(knowledge));
            // On a busy machine the processor time is the steadier of the two.
            for (const char* size : {"", "Maximised"}) {
                const std::string suffix = size;
                const auto real = times.ratio(on("BM_DiagnosisReRank" + suffix),
                                              on("BM_BareTrees" + suffix), RunTimes::Real);
                const auto cpu = times.ratio(on("BM_DiagnosisReRank" + suffix),
                                             on("BM_BareTrees" + suffix), RunTimes::Cpu);
                if (real && cpu)
                    std::printf("%s: re-rank with both trees rebuilt / bare trees filled = %.2f "
                                "real, %.2f CPU (target <= 1.5)\n",
                                *size ? "maximised" : "template size", *real, *cpu);
            }
            // Opening also ranks, converts and measures every text, which a bare window
            // does not; what a maximised window adds to it is compared with what it adds
            // to the bare one.
            for (const RunTimes::Clock clock : {RunTimes::Real, RunTimes::Cpu}) {
                const auto open = times.milliseconds(on("BM_DiagnosisOpen"), clock);
                const auto openMaximised = times.milliseconds(on("BM_DiagnosisOpenMaximised"), clock);
                const auto bare = times.milliseconds(on("BM_BareOpen"), clock);
                const auto bareMaximised = times.milliseconds(on("BM_BareOpenMaximised"), clock);
                if (!open || !openMaximised || !bare || !bareMaximised || *bareMaximised <= *bare)
                    continue;
                std::printf("opening %s: dialog / bare window = %.2f at the template's size, "
                            "%.2f maximised; added by maximising, dialog / bare = %.2f (target "
                            "<= 1.5)\n",
                            clock == RunTimes::Real ? "(real)" : "(CPU)", *open / *bare,
                            *openMaximised / *bareMaximised,
                            (*openMaximised - *open) / (*bareMaximised - *bare));
            }
        }
    });
}
