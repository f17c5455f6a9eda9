#include "tools/MatchTool.h"

#include "players/MatchGame.h"
#include "players/PlayerSetFile.h"
#include "records/GameRecord.h"
#include "tools/ToolPlayers.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iomanip>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>

namespace {

constexpr const char* kUsage =
    "usage: tessella-match [--dir DIR] [--games N] [--seed S] [--jobs J] [--openings K] [--move-time MS] [--records DIR] PLAYER PLAYER\n"
    "       tessella-match --round-robin SETFILE [--dir DIR] [--games N] [--seed S] [--jobs J] [--openings K] [--move-time MS] [--records DIR]\n"
    "Plays computer players of Tessella against each other without a window.\n"
    "  PLAYER            SETFILE:SECTION, for example Standard.tsp:Brain_011\n"
    "  --dir DIR         program folder the set files are found in (default: the game's own)\n"
    "  --games N         games per pair, colours alternating (default 100)\n"
    "  --seed S          seed of the random strategies and openings (default 1)\n"
    "  --jobs J          games played at once (default: every core); results do not depend on it\n"
    "  --openings K      each pair of games starts from the same K random moves, colours swapped\n"
    "  --move-time MS    caps the search strategies' time per move, counted in search nodes\n"
    "  --round-robin F   every player of set file F against every other: cross table and Elo ranking\n"
    "  --records DIR     writes every game as a record DIR/NNNN-FIRST-SECOND.tsr (NNNN counts the games)\n"
    "  --weights-a W     evaluation weights of the first player's searches, comma-separated in the\n"
    "  --weights-b W     order of docs/search.md (for measuring weights; default: the standard ones)\n"
    "  --help            this text\n"
    "The last line of a two-player match is \"NAME_A: W wins, L losses, D draws\" for the first player.\n";

struct Options {
    std::string dir;
    int games = 100;
    std::uint32_t seed = 1;
    int jobs = 0;
    int openings = 0;
    int moveTimeMs = 0;
    std::string roundRobin;
    std::string records;
    std::vector<std::string> players;
    std::optional<Evaluator::Weights> weights[2];
};

bool ParseNumber(const std::string& text, long long low, long long high, long long* value)
{
    const char* end = text.data() + text.size();
    const std::from_chars_result parsed = std::from_chars(text.data(), end, *value);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end && *value >= low && *value <= high;
}

// 0 to go on, 1 after --help, 2 on bad use (reason in error).
int Parse(const std::vector<std::string>& args, Options* options, std::string* error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return 1;
        auto value = [&](std::string* text) {
            if (i + 1 >= args.size()) {
                *error = arg + " needs a value";
                return false;
            }
            *text = args[++i];
            return true;
        };
        auto number = [&](long long low, long long high, long long* out) {
            std::string text;
            if (!value(&text))
                return false;
            if (!ParseNumber(text, low, high, out)) {
                *error = arg + " needs a whole number from " + std::to_string(low) + " to " + std::to_string(high) + ", not \"" + text + "\"";
                return false;
            }
            return true;
        };
        long long n = 0;
        if (arg == "--dir") {
            if (!value(&options->dir))
                return 2;
        } else if (arg == "--weights-a" || arg == "--weights-b") {
            std::string text;
            Evaluator::Weights weights{};
            if (!value(&text))
                return 2;
            if (!Evaluator::ParseWeights(text, &weights)) {
                *error = arg + " needs " + std::to_string(Evaluator::kTermCount) + " comma-separated whole numbers";
                return 2;
            }
            options->weights[arg == "--weights-a" ? 0 : 1] = weights;
        } else if (arg == "--round-robin") {
            if (!value(&options->roundRobin))
                return 2;
        } else if (arg == "--records") {
            if (!value(&options->records))
                return 2;
        } else if (arg == "--games") {
            if (!number(1, 100000, &n))
                return 2;
            options->games = static_cast<int>(n);
        } else if (arg == "--seed") {
            if (!number(0, 4294967295LL, &n))
                return 2;
            options->seed = static_cast<std::uint32_t>(n);
        } else if (arg == "--jobs") {
            if (!number(1, 256, &n))
                return 2;
            options->jobs = static_cast<int>(n);
        } else if (arg == "--openings") {
            if (!number(0, 60, &n))
                return 2;
            options->openings = static_cast<int>(n);
        } else if (arg == "--move-time") {
            if (!number(1, 3600000, &n))
                return 2;
            options->moveTimeMs = static_cast<int>(n);
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
            return 2;
        } else {
            options->players.push_back(arg);
        }
    }
    if (options->roundRobin.empty() && options->players.size() != 2) {
        *error = "name two players as SETFILE:SECTION, or a set with --round-robin";
        return 2;
    }
    if (!options->roundRobin.empty() && !options->players.empty()) {
        *error = "--round-robin takes no players";
        return 2;
    }
    return 0;
}

std::uint32_t Mix(std::uint32_t a, std::uint32_t b)
{
    std::uint64_t x = (static_cast<std::uint64_t>(a) << 32) ^ b ^ 0x9e3779b97f4a7c15ull;
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ull;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebull;
    x ^= x >> 31;
    return static_cast<std::uint32_t>(x);
}

struct PairGame {
    int a;  // index of the player counted as "first named"
    int b;
    int game;  // index within the pair
};

// Piece difference of game g of a pair from player a's side.
struct Outcome {
    int difference = 0;
};

class Progress {
public:
    Progress(std::ostream& err, bool terminal, int total) : err_(err), terminal_(terminal), total_(total), start_(Clock::now()) {}

    void GameDone()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ++done_;
        const double elapsed = std::chrono::duration<double>(Clock::now() - start_).count();
        const double left = done_ > 0 ? elapsed / done_ * (total_ - done_) : 0.0;
        if (terminal_) {
            constexpr int kWidth = 30;
            const int filled = total_ > 0 ? done_ * kWidth / total_ : kWidth;
            err_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] " << done_ << "/"
                 << total_ << "  left " << Duration(left) << "   " << std::flush;
            if (done_ == total_)
                err_ << "\n";
        } else if (done_ == total_ || done_ * 10 / total_ != (done_ - 1) * 10 / total_) {
            err_ << "games " << done_ << "/" << total_ << ", about " << Duration(left) << " left\n" << std::flush;
        }
    }

private:
    using Clock = std::chrono::steady_clock;

    static std::string Duration(double seconds)
    {
        const int whole = static_cast<int>(seconds + 0.5);
        char text[32];
        std::snprintf(text, sizeof text, "%d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60);
        return text;
    }

    std::ostream& err_;
    bool terminal_;
    int total_;
    int done_ = 0;
    std::mutex mutex_;
    Clock::time_point start_;
};

// Writes game index of the list as a record in the records folder; false when it could not be written.
bool WriteRecord(const Options& options, std::size_t index, const Player& first, const Player& second,
                 const std::vector<int>& moves)
{
    GameRecord record;
    record.SetTag(GameRecord::kTagFirst, ToolPlayers::DisplayName(first));
    record.SetTag(GameRecord::kTagSecond, ToolPlayers::DisplayName(second));
    record.SetTag("Seed", std::to_string(options.seed));
    for (const int move : moves)
        if (record.AddMove(move) != 0)
            return false;
    char number[16];
    std::snprintf(number, sizeof number, "%04zu", index + 1);
    const std::string name = std::string(number) + "-" + first.SectionName() + "-" + second.SectionName() + ".tsr";
    return record.Save((std::filesystem::path(options.records) / name).string()) == 0;
}

// Plays every listed game on jobs threads; each game depends only on its own seeds.
std::vector<Outcome> PlayAll(const std::vector<std::unique_ptr<Player>>& players, const std::vector<PairGame>& games,
                             const Options& options, Progress& progress, int* unwritten)
{
    std::vector<Outcome> outcomes(games.size());
    std::atomic<std::size_t> next{0};
    std::atomic<int> failed{0};
    SearchBudget budgets[2];
    for (int k = 0; k < 2; ++k) {
        budgets[k].moveTimeMs = options.moveTimeMs;
        budgets[k].fixedRate = true;
        budgets[k].weights = options.weights[k];
    }
    auto work = [&] {
        for (std::size_t i = next++; i < games.size(); i = next++) {
            const PairGame& g = games[i];
            const std::uint32_t pairSeed = Mix(Mix(options.seed, static_cast<std::uint32_t>(g.a * 1000 + g.b)),
                                               static_cast<std::uint32_t>(g.game / 2));
            const std::vector<int> opening = options.openings > 0
                ? MatchGame::RandomOpening(pairSeed, options.openings)
                : std::vector<int>{};
            const bool aFirst = g.game % 2 == 0;
            const Player& first = *players[aFirst ? g.a : g.b];
            const Player& second = *players[aFirst ? g.b : g.a];
            const SearchBudget& budgetA = budgets[0];
            const SearchBudget& budgetB = budgets[1];
            const MatchGame::Result result = MatchGame::Play(first, second, opening,
                                                             Mix(pairSeed, static_cast<std::uint32_t>(g.game)),
                                                             aFirst ? budgetA : budgetB, aFirst ? budgetB : budgetA);
            const int difference = result.pieces1st - result.pieces2nd;
            outcomes[i].difference = aFirst ? difference : -difference;
            if (!options.records.empty() && !WriteRecord(options, i, first, second, result.moves))
                ++failed;
            progress.GameDone();
        }
    };
    const int jobs = options.jobs > 0 ? options.jobs : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    for (int j = 1; j < jobs; ++j)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    *unwritten = failed;
    return outcomes;
}

// 0, or 1 after saying how many records could not be written.
int RecordsWritten(const Options& options, int unwritten, std::ostream& err)
{
    if (unwritten == 0)
        return 0;
    err << "tessella-match: " << unwritten << " records could not be written in " << options.records << "\n";
    return 1;
}

struct Tally {
    int wins = 0;
    int losses = 0;
    int draws = 0;
    long long difference = 0;
    int Games() const { return wins + losses + draws; }
    double Score() const { return Games() > 0 ? (wins + 0.5 * draws) / Games() : 0.5; }
    void Add(int d)
    {
        (d > 0 ? wins : d < 0 ? losses : draws) += 1;
        difference += d;
    }
};

std::string Signed(double value, int decimals)
{
    std::ostringstream text;
    text << std::showpos << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string EloText(const MatchTool::Elo& elo)
{
    return Signed(elo.difference, 0) + " [" + Signed(elo.low, 0) + ", " + Signed(elo.high, 0) + "]";
}

int RunPair(const Options& options, std::ostream& out, std::ostream& err, bool terminal)
{
    std::vector<std::unique_ptr<Player>> players;
    for (const std::string& named : options.players) {
        std::string error;
        std::unique_ptr<Player> player = ToolPlayers::Load(named, &error);
        if (!player) {
            err << "tessella-match: " << error << "\n";
            return 2;
        }
        players.push_back(std::move(player));
    }
    std::vector<PairGame> games;
    for (int g = 0; g < options.games; ++g)
        games.push_back(PairGame{0, 1, g});
    Progress progress(err, terminal, options.games);
    int unwritten = 0;
    const std::vector<Outcome> outcomes = PlayAll(players, games, options, progress, &unwritten);
    Tally tally;
    for (const Outcome& outcome : outcomes)
        tally.Add(outcome.difference);

    const std::string nameA = ToolPlayers::DisplayName(*players[0]);
    const std::string nameB = ToolPlayers::DisplayName(*players[1]);
    const MatchTool::Elo elo = MatchTool::EloOf(tally.wins, tally.losses, tally.draws);
    out << "player\twins\tlosses\tdraws\tmean difference\tscore %\tElo difference (95%)\n";
    out << nameA << "\t" << tally.wins << "\t" << tally.losses << "\t" << tally.draws << "\t"
        << Signed(static_cast<double>(tally.difference) / tally.Games(), 2) << "\t" << std::fixed << std::setprecision(1)
        << 100.0 * tally.Score() << "\t" << EloText(elo) << "\n";
    const MatchTool::Elo back = MatchTool::EloOf(tally.losses, tally.wins, tally.draws);
    out << nameB << "\t" << tally.losses << "\t" << tally.wins << "\t" << tally.draws << "\t"
        << Signed(-static_cast<double>(tally.difference) / tally.Games(), 2) << "\t" << std::fixed << std::setprecision(1)
        << 100.0 * (1.0 - tally.Score()) << "\t" << EloText(back) << "\n";
    out << nameA << ": " << tally.wins << " wins, " << tally.losses << " losses, " << tally.draws << " draws\n";
    return RecordsWritten(options, unwritten, err);
}

// Ratings that best explain the scores of every pair (Bradley-Terry), mean 0.
std::vector<double> Ratings(const std::vector<std::vector<Tally>>& cross)
{
    const std::size_t n = cross.size();
    std::vector<double> strength(n, 1.0);
    for (int round = 0; round < 500; ++round) {
        std::vector<double> next(n);
        for (std::size_t i = 0; i < n; ++i) {
            double points = 0.5;  // a half point of prior keeps a player without wins finite
            double weight = 0.0;
            for (std::size_t j = 0; j < n; ++j) {
                if (i == j || cross[i][j].Games() == 0)
                    continue;
                points += cross[i][j].wins + 0.5 * cross[i][j].draws;
                weight += cross[i][j].Games() / (strength[i] + strength[j]);
            }
            next[i] = weight > 0 ? points / weight : strength[i];
        }
        strength = next;
    }
    std::vector<double> ratings(n);
    double mean = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        ratings[i] = 400.0 * std::log10(strength[i]);
        mean += ratings[i] / static_cast<double>(n);
    }
    for (double& rating : ratings)
        rating -= mean;
    return ratings;
}

int RunRoundRobin(const Options& options, std::ostream& out, std::ostream& err, bool terminal)
{
    std::string stored = options.roundRobin;
    std::vector<std::unique_ptr<Player>> players;
    std::string error;
    const int count = PlayerSetFile::CountPlayers(stored);
    if (count == 0) {
        // Tell a missing file from a set without players.
        if (ToolPlayers::Load(options.roundRobin, PlayerSetFile::PlayerSection(0), &error) == nullptr) {
            err << "tessella-match: " << error << "\n";
            return 2;
        }
    }
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Player> player = ToolPlayers::Load(options.roundRobin, PlayerSetFile::PlayerSection(i), &error);
        if (!player) {
            err << "tessella-match: " << error << "\n";
            return 2;
        }
        players.push_back(std::move(player));
    }
    if (players.size() < 2) {
        err << "tessella-match: " << options.roundRobin << " holds fewer than two players\n";
        return 2;
    }
    std::vector<PairGame> games;
    for (int a = 0; a < static_cast<int>(players.size()); ++a) {
        for (int b = a + 1; b < static_cast<int>(players.size()); ++b) {
            for (int g = 0; g < options.games; ++g)
                games.push_back(PairGame{a, b, g});
        }
    }
    Progress progress(err, terminal, static_cast<int>(games.size()));
    int unwritten = 0;
    const std::vector<Outcome> outcomes = PlayAll(players, games, options, progress, &unwritten);
    std::vector<std::vector<Tally>> cross(players.size(), std::vector<Tally>(players.size()));
    for (std::size_t i = 0; i < games.size(); ++i) {
        cross[games[i].a][games[i].b].Add(outcomes[i].difference);
        cross[games[i].b][games[i].a].Add(-outcomes[i].difference);
    }
    const std::vector<double> ratings = Ratings(cross);

    out << "cross table: score % of the row against the column\n#\tplayer";
    for (std::size_t j = 0; j < players.size(); ++j)
        out << "\t" << j;
    out << "\n";
    for (std::size_t i = 0; i < players.size(); ++i) {
        out << i << "\t" << ToolPlayers::DisplayName(*players[i]);
        for (std::size_t j = 0; j < players.size(); ++j) {
            if (i == j)
                out << "\t-";
            else
                out << "\t" << std::fixed << std::setprecision(0) << 100.0 * cross[i][j].Score();
        }
        out << "\n";
    }
    std::vector<std::size_t> order(players.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return ratings[a] > ratings[b]; });
    out << "ranking\nrank\tElo\twins\tlosses\tdraws\tsection\tplayer\n";
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const std::size_t i = order[rank];
        Tally total;
        for (const Tally& t : cross[i]) {
            total.wins += t.wins;
            total.losses += t.losses;
            total.draws += t.draws;
        }
        out << rank + 1 << "\t" << Signed(ratings[i], 0) << "\t" << total.wins << "\t" << total.losses << "\t"
            << total.draws << "\t" << players[i]->SectionName() << "\t" << ToolPlayers::DisplayName(*players[i]) << "\n";
    }
    return RecordsWritten(options, unwritten, err);
}

}  // namespace

MatchTool::Elo MatchTool::EloOf(int wins, int losses, int draws)
{
    const int games = wins + losses + draws;
    auto toElo = [games](double score) {
        const double bound = 0.5 / std::max(games, 1);
        score = std::clamp(score, bound, 1.0 - bound);
        return -400.0 * std::log10(1.0 / score - 1.0);
    };
    if (games == 0)
        return Elo{0.0, 0.0, 0.0};
    const double score = (wins + 0.5 * draws) / games;
    // The Wilson interval stays sound at clean sweeps, where the plain one shrinks to a point.
    constexpr double z = 1.96;
    const double n = games;
    const double denominator = 1.0 + z * z / n;
    const double centre = (score + z * z / (2.0 * n)) / denominator;
    const double margin = z * std::sqrt(score * (1.0 - score) / n + z * z / (4.0 * n * n)) / denominator;
    return Elo{toElo(score), toElo(centre - margin), toElo(centre + margin)};
}

int MatchTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal)
{
    Options options;
    std::string error;
    const int parsed = Parse(args, &options, &error);
    if (parsed == 1) {
        out << kUsage;
        return 0;
    }
    if (parsed == 2) {
        err << "tessella-match: " << error << " (see --help)\n";
        return 2;
    }
    if (!options.records.empty()) {
        // The folder is named from where the tool was started, before it enters the program folder.
        std::error_code failed;
        options.records = std::filesystem::absolute(options.records, failed).string();
        if (!failed)
            std::filesystem::create_directories(options.records, failed);
        if (failed || !std::filesystem::is_directory(options.records)) {
            err << "tessella-match: cannot make the records folder " << options.records << "\n";
            return 2;
        }
    }
    if (!ToolPlayers::EnterProgramFolder(options.dir, &error)) {
        err << "tessella-match: " << error << "\n";
        return 2;
    }
    return options.roundRobin.empty() ? RunPair(options, out, err, errIsTerminal)
                                      : RunRoundRobin(options, out, err, errIsTerminal);
}
