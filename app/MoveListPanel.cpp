#include "app/MoveListPanel.h"

#include "app/EvalGraph.h"
#include "records/Notation.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

MoveListPanel::MoveListPanel(QWidget* parent)
    : QWidget(parent)
{
    ListMoves = new QListWidget(this);
    ListMoves->setObjectName(QStringLiteral("ListMoves"));
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    ListMoves->setFont(fixed);
    // Wide enough for the longest line an analysed move can have, in the language shown.
    GameAnalysis::MoveScore widest;
    widest.scored = widest.mistake = widest.exact = true;
    widest.played = -64 * GameAnalysis::kPiece;
    widest.best = 64 * GameAnalysis::kPiece;
    widest.bestCell = Notation::ParseCell("g10");
    widest.loss = 2 * widest.best;
    const QString sample = EntryText({100, 1, Notation::ParseCell("d10"), 19}, &widest);
    ListMoves->setMinimumWidth(ListMoves->fontMetrics().horizontalAdvance(sample) + 2 * ListMoves->frameWidth()
                               + ListMoves->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);

    const auto button = [this](const char* name, const QString& caption) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setAutoDefault(false);
        made->setFocusPolicy(Qt::NoFocus);
        return made;
    };
    BitBtnFirst = button("BitBtnFirst", QStringLiteral("|◀"));
    BitBtnBack = button("BitBtnBack", QStringLiteral("◀"));
    BitBtnForward = button("BitBtnForward", QStringLiteral("▶"));
    BitBtnLast = button("BitBtnLast", QStringLiteral("▶|"));
    BitBtnFirst->setToolTip(tr("最初 (Home)"));
    BitBtnBack->setToolTip(tr("1 手戻る (←)"));
    BitBtnForward->setToolTip(tr("1 手進む (→)"));
    BitBtnLast->setToolTip(tr("最後 (End)"));
    GraphEval = new EvalGraph(this);
    GraphEval->setObjectName(QStringLiteral("GraphEval"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {BitBtnFirst, BitBtnBack, BitBtnForward, BitBtnLast})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListMoves, 1);
    layout->addLayout(buttons);
    layout->addWidget(GraphEval);

    connect(BitBtnFirst, &QPushButton::clicked, this, [this] { emit JumpRequested(0); });
    connect(BitBtnBack, &QPushButton::clicked, this, [this] { emit JumpRequested(std::max(0, shown_ - 1)); });
    connect(BitBtnForward, &QPushButton::clicked, this, [this] { emit ForwardRequested(); });
    connect(BitBtnLast, &QPushButton::clicked, this, [this] { emit JumpRequested(count_); });
    // Only a user's click jumps; the panel setting its own row does not.
    connect(ListMoves, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit JumpRequested(ListMoves->row(item)); });
    connect(GraphEval, &EvalGraph::ShownClicked, this, &MoveListPanel::JumpRequested);
}

QString MoveListPanel::EntryText(const RecordViewer::Entry& entry, const GameAnalysis::MoveScore* score)
{
    const QString side = entry.side == 1 ? tr("先") : tr("後");
    QString text;
    if (entry.cell == Notation::kPass)
        text = tr("%1 %2 パス     ").arg(entry.number, 3).arg(side);
    else
        text = tr("%1 %2 %3 %4枚")
                   .arg(entry.number, 3)
                   .arg(side)
                   .arg(QString::fromStdString(Notation::CellText(entry.cell)), -3)
                   .arg(entry.flipped, 2);
    if (score == nullptr || !score->scored)
        return QStringLiteral(" ") + text;
    // "=" marks the endgame solver's exact piece difference; a bare score is the search's estimate.
    const auto scoreText = [score](int hundredths) {
        return (score->exact ? QStringLiteral("=") : QString()) + QString::fromStdString(GameAnalysis::PiecesText(hundredths));
    };
    text = (score->mistake ? QStringLiteral("?") : QStringLiteral(" ")) + text;
    text += QStringLiteral(" %1").arg(scoreText(score->played), 6);
    if (score->bestCell != entry.cell)
        text += tr("  最善 %1 %2 (-%3)")
                    .arg(QString::fromStdString(Notation::CellText(score->bestCell)))
                    .arg(scoreText(score->best))
                    .arg(QString::fromStdString(GameAnalysis::PiecesText(score->loss)).remove(QLatin1Char('+')));
    return text;
}

void MoveListPanel::SetEntries(const std::vector<RecordViewer::Entry>& entries,
                               const std::vector<GameAnalysis::MoveScore>& scores)
{
    const QSignalBlocker blocker(ListMoves);
    const bool scored = scores.size() == entries.size();
    ListMoves->clear();
    ListMoves->addItem(tr("   0    開始局面"));
    std::vector<int> forecast;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const GameAnalysis::MoveScore* score = scored ? &scores[i] : nullptr;
        auto* item = new QListWidgetItem(EntryText(entries[i], score), ListMoves);
        if (score != nullptr && score->mistake)
            item->setForeground(QColor(200, 0, 0));
        if (score != nullptr)
            forecast.push_back(score->forecast);
    }
    count_ = static_cast<int>(entries.size());
    GraphEval->SetValues(forecast);
    GraphEval->setVisible(scored && !entries.empty());
    SetShown(std::min(shown_, count_));
}

void MoveListPanel::SetShown(int shown)
{
    shown_ = shown;
    const QSignalBlocker blocker(ListMoves);
    ListMoves->setCurrentRow(shown);
    if (QListWidgetItem* item = ListMoves->item(shown))
        ListMoves->scrollToItem(item);
    GraphEval->SetShown(shown);
    BitBtnFirst->setEnabled(shown > 0);
    BitBtnBack->setEnabled(shown > 0);
    BitBtnForward->setEnabled(shown < count_);
    BitBtnLast->setEnabled(shown < count_);
}
