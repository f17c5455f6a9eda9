#pragma once

#include "platform/ModalHost.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

// One key press per character (a line break as Return), as a person types.
void TypeText(QWidget* widget, const QString& text);

// Answers every modal window and file dialog for one test, keeping what they showed.
class ScriptedDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs();
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    std::vector<QString> texts;     // message box texts, in order
    std::vector<QString> captions;  // file dialog captions, in order
    QStringList picks;              // file dialog answers in order; none left means Cancel
    int answer = kModalOk;          // every message box's answer
};
