#include "app/BoardView.h"
#include "app/TFormMain.h"
#include "platform/Random.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

// Whole demonstration games through the main window offscreen, painting included.
// Run from a program folder holding the standard content (Tessella.ini, Standard.tsb, ...).

namespace {

double CpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

bool Finished(GameCycle& cycle)
{
    return cycle.PlayerFor(1).State() == GameCycle::kStateFinished &&
           cycle.PlayerFor(2).State() == GameCycle::kStateFinished;
}

// Ticks that start a new demonstration load a board from its files; they are reported apart.
void Report(benchmark::State& state, std::vector<double>& costs, std::vector<double>& restarts)
{
    if (costs.empty())
        return;
    std::sort(costs.begin(), costs.end());
    state.counters["ticks"] = static_cast<double>(costs.size());
    state.counters["median_us"] = costs[costs.size() / 2];
    state.counters["p99_us"] = costs[costs.size() * 99 / 100];
    state.counters["worst_us"] = costs.back();
    if (!restarts.empty()) {
        std::sort(restarts.begin(), restarts.end());
        state.counters["restart_median_us"] = restarts[restarts.size() / 2];
        state.counters["restart_worst_us"] = restarts.back();
    }
}

// One iteration is one demonstration game, from its first tick to the restart ten ticks after its end.
// The main window grown so the board view is boardSide pixels square.
void GrowBoard(TFormMain& window, int boardSide)
{
    const QSize grow(boardSide - window.ImageBoard->width(), boardSide - window.ImageBoard->height());
    window.resize(window.size() + grow.expandedTo(QSize(0, 0)));
    QCoreApplication::processEvents();
}

template <typename AfterTick>
void PlayDemonstrations(benchmark::State& state, AfterTick afterTick, int boardSide = BoardView::kSide)
{
    if (!QFileInfo::exists(QStringLiteral("Tessella.ini"))) {
        state.SkipWithError("run from a program folder with the standard content");
        return;
    }
    Random::Seed(7);
    TFormMain window;
    window.show();
    GrowBoard(window, boardSide);
    // Nothing is painted before the window system reports the window exposed.
    for (int round = 0; round < 100 && !window.windowHandle()->isExposed(); ++round)
        QCoreApplication::processEvents();
    if (!window.windowHandle()->isExposed()) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    // The first painting of a run sets up caches that no later tick pays for again.
    afterTick(window);
    GameCycle& cycle = window.Cycle();
    std::vector<double> costs;
    std::vector<double> restarts;
    for (auto _ : state) {
        bool ended = false;
        for (int tick = 0; tick < 100000; ++tick) {
            const double start = CpuMicroseconds();
            cycle.TimerTimer();
            afterTick(window);
            const double cost = CpuMicroseconds() - start;
            if (Finished(cycle)) {
                ended = true;
            } else if (ended) {
                restarts.push_back(cost);
                break;
            }
            costs.push_back(cost);
        }
    }
    state.counters["board_paints"] = window.ImageBoard->Stats().paints;
    Report(state, costs, restarts);
}

// The window's own path: the tick, then the repaint of the cells it marked.
void BM_DemoTickWithRepaint(benchmark::State& state)
{
    PlayDemonstrations(state, [](TFormMain&) { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); });
}
BENCHMARK(BM_DemoTickWithRepaint)->Unit(benchmark::kMillisecond)->Iterations(5);

// The worst case: every tick renders the whole board widget into a picture.
void BM_DemoTickWithWholeBoardRender(benchmark::State& state)
{
    QImage target(BoardView::kSide, BoardView::kSide, QImage::Format_ARGB32_Premultiplied);
    PlayDemonstrations(state, [&target](TFormMain& window) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        window.ImageBoard->render(&target);
    });
}
BENCHMARK(BM_DemoTickWithWholeBoardRender)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same at twice the size: the board view 800 pixels square, every picture scaled.
void BM_DemoTickWithRepaintScaled2x(benchmark::State& state)
{
    PlayDemonstrations(
        state, [](TFormMain&) { QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); },
        2 * BoardView::kSide);
}
BENCHMARK(BM_DemoTickWithRepaintScaled2x)->Unit(benchmark::kMillisecond)->Iterations(5);

// One frame of the whole board at twice the size, pieces on every cell of a finished demonstration.
void BM_WholeBoardFrameScaled2x(benchmark::State& state)
{
    if (!QFileInfo::exists(QStringLiteral("Tessella.ini"))) {
        state.SkipWithError("run from a program folder with the standard content");
        return;
    }
    Random::Seed(7);
    TFormMain window;
    window.show();
    GrowBoard(window, 2 * BoardView::kSide);
    GameCycle& cycle = window.Cycle();
    for (int tick = 0; tick < 100000 && !Finished(cycle); ++tick)
        cycle.TimerTimer();
    QImage target(window.ImageBoard->size(), QImage::Format_ARGB32_Premultiplied);
    window.ImageBoard->render(&target);
    for (auto _ : state)
        window.ImageBoard->render(&target);
    state.counters["board_px"] = window.ImageBoard->width();
    state.counters["scale"] = window.ImageBoard->Scale();
}
BENCHMARK(BM_WholeBoardFrameScaled2x)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
