#pragma once

#include <QString>

#include <functional>

class QWidget;

// The open-file and open-picture dialogs, behind a seam that tests answer.
class FileDialogs {
public:
    // The host path chosen, or an empty text when the user cancelled.
    static QString OpenFile(QWidget* parent, const QString& caption, const QString& filter);
    // Opens in the folder of the picture last chosen in this run, else in the current folder.
    static QString OpenPicture(QWidget* parent, const QString& caption);
    // The host path to write, or an empty text when the user cancelled; the responder answers it too.
    static QString SaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& suggested);
    static QString PictureStartFolder();
    static void ForgetPictureFolder();

    using Responder = std::function<QString(const QString& caption, const QString& filter)>;
    static void SetResponder(Responder responder);
};
