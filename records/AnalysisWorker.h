#pragma once

#include "records/GameAnalysis.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

// Runs one GameAnalysis on a worker thread that owns a copy of the record;
// the window polls it on a timer. Destroying it cancels and waits.
class AnalysisWorker {
public:
    AnalysisWorker() = default;
    ~AnalysisWorker();
    AnalysisWorker(const AnalysisWorker&) = delete;
    AnalysisWorker& operator=(const AnalysisWorker&) = delete;

    // Cancels a running analysis first.
    void Start(const GameRecord& record, const GameAnalysis::Options& options);
    void Cancel();
    // Blocks until the analysis ends by itself.
    void Wait();
    bool Running() const { return running_.load(); }
    // Moves analysed so far and the total.
    int Done() const { return done_.load(); }
    int Total() const { return total_.load(); }
    // True once the analysis ended by itself; the scores are then complete.
    bool Finished() const { return finished_.load(); }
    std::vector<GameAnalysis::MoveScore> Scores() const;

private:
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> done_{0};
    std::atomic<int> total_{0};
    mutable std::mutex mutex_;
    std::vector<GameAnalysis::MoveScore> scores_;
};
