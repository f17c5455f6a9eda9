#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// A picture chosen outside the program folder is copied into it, under
// Picture\User\<set name>\, so a set keeps working when the program folder is
// moved or shared. The program folder is the working directory.
class UserPictureCopy {
public:
    // True when the host path lies outside the program folder.
    static bool IsOutside(const QString& hostPath);

    // The folder, relative to the program folder and stored with `\`, that takes a set's pictures.
    static std::string FolderFor(const std::string& setName);

    // Copies the picture into the set's folder under its own name, or under a
    // free name ("Face_2.png", ...) when a different file has it; a file with
    // the same bytes already there is used as it is. 0 and the stored relative
    // name on success; -1 and *reason when nothing could be copied.
    static int Copy(const std::string& setName, const QString& hostPath, std::string* stored, QString* reason);

    // Writes the bytes into the set's folder as Copy does; *written is the host
    // path of the file made, or empty when an identical file was used.
    static int Store(const std::string& setName, const QString& fileName, const QByteArray& bytes, std::string* stored,
                     QString* written, QString* reason);

    // The name with every character a stored name or a host file name cannot hold made '_'.
    static QString SafeFileName(const QString& name);

    // A name in folder not yet taken: fileName itself, else base_2.ext, base_3.ext, ...
    static QString FreeName(const QString& folder, const QString& fileName);
};
