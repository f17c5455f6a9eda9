#pragma once

#include <QString>
#include <QStringList>

// The program folder: where Tessella.ini, the sets and the pictures live and the
// working directory of the whole run. A new one is seeded from the standard content.
class ProgramFolder {
public:
    // $XDG_DATA_HOME/tessella, or ~/.local/share/tessella.
    static QString DefaultPath();

    // The first of the candidates that holds the standard content, or an empty text.
    static QString FindContent(const QStringList& candidates);

    // Fills a new program folder (one without Tessella.ini) with the content, creating it
    // when needed; a folder in use is left as it is, so files the user deleted stay deleted
    // and an older release's folder reaches its migration untouched. False with a reason when it fails.
    static bool Seed(const QString& folder, const QString& content, QString* reason);
};
