#pragma once

#include "platform/ModalHost.h"
#include "platform/ModalResult.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QMessageBox>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// Answers every modal window a window test opens, for as long as it lives:
// message boxes are recorded and answered (a Yes/No question from `answers`,
// No once it runs dry), other dialogs go to the handler given for their type,
// and any other dialog fails the test.
class ScriptedModals {
public:
    ScriptedModals()
    {
        ModalHost::SetResponder([this](QDialog& dialog) { return Respond(dialog); });
    }
    ~ScriptedModals() { ModalHost::SetResponder({}); }
    ScriptedModals(const ScriptedModals&) = delete;
    ScriptedModals& operator=(const ScriptedModals&) = delete;

    template <class Dialog>
    void On(std::function<int(Dialog&)> handler)
    {
        handlers_.push_back([handler](QDialog& dialog) -> std::optional<int> {
            if (auto* typed = dynamic_cast<Dialog*>(&dialog))
                return handler(*typed);
            return std::nullopt;
        });
    }

    QStringList messages;   // the text of every message box, in order
    QStringList questions;  // those of them that asked Yes or No
    std::deque<int> answers;

private:
    int Respond(QDialog& dialog)
    {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            messages << box->text();
            if (!(box->standardButtons() & QMessageBox::Yes))
                return kModalOk;
            questions << box->text();
            const int answer = answers.empty() ? static_cast<int>(kModalNo) : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        }
        for (const auto& handler : handlers_) {
            if (const std::optional<int> result = handler(dialog))
                return *result;
        }
        ADD_FAILURE() << "unexpected dialog " << dialog.objectName().toStdString();
        return kModalCancel;
    }

    std::vector<std::function<std::optional<int>(QDialog&)>> handlers_;
};
