#include "app/TFormStats.h"

#include "platform/ModalHost.h"
#include "platform/TextCodec.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TFormStats::TFormStats(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormStats"));
    setWindowTitle(tr("成績"));
    TableStats = new QTableWidget(0, 7, this);
    TableStats->setObjectName(QStringLiteral("TableStats"));
    TableStats->setHorizontalHeaderLabels({tr("プレイヤー"), tr("セット"), tr("対局"),
                                           tr("勝"), tr("敗"), tr("分"),
                                           tr("最長連勝")});
    TableStats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableStats->setSelectionBehavior(QAbstractItemView::SelectRows);
    TableStats->setSelectionMode(QAbstractItemView::SingleSelection);
    TableStats->verticalHeader()->hide();
    TableStats->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    TableStats->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ButtonReset = new QPushButton(tr("リセット"), this);
    ButtonReset->setObjectName(QStringLiteral("ButtonReset"));
    ButtonClose = new QPushButton(tr("閉じる"), this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    LabelMessage = new QLabel(this);
    LabelMessage->setTextFormat(Qt::PlainText);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelMessage, 1);
    buttons->addWidget(ButtonReset);
    buttons->addWidget(ButtonClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TableStats, 1);
    layout->addLayout(buttons);
    resize(560, 360);

    connect(ButtonReset, &QPushButton::clicked, this, &TFormStats::ButtonResetClick);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(TableStats, &QTableWidget::itemSelectionChanged, this,
            [this] { ButtonReset->setEnabled(TableStats->currentRow() >= 0 && !TableStats->selectedItems().isEmpty()); });
}

void TFormStats::FormShow()
{
    entries_ = LifetimeStats(LifetimeStats::FilePath()).Entries();
    TableStats->clearContents();
    TableStats->setRowCount(static_cast<int>(entries_.size()));
    for (int row = 0; row < static_cast<int>(entries_.size()); ++row) {
        const LifetimeStats::Entry& e = entries_[static_cast<std::size_t>(row)];
        const QString name = e.name.empty() ? TextCodec::ToUi(e.section) : TextCodec::ToUi(e.name);
        const QString texts[7] = {name,
                                  TextCodec::ToUi(e.setFile) + QStringLiteral(" : ") + TextCodec::ToUi(e.section),
                                  QString::number(e.Games()),
                                  QString::number(e.wins),
                                  QString::number(e.losses),
                                  QString::number(e.draws),
                                  QString::number(e.longestStreak)};
        for (int column = 0; column < 7; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            TableStats->setItem(row, column, item);
        }
    }
    LabelMessage->setText(entries_.empty() ? tr("まだ対局の記録がありません") : QString());
    TableStats->clearSelection();
    ButtonReset->setEnabled(false);
}

void TFormStats::ButtonResetClick()
{
    const int row = TableStats->currentRow();
    if (row < 0 || row >= static_cast<int>(entries_.size()))
        return;
    const LifetimeStats::Entry entry = entries_[static_cast<std::size_t>(row)];
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("%1 の通算成績をリセットしますか？").arg(TableStats->item(row, 0)->text()),
                    QMessageBox::Yes | QMessageBox::No, this);
    const int answer = ModalHost::ShowModal(box);
    if (answer != QMessageBox::Yes && answer != kModalYes)
        return;
    LifetimeStats stats(LifetimeStats::FilePath());
    stats.Reset(entry.setFile, entry.section);
    if (stats.Save() != 0) {
        LabelMessage->setText(tr("Records\\Stats.ini に書き込めませんでした"));
        return;
    }
    FormShow();
}
