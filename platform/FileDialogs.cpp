#include "platform/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

FileDialogs::Responder& CurrentResponder()
{
    static FileDialogs::Responder responder;
    return responder;
}

QString& LastPictureFolder()
{
    static QString folder;
    return folder;
}

QString Open(QWidget* parent, const QString& caption, const QString& filter, const QString& folder)
{
    if (CurrentResponder())
        return CurrentResponder()(caption, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

}  // namespace

QString FileDialogs::OpenFile(QWidget* parent, const QString& caption, const QString& filter)
{
    return Open(parent, caption, filter, QDir::currentPath());
}

QString FileDialogs::OpenPicture(QWidget* parent, const QString& caption)
{
    const QString chosen = Open(parent, caption,
                                QCoreApplication::translate("FileDialogs", "画像 (*.bmp *.png *.jpg *.jpeg *.ico *.BMP *.PNG *.JPG *.JPEG *.ICO);;"
                                               "PNG (*.png *.PNG);;BMP (*.bmp *.BMP);;JPEG (*.jpg *.jpeg *.JPG *.JPEG);;"
                                               "アイコン (*.ico *.ICO);;すべてのファイル (*)"),
                                PictureStartFolder());
    if (!chosen.isEmpty())
        LastPictureFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString FileDialogs::SaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& suggested)
{
    if (CurrentResponder())
        return CurrentResponder()(caption, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

QString FileDialogs::PictureStartFolder()
{
    const QString& last = LastPictureFolder();
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::currentPath();
}

void FileDialogs::ForgetPictureFolder()
{
    LastPictureFolder().clear();
}

void FileDialogs::SetResponder(Responder responder)
{
    CurrentResponder() = std::move(responder);
}
