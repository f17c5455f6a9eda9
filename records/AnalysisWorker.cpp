#include "records/AnalysisWorker.h"

AnalysisWorker::~AnalysisWorker()
{
    Cancel();
}

void AnalysisWorker::Start(const GameRecord& record, const GameAnalysis::Options& options)
{
    Cancel();
    stop_ = false;
    finished_ = false;
    done_ = 0;
    total_ = static_cast<int>(record.Moves().size());
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        scores_.clear();
    }
    running_ = true;
    thread_ = std::thread([this, record, options] {
        std::vector<GameAnalysis::MoveScore> scores;
        const int result = GameAnalysis::Run(record, options, &scores, &stop_, [this](int done, int) { done_ = done; });
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            scores_ = std::move(scores);
        }
        finished_ = result == 0;
        running_ = false;
    });
}

void AnalysisWorker::Cancel()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    running_ = false;
}

void AnalysisWorker::Wait()
{
    if (thread_.joinable())
        thread_.join();
}

std::vector<GameAnalysis::MoveScore> AnalysisWorker::Scores() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return scores_;
}
