// The window, drawn offscreen: from its creation to the first painted frame of
// race 1 after Start, on the sample card and on the largest card the store
// holds; and a change of race on the largest card, until it is painted.
#include "LargestCard.h"
#include "SampleCard.h"
#include "app/FolderOptions.h"
#include "gui/DisplayText.h"
#include "gui/MainWindow.h"
#include "model/SilentPlatform.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<tallowmere::gui::MainWindow> openWindow(tallowmere::Platform& platform,
                                                        const std::filesystem::path& root) {
    tallowmere::FolderOptions folders;
    folders.dataRoot = root;
    auto window = std::make_unique<tallowmere::gui::MainWindow>(platform, folders, ".");
    window->show();
    return window;
}

void click(QWidget& window, const QString& button) {
    window.findChild<QPushButton*>(button)->click();
}

void startToFirstPaint(benchmark::State& state, const std::filesystem::path& root) {
    tallowmere::SilentPlatform platform;
    for (auto _ : state) {
        auto window = openWindow(platform, root);
        click(*window, "Command1");
        benchmark::DoNotOptimize(window->grab());
    }
    std::filesystem::remove_all(root);
}

void startToFirstPaintOfTheSampleCard(benchmark::State& state) {
    startToFirstPaint(state, makeSampleCardRoot());
}
BENCHMARK(startToFirstPaintOfTheSampleCard)->Unit(benchmark::kMillisecond);

void startToFirstPaintOfTheLargestCard(benchmark::State& state) {
    startToFirstPaint(state, makeLargestCardRoot());
}
BENCHMARK(startToFirstPaintOfTheLargestCard)->Unit(benchmark::kMillisecond);

// Races 1 and 2 in turn, each until painted.
void raceChangeOnTheLargestCard(benchmark::State& state) {
    tallowmere::SilentPlatform platform;
    const auto root = makeLargestCardRoot();
    auto window = openWindow(platform, root);
    click(*window, "Command1");
    int race = 1;
    for (auto _ : state) {
        race = 3 - race;
        click(*window, QString("Command2(%1)").arg(race));
        benchmark::DoNotOptimize(window->grab());
    }
    window.reset();
    std::filesystem::remove_all(root);
}
BENCHMARK(raceChangeOnTheLargestCard)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tallowmere::gui::useWindowStyle();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
