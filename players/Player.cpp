#include "players/Player.h"

#include "data/WindowsIni.h"
#include "engine/BoardStatus.h"
#include "pictures/PictureLoader.h"
#include "platform/BusyCursor.h"
#include "platform/Clock.h"
#include "platform/HostPath.h"
#include "players/Brain.h"
#include "players/SearchWorker.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The calendar second the thinking time was last counted at, shared by both
// sides so a turn never counts the second the other side already counted; 0 when unset.
std::int64_t sharedLastSecond = 0;

// Display names of codes 10..20 in CP932.
constexpr const char* kDisplayNames[] = {
    "\x83\x86\x81\x5b\x83\x55",          // ユーザ
    "\x83\x89\x83\x93\x83\x5f\x83\x80",  // ランダム
    "\x8e\xa9\x8a\x70\x8e\xe6",          // 自角取
    "\x8e\xa9\x92\x5b\x8e\xe6",          // 自端取
    "\x91\x8a\x8a\x70\x94\xf0",          // 相角避
    "\x91\x8a\x92\x5b\x94\xf0",          // 相端避
    "\x8e\xa9\x8a\x70\x94\xf0",          // 自角避
    "\x8e\xa9\x92\x5b\x94\xf0",          // 自端避
    "\x8e\xa9\x91\xe5\x95\xd4",          // 自大返
    "\x8e\xa9\x8f\xac\x95\xd4",          // 自小返
    "\x91\x8a\x92\x75\x8f\xac",          // 相置小
    "\x90\xe6\x93\xc7\x82\xdd",          // 先読み
    "\x90\x5b\x93\xc7\x82\xdd",          // 深読み
};
// The same names as the interface shows them; translated when shown.
constexpr const char* kUiNames[] = {
    QT_TRANSLATE_NOOP("Player", "ユーザ"),   QT_TRANSLATE_NOOP("Player", "ランダム"), QT_TRANSLATE_NOOP("Player", "自角取"),
    QT_TRANSLATE_NOOP("Player", "自端取"),   QT_TRANSLATE_NOOP("Player", "相角避"),   QT_TRANSLATE_NOOP("Player", "相端避"),
    QT_TRANSLATE_NOOP("Player", "自角避"),   QT_TRANSLATE_NOOP("Player", "自端避"),   QT_TRANSLATE_NOOP("Player", "自大返"),
    QT_TRANSLATE_NOOP("Player", "自小返"),   QT_TRANSLATE_NOOP("Player", "相置小"),   QT_TRANSLATE_NOOP("Player", "先読み"),
    QT_TRANSLATE_NOOP("Player", "深読み"),
};
static_assert(std::size(kUiNames) == std::size(kDisplayNames));
constexpr int kFirstNamedCode = Brain::kCodeUser;
constexpr int kLastNamedCode = Brain::kCodeDeepRead;

bool InRange(int value, int count)
{
    return value >= 0 && value < count;
}

}  // namespace

Player::Player(const BoardStatus* liveBoard, Brain* brain, int side)
    : liveBoard_(liveBoard), side_(side), brain_(brain)
{
    ResetProfile();
}

void Player::ResetProfile()
{
    for (QImage& face : faces_)
        face = QImage();
    name_.clear();
    author_.clear();
    comment_.clear();
    stretch_ = 0;
    for (auto& phase : codes_)
        phase.fill(0);
    limits_.fill(100);
}

int Player::Load(const std::string& fileName, const std::string& sectionName)
{
    const BusyCursor busy;
    ResetProfile();
    elapsedSeconds_ = 0;
    wins_ = 0;
    losses_ = 0;
    draws_ = 0;
    fileName_ = fileName;
    sectionName_ = sectionName;

    PlayerSectionValues values;
    values.codes = codes_;
    values.limits = limits_;
    {
        const WindowsIni ini(HostPath::ToHost(fileName));
        PlayerSetFile::ReadSection(ini, sectionName, &values);
    }

    for (int i = 0; i < values.faceCount; ++i) {
        // An empty name stands for no picture, not for a file to report as unreadable.
        if (!values.faceFiles[i].empty())
            faces_[i] = PictureLoader::LoadStored(values.faceFiles[i]);
    }
    name_ = values.name;
    author_ = values.author;
    comment_ = values.comment;
    stretch_ = values.stretch;
    codes_ = values.codes;
    limits_ = values.limits;
    return 0;
}

int Player::LoadFrom(const Player& other)
{
    // Taken before loading, so loading a player from itself keeps its record.
    const int elapsed = other.elapsedSeconds_;
    const int playType = other.playType_;
    const int wins = other.wins_;
    const int losses = other.losses_;
    const int draws = other.draws_;
    const auto codes = other.codes_;
    const std::string fileName = other.fileName_;
    const std::string sectionName = other.sectionName_;

    Load(fileName, sectionName);
    elapsedSeconds_ = elapsed;
    playType_ = playType;
    wins_ = wins;
    losses_ = losses;
    draws_ = draws;
    codes_ = codes;
    return 0;
}

int Player::ReloadFrom(const Player& other)
{
    const int elapsed = elapsedSeconds_;
    const int wins = wins_;
    const int losses = losses_;
    const int draws = draws_;
    LoadFrom(other);
    elapsedSeconds_ = elapsed;
    wins_ = wins;
    losses_ = losses;
    draws_ = draws;
    return 0;
}

int Player::SameAs(const Player& other) const
{
    const bool same =
        fileName_ == other.fileName_ && sectionName_ == other.sectionName_ && playType_ == other.playType_;
    return same ? 1 : 0;
}

QImage Player::Face(int index) const
{
    return InRange(index, kFaces) ? faces_[index] : QImage();
}

int Player::FaceIndex() const
{
    return brain_ != nullptr ? brain_->FaceIndex() : 0;
}

int Player::SetState(int state)
{
    state_ = state;
    return 0;
}

int Player::SetPlayType(int playType)
{
    playType_ = playType;
    return 0;
}

int Player::Code(int phase, int slot) const
{
    return (InRange(phase, kPhases) && InRange(slot, kSlots)) ? codes_[phase][slot] : 0;
}

int Player::Limit(int phase) const
{
    return InRange(phase, kPhases) ? limits_[phase] : 0;
}

std::optional<std::string> Player::StrategyName(int phase, int slot) const
{
    if (!InRange(phase, kPhases) || !InRange(slot, kSlots))
        return std::nullopt;
    return StrategyDisplayName(codes_[phase][slot]);
}

int Player::AddWin()
{
    ++wins_;
    return 0;
}

int Player::AddLoss()
{
    ++losses_;
    return 0;
}

int Player::AddDraw()
{
    ++draws_;
    return 0;
}

int Player::ResetElapsed()
{
    elapsedSeconds_ = 0;
    return 0;
}

int Player::PhaseFor(int moveCount) const
{
    int phase = 0;
    for (; phase < kPhases; ++phase) {
        if (codes_[phase][0] == Brain::kCodeNone)
            break;
        if (limits_[phase] >= moveCount)
            return phase;
    }
    // Every phase before the one the search stopped at has a first code.
    return phase - 1;
}

std::array<int, 3> Player::CodesFor(int moveCount) const
{
    const int phase = PhaseFor(moveCount);
    if (phase < 0)
        return {Brain::kCodeRandom, Brain::kCodeNone, Brain::kCodeNone};
    return codes_[phase];
}

int Player::ChooseMove()
{
    if (sharedLastSecond == 0)
        sharedLastSecond = Clock::Now();
    state_ = kStateThinking;
    if (liveBoard_ == nullptr || brain_ == nullptr)
        return kNoMove;
    if (!liveBoard_->HasLegalMove(side_)) {
        state_ = kStatePassed;
        return kPass;
    }

    int result = kNoMove;
    if (playType_ == kPlayComputer)
        result = ChooseComputerMove();
    else
        result = brain_->FirstVote();
    if (result != kNoMove)
        state_ = kStateMoveChosen;

    const std::int64_t now = Clock::Now();
    if (now != sharedLastSecond) {
        ++elapsedSeconds_;
        sharedLastSecond = now;
    }
    if (state_ == kStateMoveChosen)
        sharedLastSecond = 0;
    return result;
}

void Player::SetPhases(const std::array<std::array<int, kSlots>, kPhases>& codes, const std::array<int, kPhases>& limits)
{
    codes_ = codes;
    limits_ = limits;
}

int Player::ChooseComputerMove()
{
    const std::array<int, 3> codes = CodesFor(liveBoard_->MoveCount());
    if (searchWorker_ == nullptr || !SearchStrategy::NeedsSearch(codes))
        return brain_->ChooseMove(codes);
    searchWorker_->Start(SearchWorker::Request{*liveBoard_, side_, codes, brain_->GetSearchBudget()});
    const std::optional<SearchWorker::Cells> cells = searchWorker_->Take(*liveBoard_, side_, codes);
    if (!cells)
        return kNoMove;
    for (std::size_t k = 0; k < codes.size(); ++k)
        brain_->SetSearchCells(codes[k], (*cells)[k]);
    return brain_->ChooseMove(codes);
}

std::string Player::StrategyDisplayName(int code)
{
    if (code < kFirstNamedCode || code > kLastNamedCode)
        return std::string();
    return kDisplayNames[code - kFirstNamedCode];
}

QString Player::StrategyUiName(int code)
{
    if (code < kFirstNamedCode || code > kLastNamedCode)
        return QString();
    return QCoreApplication::translate("Player", kUiNames[code - kFirstNamedCode]);
}

int Player::StrategyCodeOfName(const std::string& displayName)
{
    for (int code = kFirstNamedCode; code <= kLastNamedCode; ++code) {
        if (displayName == kDisplayNames[code - kFirstNamedCode])
            return code;
    }
    return Brain::kCodeNone;
}

void Player::ResetThinkingClock()
{
    sharedLastSecond = 0;
}
