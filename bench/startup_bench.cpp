// Start-up of the user interface: building and showing the loader dialog and then the
// main menu with its pictures, against showing empty QDialogs of the same sizes in
// the same run. Loading the data files is not part of it.
#include "app/loader_dlg.h"
#include "app/main_menu_dlg.h"
#include "platform/dialog_units.h"
#include "platform/resources.h"
#include "res/dialog_templates.h"

#include "bench/gui/gui_bench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QImage>

#include <cstdio>
#include <map>
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

void showLoaderAndMainMenu(FileAccess& files)
{
    {
        CLoaderDlg loader(files);
        loader.Create();
        showAndPaint(loader);
        loader.DestroyWindow();
    }
    // Without a load at start: the loader is measured on its own before it.
    CMainMenuDlg menu{CMainMenuDlg::LoadAtStart()};
    menu.Create();
    showAndPaint(menu);
    menu.DestroyWindow();
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
