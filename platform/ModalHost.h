#pragma once

#include "platform/ModalResult.h"

#include <functional>

class QDialog;

// Every modal window is shown through here, so tests can answer it instead of a person.
class ModalHost {
public:
    using Responder = std::function<int(QDialog& dialog)>;

    // Shows the dialog modally and answers its ModalResult; the close box counts as Cancel.
    static int ShowModal(QDialog& dialog);

    // While set, ShowModal hands the dialog to the responder and answers what it returns.
    static void SetResponder(Responder responder);
};
