#include "app/GameCycle.h"
#include "pictures/PictureLoader.h"
#include "platform/Random.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kFrames = 6;

class FixedOptions : public GameOptions {
public:
    explicit FixedOptions(int animation) : animation_(animation) {}
    int GetBaseTimer() const override { return 55; }
    int GetAnimation() const override { return animation_; }
    int GetAutoPass() const override { return 1; }

private:
    int animation_;
};

class OneBoard : public DemoBoardSource {
public:
    void ChooseBoard(BoardStyle* style) override
    {
        ++calls;
        style->Load("bench.tsb", "Board_000");
    }
    int calls = 0;
};

// A program folder with a six-frame board and the two demonstration profiles.
class BenchFolder {
public:
    BenchFolder()
        : previous_(fs::current_path())
    {
        std::string pattern = (fs::temp_directory_path() / "tessella-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
        fs::current_path(path_);

        std::string first = "1stFloat_00=";
        std::string second = "2ndFloat_00=";
        for (int frame = 0; frame < kFrames; ++frame) {
            const std::string number = std::to_string(frame);
            first.append(frame ? "," : "").append(Picture("a" + number + ".bmp", 32, QColor(250, 40 * frame, 0)));
            second.append(frame ? "," : "").append(Picture("b" + number + ".bmp", 32, QColor(0, 40 * frame, 250)));
        }
        Write("bench.tsb", "[BoardSet]\r\nName=Bench\r\n[Board_000]\r\nBoardType=Normal\r\nIntervalTime=55\r\n"
                           "TransparentNoFloat=True\r\nTransparent1stFloat=True\r\nTransparent2ndFloat=True\r\n"
                           "Board=" + Picture("board.bmp", 400, QColor(20, 120, 40)) +
                           "\r\nNoFloat=" + Picture("empty.bmp", 32, QColor(20, 120, 40)) + "\r\n" +
                           first + "\r\n" + second + "\r\n");
        Write("bench.tsp",
              "[Demo_000]\r\nName=One\r\n"
              "Brain_00=16,NormalBrain04,NormalBrain08,NormalBrain01\r\n"
              "Brain_01=32,NormalBrain02,NormalBrain04,NormalBrain08\r\n"
              "Brain_02=48,NormalBrain02,NormalBrain08,NormalBrain10\r\n"
              "Brain_03=60,NormalBrain02,NormalBrain08,NormalBrain04\r\n"
              "Brain_04=66,NormalBrain02,NormalBrain08,\r\n"
              "Brain_05=72,NormalBrain08,NormalBrain02,\r\n"
              "[Demo_001]\r\nName=Two\r\n"
              "Brain_00=16,NormalBrain04,NormalBrain10,NormalBrain01\r\n"
              "Brain_01=32,NormalBrain02,NormalBrain10,NormalBrain08\r\n"
              "Brain_02=48,NormalBrain02,NormalBrain04,NormalBrain08\r\n"
              "Brain_03=60,NormalBrain02,NormalBrain08,NormalBrain10\r\n"
              "Brain_04=66,NormalBrain02,NormalBrain08,\r\n"
              "Brain_05=72,NormalBrain08,NormalBrain02,\r\n"
              "[Brain_000]\r\nName=Reader\r\nBrain_00=72,NormalBrain12,,\r\n");
    }

    ~BenchFolder()
    {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

private:
    std::string Picture(const std::string& name, int size, const QColor& colour) const
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(QString::fromStdString((path_ / name).string()), "BMP");
        return name;
    }

    void Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

    fs::path previous_;
    fs::path path_;
};

double ThreadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

// Whole demonstrations, one tick at a time as the timer would run them, without
// painting, each up to the tick that restarts the next one and loads its board
// again. Every iteration replays the same game, so the least time seen for each
// tick is its cost without the noise of other processes; the counters give the
// CPU time of a single tick, in microseconds.
void BM_DemonstrationTicks(benchmark::State& state)
{
    const BenchFolder folder;
    PictureLoader::SetFailureReporter({});
    const FixedOptions options(static_cast<int>(state.range(0)));
    OneBoard board;
    GameCycle cycle(options, board);
    for (int side = 1; side <= 2; ++side)
        cycle.PlayerFor(side).Load("bench.tsp", side == 1 ? "Demo_000" : "Demo_001");
    cycle.SetChangeListener([&cycle](unsigned changes) {
        if (changes & GameCycle::kChangedCells)
            benchmark::DoNotOptimize(cycle.TakeDirtyCells());
    });

    cycle.StartDemo();
    std::vector<double> least;
    double rawWorst = 0;
    double restartLeast = 1e12;
    for (auto _ : state) {
        Random::Seed(1);
        const int restarts = board.calls;
        for (std::size_t tick = 0; board.calls == restarts; ++tick) {
            const double start = ThreadCpuMicroseconds();
            cycle.TimerTimer();
            const double spent = ThreadCpuMicroseconds() - start;
            if (board.calls != restarts) {
                restartLeast = std::min(restartLeast, spent);
                break;
            }
            if (tick == least.size())
                least.push_back(spent);
            least[tick] = std::min(least[tick], spent);
            rawWorst = std::max(rawWorst, spent);
        }
    }

    std::vector<double> sorted = least;
    std::sort(sorted.begin(), sorted.end());
    if (!sorted.empty()) {
        state.counters["tick_median_us"] = sorted[sorted.size() / 2];
        state.counters["tick_worst_us"] = sorted.back();
        state.counters["tick_worst_raw_us"] = rawWorst;
        state.counters["restart_tick_us"] = restartLeast;
        state.counters["ticks_per_game"] = static_cast<double>(least.size());
    }
}
BENCHMARK(BM_DemonstrationTicks)->ArgName("animation")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The ticks of the window while the deep-reading strategy (0.5 s of CPU per
// move) thinks on the worker thread: the CPU time each tick costs the GUI
// thread over the first four moves of a game between two such players.
void BM_TicksDuringSearch(benchmark::State& state)
{
    const BenchFolder folder;
    PictureLoader::SetFailureReporter({});
    const FixedOptions options(1);
    OneBoard board;
    GameCycle cycle(options, board);
    for (int side = 1; side <= 2; ++side)
        cycle.PlayerFor(side).Load("bench.tsp", "Brain_000");
    cycle.Style().Load("bench.tsb", "Board_000");
    std::vector<double> thinking;
    for (auto _ : state) {
        cycle.StartGame();
        while (cycle.LiveBoard().MoveCount() < 4) {
            const bool searching = cycle.Searches().Running();
            const double start = ThreadCpuMicroseconds();
            cycle.TimerTimer();
            const double spent = ThreadCpuMicroseconds() - start;
            if (searching)
                thinking.push_back(spent);
        }
    }
    std::sort(thinking.begin(), thinking.end());
    if (!thinking.empty()) {
        state.counters["ticks_while_searching"] = static_cast<double>(thinking.size());
        state.counters["tick_median_us"] = thinking[thinking.size() / 2];
        state.counters["tick_p99_us"] = thinking[thinking.size() * 99 / 100];
        state.counters["tick_worst_us"] = thinking.back();
    }
}
BENCHMARK(BM_TicksDuringSearch)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
