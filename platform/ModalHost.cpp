#include "platform/ModalHost.h"

#include "platform/FormWidgets.h"

#include <QDialog>

namespace {

ModalHost::Responder& CurrentResponder()
{
    static ModalHost::Responder responder;
    return responder;
}

}  // namespace

int ModalHost::ShowModal(QDialog& dialog)
{
    if (CurrentResponder())
        return CurrentResponder()(dialog);
    // Placed before showing, as a window that moves while it is shown may be left undrawn;
    // a window with an owner is centred over it by the dialog itself.
    if (!dialog.isVisible() && dialog.parentWidget() == nullptr)
        FormWidgets::CentreOnScreen(&dialog);
    const int result = dialog.exec();
    // reject(), the close box and Escape all end with QDialog::Rejected.
    return result == QDialog::Rejected ? kModalCancel : result;
}

void ModalHost::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}
