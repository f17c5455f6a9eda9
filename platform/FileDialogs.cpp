#include "platform/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

namespace {

FileDialogs::Responder& CurrentResponder()
{
    static FileDialogs::Responder responder;
    return responder;
}

}  // namespace

QString FileDialogs::OpenFile(QWidget* parent, const QString& caption, const QString& filter)
{
    if (CurrentResponder())
        return CurrentResponder()(caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, QDir::currentPath(), filter);
}

QString FileDialogs::OpenPicture(QWidget* parent, const QString& caption)
{
    return OpenFile(parent, caption,
                    QStringLiteral("画像 (*.bmp *.jpg *.jpeg *.ico *.BMP *.JPG *.JPEG *.ICO);;すべてのファイル (*)"));
}

void FileDialogs::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}
