#include "players/SearchWorker.h"

SearchWorker::SearchWorker()
    : runner_(RunSearches)
{
}

SearchWorker::~SearchWorker()
{
    Cancel();
}

SearchWorker::Cells SearchWorker::RunSearches(const Request& request, const std::atomic<bool>& stop)
{
    Cells cells;
    for (std::size_t k = 0; k < request.codes.size() && request.codes[k] != 0 && !stop; ++k) {
        if (SearchStrategy::IsSearchCode(request.codes[k]))
            cells[k] = SearchStrategy::BestCells(request.board, request.side, request.codes[k], request.budget, &stop);
    }
    return cells;
}

void SearchWorker::SetRunner(Runner runner)
{
    Cancel();
    runner_ = std::move(runner);
}

void SearchWorker::SetSynchronous(bool synchronous)
{
    Cancel();
    synchronous_ = synchronous;
}

bool SearchWorker::SameRequest(const Request& request, const BoardStatus& board, int side,
                               const std::array<int, 3>& codes)
{
    if (request.side != side || request.codes != codes || request.board.MoveCount() != board.MoveCount())
        return false;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        if (request.board.OwnerAt(cell / 10, cell % 10) != board.OwnerAt(cell / 10, cell % 10))
            return false;
    }
    return true;
}

void SearchWorker::Start(const Request& request)
{
    if (active_ && SameRequest(request_, request.board, request.side, request.codes))
        return;
    Cancel();
    request_.board.CopyFrom(request.board);
    request_.side = request.side;
    request_.codes = request.codes;
    request_.budget = request.budget;
    active_ = true;
    stop_ = false;
    done_ = false;
    if (synchronous_) {
        cells_ = runner_(request_, stop_);
        done_ = true;
        return;
    }
    // The thread reads only its own request copy and writes only cells_ before done_.
    thread_ = std::thread([this] {
        Cells cells = runner_(request_, stop_);
        cells_ = std::move(cells);
        done_.store(true, std::memory_order_release);
    });
}

std::optional<SearchWorker::Cells> SearchWorker::Take(const BoardStatus& board, int side,
                                                      const std::array<int, 3>& codes)
{
    if (!active_ || !done_.load(std::memory_order_acquire) || !SameRequest(request_, board, side, codes))
        return std::nullopt;
    Join();
    active_ = false;
    return std::move(cells_);
}

void SearchWorker::Cancel()
{
    stop_ = true;
    Join();
    active_ = false;
    cells_ = Cells{};
}

bool SearchWorker::Running() const
{
    return active_ && !done_.load(std::memory_order_acquire);
}

void SearchWorker::Join()
{
    if (thread_.joinable())
        thread_.join();
}
