#include "setup/TFormInputSetName.h"

#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "platform/TextCodec.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

constexpr int kButtonWidth = 88;
constexpr int kEditWidth = 260;

}  // namespace

TFormInputSetName::TFormInputSetName(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormInputSetName"));
    setWindowTitle(tr("テセラ／セット名"));
    QFont font(QStringLiteral("IPAGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    LabelContent = new QLabel(tr("セット名を入力してください"), this);
    LabelContent->setObjectName(QStringLiteral("LabelContent"));
    EditSetName = new QLineEdit(this);
    EditSetName->setObjectName(QStringLiteral("EditSetName"));
    EditSetName->setFixedWidth(kEditWidth);
    LabelContent->setBuddy(EditSetName);

    ButtonOk = new QPushButton(tr("決定"), this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setDefault(true);
    ButtonCancel = new QPushButton(tr("キャンセル"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    for (QPushButton* button : {ButtonOk, ButtonCancel}) {
        button->setFixedWidth(kButtonWidth);
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addWidget(LabelContent);
    layout->addWidget(EditSetName);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormInputSetName::ButtonOkClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormInputSetName::ButtonCancelClick);
}

void TFormInputSetName::FormShow()
{
    EditSetName->setText(TextCodec::ToUi(setName_));
    EditSetName->selectAll();
    EditSetName->setFocus();
}

void TFormInputSetName::ButtonOkClick()
{
    std::string name;
    if (!TextCodec::FromUi(EditSetName->text(), &name)) {
        Refuse(tr("セット名に使えない文字（シフトJISで表せない文字）が含まれています。"));
        return;
    }
    if (name.size() > kSetNameBytes) {
        Refuse(tr("セット名が長すぎます。半角%1文字（全角%2文字）までにしてください。")
                   .arg(kSetNameBytes)
                   .arg(kSetNameBytes / 2));
        return;
    }
    setName_ = std::move(name);
    done(kModalOk);
}

void TFormInputSetName::ButtonCancelClick()
{
    done(kModalCancel);
}

void TFormInputSetName::reject()
{
    ButtonCancelClick();
}

void TFormInputSetName::Refuse(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, tr("テセラ"), message, QMessageBox::Ok, this);
    ModalHost::ShowModal(box);
    EditSetName->setFocus();
}

void TFormInputSetName::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormShow();
}
