#include "setup/TFormSaveConfirm.h"

#include "platform/ModalResult.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 88;

}  // namespace

TFormSaveConfirm::TFormSaveConfirm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormSaveConfirm"));
    setWindowTitle(tr("テセラ／保存確認"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    LabelMessage = new QLabel(tr("保存しますか？"), this);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setAlignment(Qt::AlignCenter);
    LabelMessage->setMinimumHeight(40);

    BitBtnYes = new QPushButton(tr("はい"), this);
    BitBtnYes->setObjectName(QStringLiteral("BitBtnYes"));
    BitBtnNo = new QPushButton(tr("いいえ"), this);
    BitBtnNo->setObjectName(QStringLiteral("BitBtnNo"));
    BitBtnCancel = new QPushButton(tr("キャンセル"), this);
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* button : {BitBtnYes, BitBtnNo, BitBtnCancel}) {
        button->setFixedWidth(kButtonWidth);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(LabelMessage);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtnYes, &QPushButton::clicked, this, &TFormSaveConfirm::BitBtnYesClick);
    connect(BitBtnNo, &QPushButton::clicked, this, &TFormSaveConfirm::BitBtnNoClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TFormSaveConfirm::BitBtnCancelClick);
}

void TFormSaveConfirm::FormShow()
{
    setTabOrder(BitBtnYes, BitBtnNo);
    setTabOrder(BitBtnNo, BitBtnCancel);
    BitBtnYes->setDefault(true);
    BitBtnYes->setFocus();
}

void TFormSaveConfirm::BitBtnYesClick()
{
    done(kModalYes);
}

void TFormSaveConfirm::BitBtnNoClick()
{
    done(kModalNo);
}

void TFormSaveConfirm::BitBtnCancelClick()
{
    done(kModalCancel);
}

void TFormSaveConfirm::reject()
{
    BitBtnCancelClick();
}

void TFormSaveConfirm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}
