#pragma once

#include <QString>

#include <functional>

// Opens a document or an address with the desktop's associated program.
class Shell {
public:
    // A relative path is taken from the program folder. False when nothing could open it.
    static bool Open(const QString& documentOrAddress);

    using Responder = std::function<bool(const QString& documentOrAddress)>;
    static void SetResponder(Responder responder);
};
