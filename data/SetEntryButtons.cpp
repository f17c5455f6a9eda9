#include "data/SetEntryButtons.h"

#include "platform/ModalHost.h"
#include "platform/TextCodec.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

SetEntryButtons::SetEntryButtons(QWidget* owner, SetEntries::Kind kind, Controls controls, Texts texts, Hooks hooks)
    : owner_(owner)
    , kind_(kind)
    , controls_(controls)
    , texts_(std::move(texts))
    , hooks_(std::move(hooks))
{
}

void SetEntryButtons::SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered)
{
    onRenumbered_ = std::move(onRenumbered);
}

void SetEntryButtons::Update(const std::string& section, bool addMode, int count) const
{
    const int number = SetEntries::NumberOf(kind_, section);
    const bool shown = !addMode && number >= 0 && number < count;
    controls_.remove->setEnabled(shown);
    controls_.duplicate->setEnabled(shown);
    controls_.up->setEnabled(shown && number > 0);
    controls_.down->setEnabled(shown && number + 1 < count);
    if (addMode)
        controls_.index->setText(texts_.indexNew.arg(count));
    else if (shown)
        controls_.index->setText(texts_.indexShown.arg(number + 1).arg(count));
    else
        controls_.index->setText(texts_.indexNone.arg(count));
}

void SetEntryButtons::Run(Action action, const std::string& setFile, const std::string& section)
{
    const QPushButton* buttons[] = {controls_.remove, controls_.duplicate, controls_.up, controls_.down};
    if (!buttons[static_cast<int>(action)]->isEnabled() || !hooks_.confirmLeave())
        return;
    const int number = SetEntries::NumberOf(kind_, section);
    if (action == Action::Delete && !AskYesNo(owner_, hooks_.deleteQuestion(number)))
        return;
    SetEntries::Renumbering renumbering;
    int result = 0;
    int show = number;
    switch (action) {
    case Action::Delete:
        result = SetEntries::Delete(setFile, kind_, number, &renumbering);
        break;
    case Action::Duplicate:
        result = SetEntries::Duplicate(setFile, kind_, number, &renumbering);
        show = static_cast<int>(renumbering.size());
        break;
    case Action::Up:
    case Action::Down:
        show = action == Action::Up ? number - 1 : number + 1;
        result = SetEntries::Swap(setFile, kind_, number, show, &renumbering);
        break;
    }
    if (result == 1)
        Tell(owner_, texts_.writeFailed.arg(TextCodec::ToUi(setFile)));
    if (result != 0)
        return;
    hooks_.show(show);
    const QString notice = onRenumbered_ ? onRenumbered_(renumbering) : QString();
    if (!notice.isEmpty())
        Tell(owner_, notice);
}

bool SetEntryButtons::AskYesNo(QWidget* owner, const QString& question)
{
    QMessageBox box(QMessageBox::Question, owner->windowTitle(), question, QMessageBox::Yes | QMessageBox::No, owner);
    box.setDefaultButton(QMessageBox::No);
    const int answer = ModalHost::ShowModal(box);
    // A person answers with the box's own button codes, a test responder with the modal results.
    return answer == kModalYes || answer == QMessageBox::Yes;
}

void SetEntryButtons::Tell(QWidget* owner, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, owner->windowTitle(), message, QMessageBox::Ok, owner);
    ModalHost::ShowModal(box);
}
