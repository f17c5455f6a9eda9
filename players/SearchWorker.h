#pragma once

#include "engine/BoardStatus.h"
#include "players/SearchStrategy.h"

#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

// Runs the search strategies of one computer move on a worker thread that owns
// copies of what it reads, so the window's timer keeps ticking meanwhile. The
// turn cycle starts a request, polls for its result on later ticks and cancels
// it whenever the game it belongs to stops or changes.
class SearchWorker {
public:
    struct Request {
        BoardStatus board;
        int side = 1;
        std::array<int, 3> codes{};
        SearchBudget budget;
    };
    // The best cells of each code of the request, empty for codes that do not search.
    using Cells = std::array<std::vector<int>, 3>;
    // Computes the cells; must return soon after stop becomes true.
    using Runner = std::function<Cells(const Request& request, const std::atomic<bool>& stop)>;

    SearchWorker();
    ~SearchWorker();
    SearchWorker(const SearchWorker&) = delete;
    SearchWorker& operator=(const SearchWorker&) = delete;

    static Cells RunSearches(const Request& request, const std::atomic<bool>& stop);

    void SetRunner(Runner runner);
    // Computes each request inside Start instead of on a thread.
    void SetSynchronous(bool synchronous);

    // Starts the request unless the same one is running or done; any other one is cancelled first.
    void Start(const Request& request);
    // The result of this very request once it is done; a result is handed out once.
    std::optional<Cells> Take(const BoardStatus& board, int side, const std::array<int, 3>& codes);
    // Stops and joins a running search and forgets its result.
    void Cancel();
    bool Running() const;

private:
    static bool SameRequest(const Request& request, const BoardStatus& board, int side, const std::array<int, 3>& codes);
    void Join();

    Runner runner_;
    bool synchronous_ = false;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    bool active_ = false;
    Request request_;
    Cells cells_;
};
