// One "<<Rangiraj>>" of the diagnosis dialog at full capacity (500 syndromes, 2000
// symptoms, 3000 links; a male patient, about a third of the symptoms answered): the
// ranking, both trees emptied and rebuilt, and the first layout after it. The
// baseline, in the same run, fills two bare QTreeWidgets of the same size, shown, with
// the same items (texts and icons made beforehand) and lays them out likewise. Each
// figure is the median of five runs.
#include "bench/full_knowledge_base.h"
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
#include <random>
#include <string>

using namespace ordisan;

namespace {

std::unique_ptr<KnowledgeBase> diagnosisInProgress()
{
    auto kb = std::make_unique<KnowledgeBase>();
    bench::loadFull(*kb, bench::makeFullKnowledgeFiles());
    kb->patientSex = SEX_MALE;
    return kb;
}

// The answers of a diagnosis under way, given after the dialog has reset them.
void answerAThird(KnowledgeBase& kb)
{
    std::minstd_rand random(1250);
    for (int j = 0; j < kb.symptomCount; ++j) {
        const auto roll = random() % 6;
        if (roll == 0)
            kb.symptoms[j].answer = ANSWER_PRESENT;
        else if (roll == 1)
            kb.symptoms[j].answer = ANSWER_ABSENT;
    }
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

void BM_BareTrees(benchmark::State& state)
{
    auto kb = diagnosisInProgress();
    QList<ItemTexts> leftItems, rightItems;
    QRect leftPlace, rightPlace;
    CDiagnosisDlg source;
    whileOpen(source, kb.get(), [&] {
        answerAThird(*kb);
        rerank(source);
        leftItems = itemsOf(left(source));
        rightItems = itemsOf(right(source));
        leftPlace = left(source)->geometry();
        rightPlace = right(source)->geometry();
    });

    QDialog window;
    window.setFixedSize(dialogSizeToPixels(DIAGNOSIS_TEMPLATE.cx, DIAGNOSIS_TEMPLATE.cy));
    QTreeWidget leftTree(&window);
    QTreeWidget rightTree(&window);
    leftTree.setGeometry(leftPlace);
    rightTree.setGeometry(rightPlace);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        fillBare(leftTree, leftItems);
        fillBare(rightTree, rightItems);
        QCoreApplication::processEvents();
    }
    state.counters["items"] = leftTree.topLevelItemCount() + rightTree.topLevelItemCount();
}
BENCHMARK(BM_BareTrees)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_DiagnosisReRank(benchmark::State& state)
{
    auto kb = diagnosisInProgress();
    CDiagnosisDlg dialog;
    whileOpen(dialog, kb.get(), [&] {
        answerAThird(*kb);
        for (auto _ : state) {
            rerank(dialog);
            QCoreApplication::processEvents();
        }
        state.counters["items"] =
            left(dialog)->topLevelItemCount() + right(dialog)->topLevelItemCount();
    });
}
BENCHMARK(BM_DiagnosisReRank)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    using ordisan::bench::RunTimes;
    return ordisan::bench::runGuiBenchmarks(argc, argv, [](const RunTimes& times) {
        const auto real = times.ratio("BM_DiagnosisReRank", "BM_BareTrees", RunTimes::Real);
        const auto cpu = times.ratio("BM_DiagnosisReRank", "BM_BareTrees", RunTimes::Cpu);
        // On a busy machine the processor time is the steadier of the two.
        if (real && cpu)
            std::printf("\nre-rank with both trees rebuilt / bare trees filled = %.2f real, %.2f CPU"
                        " (target <= 1.5)\n", *real, *cpu);
    });
}
