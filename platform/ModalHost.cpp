#include "platform/ModalHost.h"

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
    const int result = dialog.exec();
    // reject(), the close box and Escape all end with QDialog::Rejected.
    return result == QDialog::Rejected ? kModalCancel : result;
}

void ModalHost::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}
