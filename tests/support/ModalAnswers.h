#pragma once

#include "platform/ModalHost.h"

#include <functional>
#include <utility>
#include <vector>

class QDialog;

// Answers every modal window with answer(dialog) while it lives, keeping the windows shown in order.
class ModalAnswers {
public:
    explicit ModalAnswers(std::function<int(QDialog& dialog)> answer)
    {
        ModalHost::SetResponder([this, answer = std::move(answer)](QDialog& dialog) {
            shown.push_back(&dialog);
            return answer(dialog);
        });
    }
    ~ModalAnswers() { ModalHost::SetResponder({}); }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    std::vector<QDialog*> shown;
};
