#pragma once

#include "data/WindowsIni.h"

#include <QString>

#include <string>

class QWidget;

// What the editors tell the user about a set file before they lose anything of it:
// a registered file that is missing, and key lines the reading rules drop, which a save removes.
class SetFileNotice {
public:
    // For the editor's opening; empty when the file is there and reads whole.
    static QString OnOpen(const std::string& storedFile);
    // The question before a save that would remove dropped lines; empty when nothing would be lost.
    static QString BeforeSave(const WindowsIni::DroppedLines& dropped);
    static QString BeforeSave(const std::string& storedFile);
    // True for "save anyway", false for cancel.
    static bool AskSaveAnyway(QWidget* parent, const QString& question);
};
