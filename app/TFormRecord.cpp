#include "app/TFormRecord.h"

#include "app/GameCycle.h"
#include "app/MoveListPanel.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "records/Notation.h"
#include "records/RecordStore.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

namespace {

std::string Utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

TFormRecord::TFormRecord(GameCycle& cycle, QWidget* parent)
    : QWidget(parent, Qt::Tool), cycle_(cycle)
{
    setObjectName(QStringLiteral("TFormRecord"));
    setWindowTitle(tr("棋譜"));
    PanelMoves = new MoveListPanel(this);
    ButtonAnalyse = new QPushButton(tr("解析"), this);
    ButtonAnalyse->setObjectName(QStringLiteral("ButtonAnalyse"));
    ButtonLeave = new QPushButton(tr("対局に戻る"), this);
    ButtonLeave->setObjectName(QStringLiteral("ButtonLeave"));
    ButtonPlayFromHere = new QPushButton(tr("ここから対局"), this);
    ButtonPlayFromHere->setObjectName(QStringLiteral("ButtonPlayFromHere"));
    for (QPushButton* b : {ButtonAnalyse, ButtonPlayFromHere, ButtonLeave}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextFormat(Qt::PlainText);

    auto* commands = new QHBoxLayout;
    commands->addWidget(ButtonAnalyse);
    commands->addWidget(ButtonPlayFromHere);
    commands->addWidget(ButtonLeave);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PanelMoves, 1);
    layout->addLayout(commands);
    layout->addWidget(LabelStatus);
    resize(380, 520);

    TimerAnalysis = new QTimer(this);
    TimerAnalysis->setInterval(100);
    TimerStep = new QTimer(this);
    TimerStep->setInterval(60);
    connect(TimerAnalysis, &QTimer::timeout, this, &TFormRecord::AnalysisTimerTimer);
    connect(TimerStep, &QTimer::timeout, this, &TFormRecord::StepTimerTimer);
    connect(ButtonAnalyse, &QPushButton::clicked, this, &TFormRecord::ButtonAnalyseClick);
    connect(ButtonLeave, &QPushButton::clicked, this, &TFormRecord::ButtonLeaveClick);
    connect(ButtonPlayFromHere, &QPushButton::clicked, this, &TFormRecord::ButtonPlayFromHereClick);
    connect(PanelMoves, &MoveListPanel::JumpRequested, this, &TFormRecord::Jump);
    connect(PanelMoves, &MoveListPanel::ForwardRequested, this, &TFormRecord::Forward);

    const auto key = [this](Qt::Key k, auto handler) {
        auto* shortcut = new QShortcut(QKeySequence(k), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(Qt::Key_Left, [this] { Jump(PanelMoves->Shown() - 1); });
    key(Qt::Key_Right, [this] { Forward(); });
    key(Qt::Key_Home, [this] { Jump(0); });
    key(Qt::Key_End, [this] { Jump(viewing_ ? viewer_.MoveCount() : static_cast<int>(cycle_.Record().Moves().size())); });

    ShowList();
}

QString TFormRecord::Filter()
{
    return tr("棋譜 (*.tsr *.TSR);;すべてのファイル (*)");
}

TFormRecord::~TFormRecord()
{
    worker_.Cancel();
}

void TFormRecord::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit Closed();
}

void TFormRecord::CycleChanged(unsigned changes)
{
    // A start, replay or continue command ended the view.
    if (viewing_ && !cycle_.Viewing()) {
        viewing_ = false;
        TimerStep->stop();
        StopAnalysis();
        scores_.clear();
        ShowList();
        return;
    }
    if (!viewing_ && (changes & GameCycle::kChangedRecord) != 0)
        ShowList();
    else if ((changes & GameCycle::kChangedTexts) != 0)
        ShowCommands();
}

GameRecord TFormRecord::CurrentRecord() const
{
    if (viewing_) {
        GameRecord record = viewer_.Record();
        if (scores_.size() == record.Moves().size() && !scores_.empty())
            GameAnalysis::Annotate(record, scores_);
        return record;
    }
    GameRecord record = cycle_.Record();
    RecordStore::StampTime(record, Clock::Now());
    return record;
}

void TFormRecord::View(const GameRecord& record)
{
    // Kinds the board design cannot show are drawn as the design would draw a new piece.
    const BoardStyle& style = cycle_.Style();
    GameRecord shown;
    shown.SetStart(record.Start(), record.StartSide());
    for (const GameRecord::Tag& tag : record.Tags())
        shown.SetTag(tag.name, tag.value);
    for (const GameRecord::Move& move : record.Moves()) {
        int kind = 0;
        if (move.cell != Notation::kPass) {
            const int side = shown.SideToMove();
            const bool keep = style.BoardType() == BoardStyle::kTypeRandom && move.kind < style.KindCount(side);
            kind = keep ? move.kind : cycle_.PieceKindFor(move.cell / 10, move.cell % 10, side);
        }
        shown.AddMove(move.cell, kind);
    }
    StopAnalysis();
    scores_.clear();
    viewer_ = RecordViewer(shown);
    viewing_ = true;
    cycle_.EnterView();
    ShowList();
}

void TFormRecord::ShowList()
{
    if (viewing_) {
        PanelMoves->SetEntries(viewer_.Entries(), scores_);
        PanelMoves->SetShown(viewer_.Shown());
    } else {
        const RecordViewer live(cycle_.Record());
        PanelMoves->SetEntries(live.Entries(), {});
        PanelMoves->SetShown(live.MoveCount());
    }
    ShowCommands();
}

void TFormRecord::ShowCommands()
{
    ButtonLeave->setEnabled(viewing_);
    // A new game may start only where the preparation command may, and not from a finished position.
    const BoardStatus& board = viewer_.Board();
    ButtonPlayFromHere->setEnabled(viewing_ && cycle_.Prepare().enabled
                                   && (board.HasLegalMove(1) == 1 || board.HasLegalMove(2) == 1));
}

void TFormRecord::ShowShown()
{
    TimerStep->stop();
    cycle_.ShowView(viewer_.Board());
    PanelMoves->SetShown(viewer_.Shown());
    ShowCommands();
}

void TFormRecord::Jump(int shown)
{
    if (!viewing_)
        View(cycle_.Record());
    viewer_.JumpTo(shown);
    ShowShown();
}

void TFormRecord::Forward()
{
    if (!viewing_) {
        View(cycle_.Record());
        viewer_.Last();
        ShowShown();
        return;
    }
    if (viewer_.Shown() >= viewer_.MoveCount())
        return;
    TimerStep->stop();
    const BoardStatus before = viewer_.Board();
    const RecordViewer::Entry entry = viewer_.Entries()[static_cast<std::size_t>(viewer_.Shown())];
    const int kind = viewer_.Record().Moves()[static_cast<std::size_t>(viewer_.Shown())].kind;
    viewer_.Forward();
    PanelMoves->SetShown(viewer_.Shown());
    ShowCommands();
    if (entry.cell == Notation::kPass) {
        cycle_.ShowView(viewer_.Board());
        return;
    }
    cycle_.ShowViewStep(before, entry.cell, entry.side, kind);
    stepSide_ = entry.side;
    TimerStep->setInterval(std::max(1, cycle_.Style().IntervalTime()));
    TimerStep->start();
}

void TFormRecord::StepTimerTimer()
{
    if (!cycle_.RevealStep(stepSide_))
        TimerStep->stop();
}

void TFormRecord::ButtonLeaveClick()
{
    TimerStep->stop();
    StopAnalysis();
    cycle_.LeaveView();
    viewing_ = false;
    scores_.clear();
    ShowList();
    ShowStatus({});
}

void TFormRecord::ButtonPlayFromHereClick()
{
    if (!viewing_)
        return;
    TimerStep->stop();
    StopAnalysis();
    const BoardStatus board = viewer_.Board();
    emit PlayFromHereRequested(board, viewer_.SideToMove());
}

void TFormRecord::ButtonAnalyseClick()
{
    if (worker_.Running()) {
        StopAnalysis();
        ShowStatus(tr("解析を中止しました"));
        return;
    }
    if (!viewing_)
        View(cycle_.Record());
    if (viewer_.MoveCount() == 0) {
        ShowStatus(tr("解析する手がありません"));
        return;
    }
    worker_.Start(viewer_.Record(), GameAnalysis::Options());
    ButtonAnalyse->setText(tr("解析中止"));
    ShowStatus(tr("解析中… 0/%1").arg(viewer_.MoveCount()));
    TimerAnalysis->start();
}

void TFormRecord::AnalysisTimerTimer()
{
    if (worker_.Running()) {
        ShowStatus(tr("解析中… %1/%2").arg(worker_.Done()).arg(worker_.Total()));
        return;
    }
    TimerAnalysis->stop();
    ButtonAnalyse->setText(tr("解析"));
    if (!worker_.Finished())
        return;
    worker_.Wait();
    scores_ = worker_.Scores();
    int mistakes[3] = {0, 0, 0};
    for (const GameAnalysis::MoveScore& score : scores_)
        mistakes[score.side] += score.mistake ? 1 : 0;
    ShowList();
    ShowStatus(tr("解析が終わりました。悪手 (%1 石以上の損): 先手 %2、後手 %3")
                   .arg(GameAnalysis::Options().mistakeThreshold / GameAnalysis::kPiece)
                   .arg(mistakes[1])
                   .arg(mistakes[2]));
}

void TFormRecord::StopAnalysis()
{
    worker_.Cancel();
    TimerAnalysis->stop();
    ButtonAnalyse->setText(tr("解析"));
}

void TFormRecord::ShowStatus(const QString& text)
{
    LabelStatus->setText(text);
}

bool TFormRecord::OpenFile(const QString& hostPath)
{
    GameRecord record;
    QString error;
    if (GameRecord::Load(Utf8(hostPath), record, &error) != 0) {
        ShowStatus(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(hostPath), error));
        show();
        return false;
    }
    View(record);
    viewer_.First();
    ShowShown();
    ShowStatus(tr("%1 を開きました").arg(QDir::toNativeSeparators(hostPath)));
    show();
    raise();
    return true;
}

bool TFormRecord::ViewText(const QString& text)
{
    GameRecord record;
    QString error;
    if (GameRecord::Read(Utf8(text), record, &error) != 0) {
        ShowStatus(tr("貼り付けた手順を読めません: %1").arg(error));
        show();
        return false;
    }
    View(record);
    viewer_.First();
    ShowShown();
    ShowStatus(tr("貼り付けた手順 (%1 手) を表示しています").arg(viewer_.MoveCount()));
    show();
    raise();
    return true;
}

void TFormRecord::MenuOpenRecordClick()
{
    const QString chosen = FileDialogs::OpenFile(this, tr("棋譜を開く"), Filter());
    if (!chosen.isEmpty())
        OpenFile(chosen);
}

void TFormRecord::MenuSaveRecordClick()
{
    const GameRecord record = CurrentRecord();
    const QString suggested = QDir(QString::fromStdString(RecordStore::FolderPath()))
                                  .filePath(QString::fromStdString(RecordStore::FileNameFor(
                                      Clock::Now(), record.TagValue(GameRecord::kTagFirst),
                                      record.TagValue(GameRecord::kTagSecond))));
    QString chosen = FileDialogs::SaveFile(this, tr("棋譜を保存"), Filter(), suggested);
    if (chosen.isEmpty())
        return;
    if (!chosen.endsWith(QStringLiteral(".tsr"), Qt::CaseInsensitive))
        chosen += QStringLiteral(".tsr");
    if (record.Save(Utf8(chosen)) != 0)
        ShowStatus(tr("%1 に保存できませんでした").arg(QDir::toNativeSeparators(chosen)));
    else
        ShowStatus(tr("%1 に保存しました").arg(QDir::toNativeSeparators(chosen)));
    show();
}

void TFormRecord::MenuCopyMovesClick()
{
    const std::string line = Notation::MoveLine(CurrentRecord().MoveCells());
    QGuiApplication::clipboard()->setText(QString::fromStdString(line));
    ShowStatus(tr("手順をコピーしました"));
}

void TFormRecord::MenuPasteMovesClick()
{
    ViewText(QGuiApplication::clipboard()->text());
}
