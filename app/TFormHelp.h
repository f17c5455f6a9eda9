#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help document in a window of the program's own, for a desktop with no program for it.
class TFormHelp : public QDialog {
    Q_OBJECT

public:
    explicit TFormHelp(QWidget* parent = nullptr);

    // Shows the document at the host path, with its pictures and links, or says it is missing.
    void ShowDocument(const QString& path);

    QTextBrowser* BrowserHelp = nullptr;
};
