#pragma once

// How a modal window was closed.
enum ModalResult : int {
    kModalNone = 0,
    kModalOk = 1,
    kModalCancel = 2,
    kModalYes = 6,
    kModalNo = 7,
};
