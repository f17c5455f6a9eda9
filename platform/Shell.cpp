#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace {

Shell::Responder& CurrentResponder()
{
    static Shell::Responder responder;
    return responder;
}

}  // namespace

bool Shell::Open(const QString& documentOrAddress)
{
    if (CurrentResponder())
        return CurrentResponder()(documentOrAddress);
    const QUrl url = documentOrAddress.contains(QStringLiteral("://"))
                         ? QUrl(documentOrAddress)
                         : QUrl::fromLocalFile(QDir::current().absoluteFilePath(documentOrAddress));
    return QDesktopServices::openUrl(url);
}

void Shell::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}
