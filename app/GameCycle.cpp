#include "app/GameCycle.h"

#include "platform/Random.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

constexpr int kSize = BoardStatus::kSize;
constexpr int kMaxIntervalTime = 10000;
constexpr int kDemoRestartTicks = 10;

// The playable index is the column plus this offset of its row.
constexpr int kPlayableOffset[kSize] = {-3, 2, 9, 18, 28, 38, 48, 57, 64, 69};

// Sprites in board-picture coordinates: 32-pixel pieces inside the grid
// lines, or 37-pixel squares that tile the board for the Picture type.
constexpr int kPieceOrigin = 18;
constexpr int kPieceSize = 32;
constexpr int kSquareOrigin = 16;
constexpr int kCellPitch = 37;

// The board picture's place in the board group, where the hit test measures.
constexpr int kPictureLeft = 5;
constexpr int kPictureTop = 30;
// The pointer as the hit test has always taken it: one pixel right of the picture's offset.
constexpr int kPointerOffsetX = 6;
constexpr int kPointerOffsetY = 30;
constexpr int kHitSize = 32;

int PlayableIndex(int row, int column)
{
    return column + kPlayableOffset[row];
}

QString TimeText(int seconds)
{
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

}  // namespace

GameCycle::Batch::Batch(GameCycle& cycle)
    : cycle_(cycle)
{
    ++cycle_.batchDepth_;
}

GameCycle::Batch::~Batch()
{
    if (cycle_.batchDepth_ == 1)
        cycle_.ShowAidCommands();
    if (--cycle_.batchDepth_ != 0)
        return;
    const unsigned changes = std::exchange(cycle_.pendingChanges_, 0u);
    if (changes != 0 && cycle_.listener_)
        cycle_.listener_(changes);
}

GameCycle::GameCycle(const GameOptions& options, DemoBoardSource& demoBoards)
    : options_(&options)
    , demoBoards_(&demoBoards)
    , brain1st_(liveBoard_, 1)
    , brain2nd_(liveBoard_, 2)
    , player1st_(&liveBoard_, &brain1st_, 1)
    , player2nd_(&liveBoard_, &brain2nd_, 2)
    , timerInterval_(std::max(1, options.GetBaseTimer()))
    , message_(QCoreApplication::translate("GameCycle", "テセラ"))
{
    prepare_ = {QCoreApplication::translate("GameCycle", "ゲーム開始"), true};
    // Nothing has been played yet that could be replayed.
    replay_ = {QCoreApplication::translate("GameCycle", "リプレイ"), false};
    countinue_ = {QCoreApplication::translate("GameCycle", "中断"), true};
    pass_ = {QCoreApplication::translate("GameCycle", "パス"), false};
    border_ = {QCoreApplication::translate("GameCycle", "境界線を隠す"), false};
    exit_ = {QCoreApplication::translate("GameCycle", "終了"), true};
    undo_ = {QCoreApplication::translate("GameCycle", "待った"), false};
    redo_ = {QCoreApplication::translate("GameCycle", "やり直し"), false};
    hint_ = {QCoreApplication::translate("GameCycle", "ヒント"), false};
    for (SideView& view : sides_)
        view.gameResult = QCoreApplication::translate("GameCycle", "    0勝    0敗    0分");
    LayoutSprites();
    player1st_.SetSearchWorker(&searchWorker_);
    player2nd_.SetSearchWorker(&searchWorker_);
}

void GameCycle::SetChangeListener(std::function<void(unsigned changes)> listener)
{
    listener_ = std::move(listener);
}

void GameCycle::SetGameFinishedListener(std::function<QString(const GameRecord& record)> listener)
{
    gameFinished_ = std::move(listener);
}

void GameCycle::SetOptions(const GameOptions& options)
{
    options_ = &options;
}

void GameCycle::SetDemoBoards(DemoBoardSource& demoBoards)
{
    demoBoards_ = &demoBoards;
}

void GameCycle::TimerTimer()
{
    const Batch batch(*this);
    PollHint();
    const int resets = resetCount_;
    const int move = AskMove();
    StepBoard(move);
    CheckEnd();
    // A demonstration restarted by the end handling begins with side 1 on the next tick.
    if (resetCount_ != resets)
        return;
    if (PlayerOf(side_).State() != kStateIdle)
        return;
    side_ = 3 - side_;
    if (mode_ == kModeGame) {
        ShowTurnColours();
        SetText(message_, side_ == 1 ? QCoreApplication::translate("GameCycle", "先手の番です") : QCoreApplication::translate("GameCycle", "後手の番です"));
    }
}

int GameCycle::AskMove()
{
    const Batch batch(*this);
    Player& player = PlayerOf(side_);
    const int state = player.State();
    if (state == kStatePlacing || state == kStateFinished)
        return Player::kNoMove;
    if (state == kStatePassed) {
        if (pass_.enabled)
            return Player::kPass;
        player.SetState(kStateIdle);
        return Player::kNoMove;
    }

    if (state != kStateThinking)
        RecordUserTurn();
    SetText(ViewOf(side_).point, QStringLiteral("Thinking"));
    player.SetState(kStateThinking);
    int result = Player::kNoMove;
    if (mode_ == kModeReplay) {
        result = savedBoard_.MoveAt(liveBoard_.MoveCount());
    } else {
        result = player.ChooseMove();
        // A profile whose strategies cast no vote would otherwise never move; a search still running will.
        if (result == Player::kNoMove && player.PlayType() == Player::kPlayComputer && liveBoard_.HasLegalMove(side_)
            && !searchWorker_.Running()) {
            Brain& brain = BrainOf(side_);
            brain.Clear();
            const int randomOnly[3] = {Brain::kCodeRandom, Brain::kCodeNone, Brain::kCodeNone};
            result = brain.ChooseMove(randomOnly);
            Player::ResetThinkingClock();
        }
    }

    if (result != Player::kPass) {
        if (result != Player::kNoMove) {
            player.SetState(kStateMoveChosen);
            BrainOf(side_).Clear();
            ShowStatus(result / kSize, result % kSize);
        } else {
            ShowStatus(-1, -1);
        }
        return result;
    }

    ShowStatus(-1, -1);
    if (mode_ == kModeGame) {
        if (options_->GetAutoPass() == 0 && player.PlayType() == Player::kPlayUser)
            Enable(pass_, true);
        SetText(message_, side_ == 1 ? QCoreApplication::translate("GameCycle", "先手はパスです") : QCoreApplication::translate("GameCycle", "後手はパスです"));
        SetText(ViewOf(side_).point, QStringLiteral("Pass"));
    }
    player.SetState(kStatePassed);
    BrainOf(side_).Clear();
    return Player::kPass;
}

void GameCycle::StepBoard(int move)
{
    const Batch batch(*this);
    Player& player = PlayerOf(side_);
    if (player.State() == kStateMoveChosen)
        pacing_ = 0;
    if (pacing_ > 0) {
        pacing_ -= BaseTimer();
        if (pacing_ > 0)
            return;
    }
    pacing_ = PacingInterval();

    const int state = player.State();
    if (state == kStateThinking || state == kStateFinished || state == kStatePassed)
        return;
    player.SetState(kStateIdle);
    if (move >= 0) {
        const int row = move / kSize;
        const int column = move % kSize;
        const int kind = PieceKindFor(row, column, side_);
        // Refused only in a replay, for the side whose pass the record does not hold.
        if (liveBoard_.Place(row, column, side_, kind) == 0) {
            ClearHint();
            PlacePieceSprite(row, column, side_, kind);
            if (mode_ != kModeReplay && record_.AddMove(move, kind) == 0)
                Notify(kChangedRecord);
        }
        player.SetState(kStatePlacing);
    }
    if (RevealStep(side_))
        player.SetState(kStatePlacing);
    else if (state == kStatePlacing || move >= 0)
        ShowStatus(-1, -1);  // the placement's last flip is on screen: scores and faces follow the board
}

void GameCycle::CheckEnd()
{
    const Batch batch(*this);
    const int state = PlayerOf(side_).State();
    // A record that ran out ends the replay even where the position would go on.
    if (mode_ == kModeReplay && state != kStatePlacing && ReplayExhausted()) {
        FinishReplay();
        return;
    }
    if (state == kStatePlacing || state == kStateThinking)
        return;
    if (liveBoard_.HasLegalMove(1) == 1 || liveBoard_.HasLegalMove(2) == 1)
        return;
    switch (mode_) {
    case kModeGame:
        FinishGame();
        break;
    case kModeDemo:
        FinishDemo();
        break;
    case kModeReplay:
        FinishReplay();
        break;
    default:
        break;
    }
}

void GameCycle::ResetGame()
{
    const Batch batch(*this);
    ClearHint();
    searchWorker_.Cancel();
    ++resetCount_;
    liveBoard_.Reset();
    RedrawBoard();
    brain1st_.Clear();
    brain2nd_.Clear();
    ShowStatus(-1, -1);
    for (int side = 1; side <= 2; ++side)
        SetText(ViewOf(side).point, QStringLiteral("-"));
    side_ = 1;
    player1st_.SetState(kStateIdle);
    player2nd_.SetState(kStateIdle);
    // A pass still waiting from the last game would hold up every pass of this one.
    Enable(pass_, false);
    Player::ResetThinkingClock();
}

void GameCycle::ShowStatus(int row, int column)
{
    const Batch batch(*this);
    for (int side = 1; side <= 2; ++side) {
        ShowScore(side);
        SetFace(side, PlayerOf(side).FaceIndex());
        SetText(ViewOf(side).useTime, TimeText(PlayerOf(side).ElapsedSeconds()));
    }
    if (row != -1 && column != -1)
        SetText(ViewOf(side_).point, QString::asprintf("%d - %d", row + 1, column + 1));
}

void GameCycle::StartGame()
{
    StartGameFrom(BoardStatus(), 1);
}

void GameCycle::StartGameFrom(const BoardStatus& board, int sideToMove)
{
    const Batch batch(*this);
    LeaveView();
    mode_ = kModeGame;
    SetCaption(countinue_, QCoreApplication::translate("GameCycle", "中断"));
    Enable(countinue_, true);
    Enable(replay_, false);
    Enable(border_, false);
    Enable(prepare_, false);
    Enable(exit_, false);
    SetCaption(border_, QCoreApplication::translate("GameCycle", "境界線を隠す"));

    ResetGame();
    StartRecord();
    if (record_.SetStart(board, sideToMove) == 0 && !record_.HasStandardStart()) {
        // Kinds this board design cannot show become the kinds it gives new pieces.
        BoardStatus start(record_.Start());
        for (int row = 0; row < kSize; ++row)
            for (int column = 0; column < kSize; ++column) {
                const int owner = start.OwnerAt(row, column);
                const int kind = start.KindAt(row, column);
                if (owner == 1 || owner == 2) {
                    const bool keep = style_.BoardType() == BoardStyle::kTypeRandom && kind < style_.KindCount(owner);
                    start.SetCell(row, column, owner, keep ? kind : PieceKindFor(row, column, owner));
                }
            }
        record_.SetStart(start, sideToMove);
        liveBoard_.CopyFrom(record_.Start());
        side_ = sideToMove;
    } else {
        record_.SetStart(BoardStatus(), 1);
    }
    history_.Clear();
    Notify(kChangedBoard);
    for (int side = 1; side <= 2; ++side) {
        SetFace(side, 0);
        ShowNameAndRecord(side);
    }
    borderShown_ = true;
    for (int side = 1; side <= 2; ++side) {
        PlayerOf(side).ResetElapsed();
        SetText(ViewOf(side).useTime, TimeText(0));
    }

    StartTimer();
    SetText(message_, side_ == 1 ? QCoreApplication::translate("GameCycle", "先手の番です") : QCoreApplication::translate("GameCycle", "後手の番です"));
    ShowTurnColours();
    RedrawBoard();
}

void GameCycle::FinishGame()
{
    const Batch batch(*this);
    if (player1st_.State() == kStateFinished || player2nd_.State() == kStateFinished)
        return;
    SetNameColour(1, PanelColour::Silver);
    SetNameColour(2, PanelColour::Silver);
    ShowEnd();

    const int count1st = liveBoard_.CountOwner(1);
    const int count2nd = liveBoard_.CountOwner(2);
    if (count1st == count2nd) {
        player1st_.AddDraw();
        player2nd_.AddDraw();
        SetFace(1, 0);
        SetFace(2, 0);
        SetText(message_, QCoreApplication::translate("GameCycle", "引き分けです"));
    } else {
        const int winner = count1st > count2nd ? 1 : 2;
        const int loser = 3 - winner;
        PlayerOf(winner).AddWin();
        SetFace(winner, 2);
        PlayerOf(loser).AddLoss();
        SetFace(loser, 4);
        SetText(message_, QCoreApplication::translate("GameCycle", "%1の勝ちです").arg(TextCodec::ToUi(PlayerOf(winner).Name())));
        SetNameColour(winner, PanelColour::Red);
        SetNameColour(loser, PanelColour::Blue);
    }
    ShowRecord(1);
    ShowRecord(2);
    if (gameFinished_) {
        const QString note = gameFinished_(record_);
        if (!note.isEmpty())
            SetText(message_, message_ + QStringLiteral(" ") + note);
    }

    Enable(prepare_, true);
    Enable(replay_, true);
    Enable(countinue_, false);
    if (style_.BoardType() == BoardStyle::kTypePicture)
        Enable(border_, true);
    Enable(exit_, true);
    Enable(pass_, false);
}

void GameCycle::StartReplay()
{
    const Batch batch(*this);
    LeaveView();
    mode_ = kModeReplay;
    savedBoard_.CopyFrom(liveBoard_);
    SetCaption(countinue_, QCoreApplication::translate("GameCycle", "中断"));
    Enable(countinue_, true);
    Enable(prepare_, false);
    Enable(exit_, false);
    ResetGame();
    // A game played from a viewed position replays from that position.
    if (!record_.HasStandardStart()) {
        liveBoard_.CopyFrom(record_.Start());
        side_ = record_.StartSide();
    }
    Notify(kChangedBoard);
    StartTimer();
}

void GameCycle::FinishReplay()
{
    const Batch batch(*this);
    if (player1st_.State() == kStateFinished || player2nd_.State() == kStateFinished)
        return;
    liveBoard_.CopyFrom(savedBoard_);
    // The record may have run out before the finished position; show the one restored.
    RedrawBoard();
    Enable(prepare_, true);
    Enable(replay_, true);
    Enable(exit_, true);
    Enable(countinue_, false);
    ShowEnd();

    const int count1st = liveBoard_.CountOwner(1);
    const int count2nd = liveBoard_.CountOwner(2);
    if (count1st == count2nd) {
        SetFace(1, 0);
        SetFace(2, 0);
    } else {
        const int more = count1st > count2nd ? 1 : 2;
        SetFace(more, 2);
        SetFace(3 - more, 4);
    }
}

void GameCycle::StartRecord()
{
    record_ = GameRecord();
    record_.SetTag(GameRecord::kTagFirst, TextCodec::ToUtf8(player1st_.Name()));
    record_.SetTag(GameRecord::kTagSecond, TextCodec::ToUtf8(player2nd_.Name()));
    record_.SetTag(GameRecord::kTagBoard, TextCodec::ToUtf8(style_.Title()));
    Notify(kChangedRecord);
}

void GameCycle::EnterView()
{
    const Batch batch(*this);
    if (viewing_)
        return;
    viewSavedBoard_.CopyFrom(liveBoard_);
    viewTimerWasRunning_ = timerRunning_;
    SetTimerRunning(false);
    viewing_ = true;
}

void GameCycle::ShowView(const BoardStatus& board)
{
    const Batch batch(*this);
    liveBoard_.CopyFrom(board);
    // A viewed position shows still, without the flips that led to it.
    for (int i = 0; i < BoardStatus::kPlayableCells; ++i)
        liveBoard_.SetFlippedAt(i, -1);
    RedrawBoard();
}

void GameCycle::ShowViewStep(const BoardStatus& before, int move, int side, int kind)
{
    const Batch batch(*this);
    ShowView(before);
    if (move >= 0 && liveBoard_.Place(move / kSize, move % kSize, side, kind) == 0)
        PlacePieceSprite(move / kSize, move % kSize, side, kind);
}

void GameCycle::LeaveView()
{
    const Batch batch(*this);
    if (!viewing_)
        return;
    viewing_ = false;
    liveBoard_.CopyFrom(viewSavedBoard_);
    RedrawBoard();
    SetTimerRunning(viewTimerWasRunning_);
}

void GameCycle::StartDemo()
{
    const Batch batch(*this);
    LeaveView();
    mode_ = kModeDemo;
    SetCaption(countinue_, QCoreApplication::translate("GameCycle", "中断"));
    Enable(replay_, false);
    demoBoards_->ChooseBoard(&style_);
    ResetGame();
    StartRecord();
    Notify(kChangedBoard);
    for (int side = 1; side <= 2; ++side) {
        SetFace(side, 0);
        ShowNameAndRecord(side);
    }
    StartTimer();
}

void GameCycle::FinishDemo()
{
    const Batch batch(*this);
    if (restartCounter_ != 0) {
        --restartCounter_;
        if (restartCounter_ < 1 && mode_ == kModeDemo)
            StartDemo();
        return;
    }
    restartCounter_ = kDemoRestartTicks;
    if (player1st_.State() == kStateFinished || player2nd_.State() == kStateFinished)
        return;
    ShowEnd();
}

void GameCycle::RedrawBoard()
{
    const Batch batch(*this);
    LayoutSprites();
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            if (!BoardStatus::IsOnBoard(row, column))
                continue;
            liveBoard_.SetAnimStep(row, column, 0);
            ShowStill(row, column, liveBoard_.OwnerAt(row, column), ShownKind(row, column));
        }
    }
    // Every sprite is repainted with the board.
    for (const int cell : dirtyCells_)
        dirty_[cell] = false;
    dirtyCells_.clear();
    Notify(kChangedBoard);
}

void GameCycle::PlacePieceSprite(int row, int column, int side, int kind)
{
    const Batch batch(*this);
    if (side == 1)
        SetSprite(row, column, style_.FloatPicture1st(kind, 0), style_.Transparent1stFloat() == 1);
    else
        SetSprite(row, column, style_.FloatPicture2nd(kind, 0), style_.Transparent2ndFloat() == 1);
}

int GameCycle::PieceKindFor(int row, int column, int side) const
{
    switch (style_.BoardType()) {
    case BoardStyle::kTypeRandom: {
        const int kinds = style_.KindCount(side);
        return kinds > 0 ? Random::Next() % kinds : 0;
    }
    case BoardStyle::kTypePicture:
        return BoardStatus::IsOnBoard(row, column) ? PlayableIndex(row, column) : 0;
    default:
        return 0;
    }
}

bool GameCycle::RevealStep(int side)
{
    const Batch batch(*this);
    for (int i = 0; i < BoardStatus::kPlayableCells; ++i) {
        const int cell = liveBoard_.FlippedAt(i);
        if (cell == -1)
            continue;
        liveBoard_.SetAnimStep(cell / kSize, cell % kSize, 1);
        liveBoard_.SetFlippedAt(i, -1);
        break;
    }

    const bool animate = options_->GetAnimation() != 0;
    const int frames = style_.FrameCount(side);
    bool advanced = false;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            int step = liveBoard_.AnimStepAt(row, column);
            if (step == 0)
                continue;
            const int kind = ShownKind(row, column);
            const int owner = liveBoard_.OwnerAt(row, column);
            if (step < frames && animate) {
                // The turning frames belong to the side that lost the piece.
                if (owner == 1)
                    SetSprite(row, column, style_.FloatPicture2nd(kind, step), style_.Transparent2ndFloat() == 1);
                else
                    SetSprite(row, column, style_.FloatPicture1st(kind, step), style_.Transparent1stFloat() == 1);
                ++step;
            } else {
                ShowStill(row, column, owner, kind);
                step = 0;
            }
            liveBoard_.SetAnimStep(row, column, step);
            advanced = true;
        }
    }
    return advanced;
}

void GameCycle::BitBtnCountinueClick()
{
    const Batch batch(*this);
    LeaveView();
    if (!countinue_.enabled)
        return;
    if (timerRunning_) {
        SetTimerRunning(false);
        SetCaption(countinue_, QCoreApplication::translate("GameCycle", "継続"));
        Enable(prepare_, true);
        Enable(exit_, true);
        return;
    }
    StartTimer();
    SetCaption(countinue_, QCoreApplication::translate("GameCycle", "中断"));
    if (mode_ == kModeGame || mode_ == kModeReplay) {
        Enable(prepare_, false);
        Enable(exit_, false);
    }
}

void GameCycle::BitBtnReplayClick()
{
    const Batch batch(*this);
    if (!replay_.enabled)
        return;
    if (mode_ == kModeReplay)
        FinishReplay();
    StartReplay();
}

void GameCycle::BitBtnPassClick()
{
    const Batch batch(*this);
    Enable(pass_, false);
}

void GameCycle::BitBtnBorderClick()
{
    const Batch batch(*this);
    if (!border_.enabled)
        return;
    borderShown_ = !borderShown_;
    SetCaption(border_, borderShown_ ? QCoreApplication::translate("GameCycle", "境界線を隠す") : QCoreApplication::translate("GameCycle", "境界線を表示する"));
    Notify(kChangedBoard);
}

void GameCycle::MenuUndoClick()
{
    const Batch batch(*this);
    if (undo_.enabled)
        GoBackTo(history_.UndoTarget(liveBoard_, side_));
}

void GameCycle::MenuRedoClick()
{
    const Batch batch(*this);
    if (redo_.enabled)
        GoBackTo(history_.RedoTarget(liveBoard_, side_));
}

void GameCycle::RecordUserTurn()
{
    if (mode_ != kModeGame || PlayerOf(side_).PlayType() != Player::kPlayUser || liveBoard_.HasLegalMove(side_) != 1)
        return;
    MoveHistory::Point point;
    point.board.CopyFrom(liveBoard_);
    point.record = record_;
    point.side = side_;
    point.status = {ViewOf(1).point, ViewOf(2).point};
    history_.Record(point);
}

void GameCycle::GoBackTo(int index)
{
    if (index < 0)
        return;
    // A reply or a hint being searched for belongs to the position taken back.
    ClearHint();
    searchWorker_.Cancel();
    const MoveHistory::Point& point = history_.MoveTo(index);
    liveBoard_.CopyFrom(point.board);
    record_ = point.record;
    Notify(kChangedRecord);
    side_ = point.side;
    pacing_ = 0;
    brain1st_.Clear();
    brain2nd_.Clear();
    player1st_.SetState(kStateIdle);
    player2nd_.SetState(kStateIdle);
    Enable(pass_, false);
    Player::ResetThinkingClock();
    RedrawBoard();
    ShowStatus(-1, -1);
    SetText(ViewOf(1).point, point.status[0]);
    SetText(ViewOf(2).point, point.status[1]);
    ShowTurnColours();
    SetText(message_, side_ == 1 ? QCoreApplication::translate("GameCycle", "先手の番です") : QCoreApplication::translate("GameCycle", "後手の番です"));
}

void GameCycle::ShowAidCommands()
{
    const bool open = mode_ == kModeGame && player1st_.State() != kStateFinished
        && player2nd_.State() != kStateFinished
        && (player1st_.PlayType() == Player::kPlayUser || player2nd_.PlayType() == Player::kPlayUser);
    Enable(undo_, open && history_.UndoTarget(liveBoard_, side_) >= 0);
    Enable(redo_, open && history_.RedoTarget(liveBoard_, side_) >= 0);
    Enable(hint_, UserAsked() && !hintPending_ && hintCell_ < 0);
}

bool GameCycle::UserAsked() const
{
    const Player& player = PlayerOf(side_);
    return mode_ == kModeGame && player.PlayType() == Player::kPlayUser && player.State() == kStateThinking;
}

void GameCycle::MenuHintClick()
{
    const Batch batch(*this);
    if (!hint_.enabled)
        return;
    hintPending_ = true;
    PollHint();
}

void GameCycle::PollHint()
{
    if (!hintPending_ || !UserAsked())
        return;
    const std::array<int, 3> codes = {SearchStrategy::kCodeDeepRead, Brain::kCodeNone, Brain::kCodeNone};
    // Starting again is a no-op while the same request runs, and resumes one a pause stopped.
    searchWorker_.Start(SearchWorker::Request{liveBoard_, side_, codes, SearchBudget{}});
    const std::optional<SearchWorker::Cells> cells = searchWorker_.Take(liveBoard_, side_, codes);
    if (!cells)
        return;
    hintPending_ = false;
    if (!(*cells)[0].empty())
        hintCell_ = (*cells)[0].front();
    Notify(kChangedTexts);
}

void GameCycle::ClearHint()
{
    if (hintPending_)
        searchWorker_.Cancel();
    hintPending_ = false;
    if (hintCell_ >= 0) {
        hintCell_ = -1;
        Notify(kChangedTexts);
    }
}

void GameCycle::ImageBoardMouseDown(int x, int y)
{
    ChooseCell(CellAt(x, y));
}

void GameCycle::ChooseCell(int cell)
{
    if (!timerRunning_ || cell < 0 || cell >= BoardStatus::kCells)
        return;
    Player& player = PlayerOf(side_);
    // Only a side that is waiting for its move takes a click; a vote cast
    // earlier would be played on its next turn.
    if (player.PlayType() != Player::kPlayUser || player.State() != kStateThinking)
        return;
    const int row = cell / kSize;
    const int column = cell % kSize;
    if (liveBoard_.IsLegal(row, column, side_) == 1)
        BrainOf(side_).AddVote(row, column);
}

bool GameCycle::ImageBoardMouseMove(int x, int y) const
{
    if (!timerRunning_)
        return false;
    const Player& player = PlayerOf(side_);
    if (player.PlayType() != Player::kPlayUser || player.State() != kStateThinking)
        return false;
    const int cell = CellAt(x, y);
    return cell >= 0 && liveBoard_.IsLegal(cell / kSize, cell % kSize, side_) == 1;
}

int GameCycle::CellAt(int x, int y) const
{
    const int pointerX = x + kPointerOffsetX;
    const int pointerY = y + kPointerOffsetY;
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column) {
            const QRect& rect = sprites_[row * kSize + column].rect;
            if (rect.isEmpty())
                continue;
            const int left = rect.x() + kPictureLeft;
            const int top = rect.y() + kPictureTop;
            if (top < pointerY && pointerY < top + kHitSize && left < pointerX && pointerX < left + kHitSize)
                return row * kSize + column;
        }
    }
    return -1;
}

Player& GameCycle::PlayerFor(int side)
{
    return PlayerOf(side);
}

BoardStyle& GameCycle::Style()
{
    return style_;
}

BoardStatus& GameCycle::LiveBoard()
{
    return liveBoard_;
}

void GameCycle::SetTimerRunning(bool running)
{
    const Batch batch(*this);
    if (!running)
        searchWorker_.Cancel();
    if (timerRunning_ == running)
        return;
    timerRunning_ = running;
    Notify(kChangedTimer);
}

void GameCycle::SetTimerInterval(int milliseconds)
{
    const Batch batch(*this);
    // A timer of interval 0 would fire without pause.
    const int interval = std::max(1, milliseconds);
    if (timerInterval_ == interval)
        return;
    timerInterval_ = interval;
    Notify(kChangedTimer);
}

int GameCycle::GameMode() const
{
    return mode_;
}

int GameCycle::SideToMove() const
{
    return side_;
}

bool GameCycle::TimerRunning() const
{
    return timerRunning_;
}

int GameCycle::TimerInterval() const
{
    return timerInterval_;
}

const QString& GameCycle::Message() const
{
    return message_;
}

const GameCycle::SideView& GameCycle::Side(int side) const
{
    return sides_[side == 1 ? 0 : 1];
}

const GameCycle::Command& GameCycle::Prepare() const
{
    return prepare_;
}

const GameCycle::Command& GameCycle::Replay() const
{
    return replay_;
}

const GameCycle::Command& GameCycle::Countinue() const
{
    return countinue_;
}

const GameCycle::Command& GameCycle::Pass() const
{
    return pass_;
}

const GameCycle::Command& GameCycle::Border() const
{
    return border_;
}

const GameCycle::Command& GameCycle::Exit() const
{
    return exit_;
}

bool GameCycle::BorderShown() const
{
    return borderShown_;
}

const GameCycle::Sprite& GameCycle::SpriteAt(int row, int column) const
{
    static const Sprite kNone;
    if (row < 0 || row >= kSize || column < 0 || column >= kSize)
        return kNone;
    return sprites_[row * kSize + column];
}

std::vector<int> GameCycle::TakeDirtyCells()
{
    std::vector<int> cells;
    cells.swap(dirtyCells_);
    for (const int cell : cells)
        dirty_[cell] = false;
    return cells;
}

std::bitset<BoardStatus::kCells> GameCycle::UserLegalCells() const
{
    std::bitset<BoardStatus::kCells> cells;
    const Player& player = PlayerOf(side_);
    if (mode_ != kModeGame || player.PlayType() != Player::kPlayUser || player.State() != kStateThinking)
        return cells;
    for (int cell = 0; cell < BoardStatus::kCells; ++cell) {
        if (liveBoard_.IsLegal(cell / kSize, cell % kSize, side_) == 1)
            cells.set(static_cast<std::size_t>(cell));
    }
    return cells;
}

int GameCycle::LastMove() const
{
    const int count = liveBoard_.MoveCount();
    return count > 0 ? liveBoard_.MoveAt(count - 1) : -1;
}

Player& GameCycle::PlayerOf(int side)
{
    return side == 1 ? player1st_ : player2nd_;
}

const Player& GameCycle::PlayerOf(int side) const
{
    return side == 1 ? player1st_ : player2nd_;
}

Brain& GameCycle::BrainOf(int side)
{
    return side == 1 ? brain1st_ : brain2nd_;
}

GameCycle::SideView& GameCycle::ViewOf(int side)
{
    return sides_[side == 1 ? 0 : 1];
}

int GameCycle::BaseTimer() const
{
    // Below 1 the pacing countdown would never run out.
    return std::max(1, options_->GetBaseTimer());
}

int GameCycle::PacingInterval() const
{
    return std::min(style_.IntervalTime(), kMaxIntervalTime);
}

int GameCycle::ShownKind(int row, int column) const
{
    switch (style_.BoardType()) {
    case BoardStyle::kTypeRandom:
        return liveBoard_.KindAt(row, column);
    case BoardStyle::kTypePicture:
        return PlayableIndex(row, column);
    default:
        return 0;
    }
}

QRect GameCycle::SpriteRect(int row, int column) const
{
    if (!BoardStatus::IsOnBoard(row, column))
        return QRect();
    // Every type but Picture, even an unknown one, lays pieces out like Normal.
    if (style_.BoardType() == BoardStyle::kTypePicture)
        return QRect(kSquareOrigin + kCellPitch * column, kSquareOrigin + kCellPitch * row, kCellPitch, kCellPitch);
    return QRect(kPieceOrigin + kCellPitch * column, kPieceOrigin + kCellPitch * row, kPieceSize, kPieceSize);
}

void GameCycle::LayoutSprites()
{
    for (int row = 0; row < kSize; ++row) {
        for (int column = 0; column < kSize; ++column)
            sprites_[row * kSize + column].rect = SpriteRect(row, column);
    }
}

void GameCycle::SetSprite(int row, int column, const QImage& picture, bool transparent)
{
    const int cell = row * kSize + column;
    Sprite& sprite = sprites_[cell];
    sprite.picture = picture;
    sprite.transparent = transparent;
    if (!dirty_[cell]) {
        dirty_[cell] = true;
        dirtyCells_.push_back(cell);
    }
    Notify(kChangedCells);
}

void GameCycle::ShowStill(int row, int column, int owner, int kind)
{
    switch (owner) {
    case 1:
        SetSprite(row, column, style_.FloatPicture1st(kind, 0), style_.Transparent1stFloat() == 1);
        break;
    case 2:
        SetSprite(row, column, style_.FloatPicture2nd(kind, 0), style_.Transparent2ndFloat() == 1);
        break;
    default:
        SetSprite(row, column, style_.NoFloatPicture(), style_.TransparentNoFloat() == 1);
        break;
    }
}

void GameCycle::StartTimer()
{
    SetTimerRunning(true);
}

void GameCycle::SetText(QString& field, const QString& text)
{
    if (field == text)
        return;
    field = text;
    Notify(kChangedTexts);
}

void GameCycle::SetCaption(Command& command, const QString& caption)
{
    SetText(command.caption, caption);
}

void GameCycle::Enable(Command& command, bool enabled)
{
    if (command.enabled == enabled)
        return;
    command.enabled = enabled;
    Notify(kChangedTexts);
}

void GameCycle::SetNameColour(int side, PanelColour colour)
{
    SideView& view = ViewOf(side);
    if (view.nameColour == colour)
        return;
    view.nameColour = colour;
    Notify(kChangedTexts);
}

void GameCycle::SetFace(int side, int faceIndex)
{
    SideView& view = ViewOf(side);
    if (view.faceIndex == faceIndex)
        return;
    view.faceIndex = faceIndex;
    Notify(kChangedTexts);
}

void GameCycle::ShowNameAndRecord(int side)
{
    SetText(ViewOf(side).name, TextCodec::ToUi(PlayerOf(side).Name()));
    ShowRecord(side);
}

void GameCycle::ShowRecord(int side)
{
    const Player& player = PlayerOf(side);
    SetText(ViewOf(side).gameResult,
            QCoreApplication::translate("GameCycle", "%1勝%2敗%3分").arg(player.Wins(), 4).arg(player.Losses(), 4).arg(player.Draws(), 4));
}

void GameCycle::ShowScore(int side)
{
    SetText(ViewOf(side).score, QString::asprintf("%d/76", liveBoard_.CountOwner(side)));
}

void GameCycle::ShowEnd()
{
    for (int side = 1; side <= 2; ++side) {
        ShowScore(side);
        SetText(ViewOf(side).point, QStringLiteral("End"));
        PlayerOf(side).SetState(kStateFinished);
    }
}

void GameCycle::ShowTurnColours()
{
    SetNameColour(side_, PanelColour::Aqua);
    SetNameColour(3 - side_, PanelColour::Silver);
}

bool GameCycle::ReplayExhausted() const
{
    return liveBoard_.MoveCount() >= savedBoard_.MoveCount();
}

void GameCycle::Notify(unsigned changes)
{
    pendingChanges_ |= changes;
}
