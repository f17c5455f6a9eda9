#pragma once

#include "data/SetEntries.h"

#include <QString>

#include <functional>
#include <string>

class QLabel;
class QPushButton;
class QWidget;

// The entry management both set editors share: the delete, duplicate and move
// buttons with the "3 / 7" indicator, the change of the set file and the
// report to whoever keeps references to the renumbered entries.
class SetEntryButtons {
public:
    enum class Action { Delete, Duplicate, Up, Down };

    struct Controls {
        QPushButton* remove;
        QPushButton* duplicate;
        QPushButton* up;
        QPushButton* down;
        QLabel* index;
    };
    // Texts as the editor translates them: %1 entry number, %2 (or %1 for a new entry) the count.
    struct Texts {
        QString indexNew;
        QString indexShown;
        QString indexNone;
        QString writeFailed;  // %1 the set file
    };
    struct Hooks {
        std::function<bool()> confirmLeave;                  // false keeps the entry (unsaved changes)
        std::function<QString(int number)> deleteQuestion;  // asked before a deletion
        std::function<void(int number)> show;               // shows the entry of that number afterwards
    };

    SetEntryButtons(QWidget* owner, SetEntries::Kind kind, Controls controls, Texts texts, Hooks hooks);

    void SetOnRenumbered(std::function<QString(const SetEntries::Renumbering&)> onRenumbered);

    // Enables the buttons for the entry shown and writes the indicator.
    void Update(const std::string& section, bool addMode, int count) const;
    // Runs a button's action on the set file for the entry shown (the program folder is current).
    void Run(Action action, const std::string& setFile, const std::string& section);

    // A Yes / No question, No the default.
    static bool AskYesNo(QWidget* owner, const QString& question);
    static void Tell(QWidget* owner, const QString& message);

private:
    QWidget* owner_;
    SetEntries::Kind kind_;
    Controls controls_;
    Texts texts_;
    Hooks hooks_;
    std::function<QString(const SetEntries::Renumbering&)> onRenumbered_;
};
