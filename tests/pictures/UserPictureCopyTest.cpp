#include "pictures/UserPictureCopy.h"

#include "platform/HostPath.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using UserPictureCopyTest = InProgramFolder;

TEST_F(UserPictureCopyTest, CopiesOnlyPicturesOutsideUnderAFreeNameAndReusesAnIdenticalFile)
{
    const auto outside = [this](const std::string& name, const std::string& bytes) {
        outside_.Write(name, bytes);
        return Outside(name);
    };
    dir_.Write("inside.png", "x");
    EXPECT_FALSE(UserPictureCopy::IsOutside(QString::fromStdString(dir_.File("inside.png"))));
    EXPECT_FALSE(UserPictureCopy::IsOutside(QStringLiteral("inside.png")));
    EXPECT_TRUE(UserPictureCopy::IsOutside(outside("face.png", "x")));
    std::string stored = "kept";
    QString reason;
    EXPECT_EQ(UserPictureCopy::Copy("Mine", Outside("none.png"), &stored, &reason), -1);
    EXPECT_EQ(stored, "kept");
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "Picture"));

    const std::string mine = "\x8e\xa9\x8d\xec";  // 自作
    const struct {
        std::string setName, file, bytes, stored;
    } cases[] = {
        {mine, "face.png", "one", "Picture\\User\\" + mine + "\\face.png"},
        {mine, "face.png", "one", "Picture\\User\\" + mine + "\\face.png"},
        {mine, "face.png", "two", "Picture\\User\\" + mine + "\\face_2.png"},
        {mine, "face.png", "six", "Picture\\User\\" + mine + "\\face_3.png"},
        {"a/b,c", "x;y!.bmp", "four", "Picture\\User\\a_b_c\\x_y_.bmp"},
        {"..", "p.png", "five", "Picture\\User\\_.\\p.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ASSERT_EQ(UserPictureCopy::Copy(c.setName, outside(c.file, c.bytes), &stored, &reason), 0) << reason.toStdString();
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(dir_.Read(HostPath::Plain(stored)), c.bytes);
    }
}

}  // namespace
