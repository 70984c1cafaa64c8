// Start-up of the user interface: building and showing the loader dialog and then the
// main menu with its pictures, against showing empty QDialogs of the same sizes in
// the same run; once without a load, and once loading each knowledge base through the
// loader dialog as the program does.
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "app/utf8_notice.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "platform/timer_source.h"
#include "res/dialog_templates.h"
#include "res/resource.h"

#include "bench/gui/gui_bench.h"
#include "bench/knowledge_bases.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

using namespace ordisan;

namespace {

// Shown, then painted completely once more into an image kept across iterations: a
// fresh pixmap per frame would measure the system's page faults, not the dialogs.
void showAndPaint(QWidget& window)
{
    static std::map<std::pair<int, int>, QImage> canvases; // one per window size
    QImage& canvas = canvases[{window.width(), window.height()}];
    if (canvas.isNull())
        canvas = QImage(window.size(), QImage::Format_ARGB32_Premultiplied);
    window.show();
    QCoreApplication::processEvents();
    window.render(&canvas);
    benchmark::DoNotOptimize(canvas.constBits());
}

// An empty QDialog of the same size and kind of window as a template's.
void showEmptyDialog(QSize size)
{
    QDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(size);
    showAndPaint(dialog);
}

void showMainMenu()
{
    // Without a load at start: the loader is measured on its own before it.
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    menu.Create();
    showAndPaint(menu);
    menu.DestroyWindow();
}

void showLoaderAndMainMenu(FileAccess& files)
{
    {
        CLoaderDlg loader(files);
        loader.Create();
        showAndPaint(loader);
        loader.DestroyWindow();
    }
    showMainMenu();
}

// The loader's timers, held: the benchmark starts the load at once rather than after
// the loader's delay, and lets no countdown run.
struct HeldTimers final : TimerSource {
    int startTimer(int milliseconds, std::function<void()> tick) override
    {
        ticks[milliseconds] = std::move(tick);
        return milliseconds;
    }
    void stopTimer(int handle) override { ticks.erase(handle); }
    std::map<int, std::function<void()>> ticks; // by period, which is the handle
};

// As the program starts: the loader shown, loading both files with its progress and
// counts shown, closed with "Ok", the check for files saved as UTF-8, the main menu.
void loadThroughLoaderThenMainMenu(FileAccess& files, KnowledgeBase& kb)
{
    {
        HeldTimers timers;
        CLoaderDlg loader(files);
        loader.setTimerSource(&timers);
        QTimer::singleShot(0, &loader, [&] {
            const auto start = timers.ticks.begin()->second; // the only timer before the load
            start();
            showAndPaint(loader);
            loader.GetDlgItem<QPushButton>(IDC_LOADER_OK)->click();
        });
        loader.RunModal(&kb);
        benchmark::DoNotOptimize(utf8Notice(files));
    }
    showMainMenu();
}

void BM_EmptyDialogs(benchmark::State& state)
{
    const QSize loaderSize = dialogSizeToPixels(LOADER_TEMPLATE.cx, LOADER_TEMPLATE.cy);
    const QSize menuSize = dialogSizeToPixels(MAIN_MENU_TEMPLATE.cx, MAIN_MENU_TEMPLATE.cy);
    for (auto _ : state) {
        showEmptyDialog(loaderSize);
        showEmptyDialog(menuSize);
    }
}
BENCHMARK(BM_EmptyDialogs)->Unit(benchmark::kMillisecond);

// Pictures already rendered: every start after the first in one process, and the
// cost of everything but the SVG rendering.
void BM_LoaderThenMainMenu(benchmark::State& state)
{
    FileAccess files;
    showLoaderAndMainMenu(files); // renders the pictures once
    for (auto _ : state)
        showLoaderAndMainMenu(files);
}
BENCHMARK(BM_LoaderThenMainMenu)->Unit(benchmark::kMillisecond);

// A cold start: every picture rendered from its SVG source again.
void BM_LoaderThenMainMenuCold(benchmark::State& state)
{
    FileAccess files;
    for (auto _ : state) {
        clearPictureCache();
        showLoaderAndMainMenu(files);
    }
}
BENCHMARK(BM_LoaderThenMainMenuCold)->Unit(benchmark::kMillisecond);

// A warm start with the load, as above; the loaders reset the counts themselves.
void BM_LoaderLoadingThenMainMenu(benchmark::State& state, bench::Knowledge knowledge)
{
    const auto files = bench::dataFiles(knowledge);
    auto kb = std::make_unique<KnowledgeBase>();
    loadThroughLoaderThenMainMenu(*files, *kb); // renders the pictures once
    for (auto _ : state)
        loadThroughLoaderThenMainMenu(*files, *kb);
    state.counters["syndromes"] = kb->syndromeCount;
}

[[maybe_unused]] const bool registered = [] {
    bench::registerOnEach("BM_LoaderLoadingThenMainMenu", BM_LoaderLoadingThenMainMenu,
                          [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond); });
    return true;
}();

} // namespace

int main(int argc, char** argv)
{
    using ordisan::bench::RunTimes;
    return ordisan::bench::runGuiBenchmarks(argc, argv, [](const RunTimes& times) {
        for (const auto& [name, unused] : times.all()) {
            if (name == "BM_EmptyDialogs")
                continue;
            if (const auto r = times.ratio(name, "BM_EmptyDialogs", RunTimes::Real))
                std::printf("%s / BM_EmptyDialogs = %.2f (target for the warm start: <= 1.3)\n",
                            name.c_str(), *r);
        }
    });
}
