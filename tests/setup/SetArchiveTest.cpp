#include "data/WindowsIni.h"
#include "setup/SetArchive.h"
#include "support/InProgramFolder.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Png(QRgb colour, int side = 8)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

struct ZipEntry {
    std::string name;
    std::string bytes;
    bool encrypted = false;
};

// Writes the entries as they are named, which a careful packer would never allow.
bool MakeZip(const std::string& path, const std::vector<ZipEntry>& entries)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return false;
    for (const ZipEntry& entry : entries) {
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0 ||
            (entry.encrypted && zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "pw") != 0)) {
            zip_discard(archive);
            return false;
        }
    }
    return zip_close(archive) == 0;
}

std::vector<std::string> FilesUnder(const fs::path& folder)
{
    std::vector<std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder))
        files.push_back(fs::relative(item.path(), folder).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

const std::string kBoard = "[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nBoardType=Normal\r\n";

class SetArchiveTest : public InProgramFolder {
protected:
    QString ZipPath(const std::string& name) const { return QString::fromStdString(elsewhere_.File(name)); }
    static bool NothingTaken(const std::string&) { return false; }

    TempDir elsewhere_;
};

TEST_F(SetArchiveTest, ExportedSetPlaysInAFreshProgramFolderWithEveryPicture)
{
    fs::create_directories(dir_.Path() / "Picture/Mine");
    dir_.Write("Picture/Mine/board.png", Png(qRgb(0, 90, 0), 16));
    dir_.Write("Picture/Mine/piece.png", Png(qRgba(250, 250, 250, 128)));
    elsewhere_.Write("border.png", Png(qRgba(0, 0, 0, 0), 16));
    dir_.Write("Mine.tsb", "[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nBoardType=Normal\r\n"
                           "Board=picture\\MINE\\board.png\r\nBorder=" + elsewhere_.File("border.png") + "\r\n"
                           "NoFloat=Picture\\Mine\\piece.png\r\n"
                           "1stFloat_00=Picture\\Mine\\piece.png,Picture\\Mine\\gone.png\r\n"
                           "2ndFloat_00=Picture\\Mine\\piece.png\r\nTitle=One\r\n");
    QStringList missing;
    QString reason;
    ASSERT_EQ(SetArchive::Export("Mine.tsb", ZipPath("Mine.zip"), &missing, &reason), 0) << reason.toStdString();
    EXPECT_EQ(missing, QStringList{QStringLiteral("Picture\\Mine\\gone.png")});
    EXPECT_FALSE(fs::exists(elsewhere_.Path() / "Mine.zip.part"));
    EXPECT_FALSE(fs::exists(elsewhere_.Path() / "Mine.zip.set.part"));

    TempDir fresh;
    fs::current_path(fresh.Path());
    fresh.Write("Mine.tsb", "an older file of that name");
    SetArchive::Imported imported;
    const auto taken = [](const std::string& name) { return name == "Mine"; };
    ASSERT_EQ(SetArchive::Import(ZipPath("Mine.zip"), taken, &imported, &reason), 0) << reason.toStdString();
    EXPECT_EQ(imported.kind, Settings::SetKind::Board);
    EXPECT_EQ(imported.name, "Mine_2");
    EXPECT_EQ(imported.file, "Mine_2.tsb");
    EXPECT_EQ(imported.pictures, 3);
    EXPECT_EQ(fresh.Read("Mine.tsb"), "an older file of that name");

    const WindowsIni ini(fresh.File("Mine_2.tsb"));
    EXPECT_EQ(ini.GetString("BoardSet", "Name", 0, ""), "Mine_2");
    EXPECT_EQ(ini.GetString("Board_000", "Board", 0, ""), "Picture\\User\\Mine_2\\board.png");
    EXPECT_EQ(ini.GetString("Board_000", "Border", 0, ""), "Picture\\User\\Mine_2\\border.png");
    EXPECT_EQ(ini.GetString("Board_000", "1stFloat_00", 0, ""), "Picture\\User\\Mine_2\\piece.png");
    EXPECT_EQ(ini.GetString("Board_000", "1stFloat_00", 1, ""), "Picture\\Mine\\gone.png");
    EXPECT_EQ(fresh.Read("Picture/User/Mine_2/board.png"), Png(qRgb(0, 90, 0), 16));
    EXPECT_EQ(fresh.Read("Picture/User/Mine_2/border.png"), elsewhere_.Read("border.png"));
    fs::current_path(dir_.Path());
}

TEST_F(SetArchiveTest, BadArchivesAreRefusedWithoutWritingAnything)
{
    const std::string zeros(SetArchive::kMaxEntryBytes + 1, '\0');
    struct Case {
        const char* what;
        std::vector<ZipEntry> entries;
        QString reasonStart;
    } cases[] = {
        {"climbing", {{"Mine.tsb", kBoard}, {"../evil.png", Png(0)}},
         QStringLiteral("アーカイブに取り込めないパスがあります")},
        {"climbing inside", {{"Mine.tsb", kBoard}, {"Picture/../../evil.png", Png(0)}},
         QStringLiteral("アーカイブに取り込めないパスがあります")},
        {"climbing with backslashes", {{"Mine.tsb", kBoard}, {"Picture\\..\\..\\evil.png", Png(0)}},
         QStringLiteral("アーカイブに取り込めないパスがあります")},
        {"absolute", {{"Mine.tsb", kBoard}, {"/tmp/evil.png", Png(0)}},
         QStringLiteral("アーカイブに取り込めないパスがあります")},
        {"drive letter", {{"Mine.tsb", kBoard}, {"C:/evil.png", Png(0)}},
         QStringLiteral("アーカイブに取り込めないパスがあります")},
        {"duplicate", {{"Mine.tsb", kBoard}, {"a/face.png", Png(0)}, {"A/FACE.png", Png(1)}},
         QStringLiteral("アーカイブに同じ名前のファイルが二つあります")},
        {"huge", {{"Mine.tsb", kBoard}, {"big.png", zeros}}, QStringLiteral("アーカイブの big.png が大きすぎます")},
        {"no set file", {{"Picture/a.png", Png(0)}}, QStringLiteral("アーカイブの一番上にセットファイル")},
        {"two set files", {{"Mine.tsb", kBoard}, {"Other.tsp", "[BrainSet]\r\nName=X\r\n"}},
         QStringLiteral("アーカイブの一番上にセットファイル")},
        {"set file in a folder", {{"sets/Mine.tsb", kBoard}}, QStringLiteral("アーカイブの一番上にセットファイル")},
        {"set without a name", {{"Mine.tsb", "[Board_000]\r\nTitle=A\r\n"}},
         QStringLiteral("アーカイブのセットファイルにセットの名前")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(MakeZip(elsewhere_.File("bad.zip"), c.entries));
        SetArchive::Imported imported;
        QString reason;
        EXPECT_EQ(SetArchive::Import(ZipPath("bad.zip"), NothingTaken, &imported, &reason), -1);
        EXPECT_TRUE(reason.startsWith(c.reasonStart)) << reason.toStdString();
        EXPECT_TRUE(FilesUnder(dir_.Path()).empty());
        EXPECT_EQ(FilesUnder(elsewhere_.Path()), std::vector<std::string>{"bad.zip"});
    }
}

TEST_F(SetArchiveTest, EncryptedAndDamagedArchivesAreRefused)
{
    QString reason;
    SetArchive::Imported imported;
    elsewhere_.Write("text.zip", "not an archive at all");
    EXPECT_EQ(SetArchive::Import(ZipPath("text.zip"), NothingTaken, &imported, &reason), -1);
    EXPECT_TRUE(reason.startsWith(QStringLiteral("ZIP ファイルを開けません"))) << reason.toStdString();

    if (zip_encryption_method_supported(ZIP_EM_AES_256, 1) == 0)
        GTEST_SKIP() << "this libzip cannot encrypt";
    ASSERT_TRUE(MakeZip(elsewhere_.File("locked.zip"), {{"Mine.tsb", kBoard}, {"a.png", Png(0), true}}));
    EXPECT_EQ(SetArchive::Import(ZipPath("locked.zip"), NothingTaken, &imported, &reason), -1);
    EXPECT_EQ(reason, QStringLiteral("アーカイブの a.png は暗号化されていて読めません"));
    EXPECT_TRUE(FilesUnder(dir_.Path()).empty());
}

}  // namespace
