#include "setup/TFormVersionUp.h"

#include "platform/ModalResult.h"
#include "setup/Migration.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSizePolicy>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kBlinkInterval = 500;
QString UpdatingText()
{
    return QCoreApplication::translate("TFormVersionUp", "データを更新しています。");
}
QString OkCaption()
{
    return QCoreApplication::translate("TFormVersionUp", "楽しんでね！");
}

}  // namespace

TFormVersionUp::TFormVersionUp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormVersionUp"));
    setWindowTitle(tr("テセラ／バージョンアップ"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    GroupBoxVersionUp = new QGroupBox(tr("[バージョンアップ内容]"), this);
    GroupBoxVersionUp->setObjectName(QStringLiteral("GroupBoxVersionUp"));
    LabelHello = new QLabel(tr("テセラをダウンロードして頂き、ありがとうございます。"), GroupBoxVersionUp);
    LabelHello->setObjectName(QStringLiteral("LabelHello"));
    LabelContent = new QLabel(tr("前回のバージョンから変更された内容は以下の通りです。"), GroupBoxVersionUp);
    LabelContent->setObjectName(QStringLiteral("LabelContent"));
    MemoContent = new QPlainTextEdit(GroupBoxVersionUp);
    MemoContent->setObjectName(QStringLiteral("MemoContent"));
    MemoContent->setReadOnly(true);
    MemoContent->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoContent->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoContent->setFixedSize(380, 150);

    auto* groupLayout = new QVBoxLayout(GroupBoxVersionUp);
    groupLayout->setContentsMargins(12, 10, 12, 12);
    groupLayout->setSpacing(6);
    groupLayout->addWidget(LabelHello);
    groupLayout->addWidget(LabelContent);
    groupLayout->addSpacing(2);
    groupLayout->addWidget(MemoContent);

    LabelState = new QLabel(UpdatingText(), this);
    LabelState->setObjectName(QStringLiteral("LabelState"));
    QSizePolicy statePolicy = LabelState->sizePolicy();
    statePolicy.setRetainSizeWhenHidden(true);
    LabelState->setSizePolicy(statePolicy);
    ButtonOk = new QPushButton(OkCaption(), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setFixedWidth(110);
    ButtonOk->setDefault(true);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LabelState, 1);
    bottom->addWidget(ButtonOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(GroupBoxVersionUp);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Timer = new QTimer(this);
    Timer->setInterval(kBlinkInterval);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormVersionUp::ButtonOkClick);
    connect(Timer, &QTimer::timeout, this, &TFormVersionUp::TimerTimer);
}

void TFormVersionUp::FormShow()
{
    Timer->start(kBlinkInterval);
    ButtonOk->setEnabled(false);
    ButtonOk->setText(tr("処理中"));
    LabelState->setText(UpdatingText());

    const Migration::Report report = Migration::Run();
    // Notes of an earlier showing would only repeat.
    MemoContent->clear();
    for (const QString& line : Migration::Notes(report))
        MemoContent->appendPlainText(line);

    Timer->stop();
    LabelState->setText(QString());
    ButtonOk->setText(OkCaption());
    ButtonOk->setEnabled(true);
    ButtonOk->setFocus();
}

void TFormVersionUp::TimerTimer()
{
    if (stateBlink_ == 1) {
        LabelState->show();
        stateBlink_ = 0;
    } else {
        LabelState->hide();
        stateBlink_ = 1;
    }
}

void TFormVersionUp::ButtonOkClick()
{
    done(kModalOk);
}

void TFormVersionUp::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}
