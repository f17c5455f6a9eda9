#include "pictures/UserPictureCopy.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class UserPictureCopyTest : public InProgramFolder {
protected:
    QString Outside(const std::string& name, const std::string& bytes)
    {
        outside_.Write(name, bytes);
        return QString::fromStdString(outside_.File(name));
    }

    TempDir outside_;
};

TEST_F(UserPictureCopyTest, OnlyPicturesOutsideTheProgramFolderAreOffered)
{
    dir_.Write("inside.png", "x");
    EXPECT_FALSE(UserPictureCopy::IsOutside(QString::fromStdString(dir_.File("inside.png"))));
    EXPECT_FALSE(UserPictureCopy::IsOutside(QStringLiteral("inside.png")));
    EXPECT_TRUE(UserPictureCopy::IsOutside(Outside("face.png", "x")));
}

TEST_F(UserPictureCopyTest, CopiesUnderAFreeNameAndReusesAnIdenticalFile)
{
    // "自作" in CP932, and the picture folder it gets on the host.
    const std::string mine = "\x8e\xa9\x8d\xec";
    struct Case {
        const char* what;
        std::string setName;
        std::string file;
        std::string bytes;
        std::string stored;
        std::string hostFile;
    } cases[] = {
        {"first copy", mine, "face.png", "one", "Picture\\User\\" + mine + "\\face.png", "Picture/User/自作/face.png"},
        {"same bytes again", mine, "face.png", "one", "Picture\\User\\" + mine + "\\face.png",
         "Picture/User/自作/face.png"},
        {"clash", mine, "face.png", "two", "Picture\\User\\" + mine + "\\face_2.png", "Picture/User/自作/face_2.png"},
        {"second clash", mine, "face.png", "three", "Picture\\User\\" + mine + "\\face_3.png",
         "Picture/User/自作/face_3.png"},
        {"separators in the names", "a/b,c", "x;y!.bmp", "four", "Picture\\User\\a_b_c\\x_y_.bmp",
         "Picture/User/a_b_c/x_y_.bmp"},
        {"dots in the set name", "..", "p.png", "five", "Picture\\User\\_.\\p.png", "Picture/User/_./p.png"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string stored;
        QString reason;
        ASSERT_EQ(UserPictureCopy::Copy(c.setName, Outside(c.file, c.bytes), &stored, &reason), 0) << reason.toStdString();
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(dir_.Read(c.hostFile), c.bytes);
    }
}

TEST_F(UserPictureCopyTest, MissingSourceCopiesNothing)
{
    std::string stored = "kept";
    QString reason;
    EXPECT_EQ(UserPictureCopy::Copy("Mine", QString::fromStdString(outside_.File("none.png")), &stored, &reason), -1);
    EXPECT_EQ(stored, "kept");
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "Picture"));
}

}  // namespace
