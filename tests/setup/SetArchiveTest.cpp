#include "setup/SetArchive.h"
#include "support/InProgramFolder.h"

#include <gtest/gtest.h>

#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

const std::string kBoard = "[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nBoardType=Normal\r\n";

using SetArchiveTest = InProgramFolder;

TEST_F(SetArchiveTest, BadArchivesAreRefusedWithoutWritingAnythingAndAnExportedSetPlaysInAFreshFolder)
{
    const std::string zeros(SetArchive::kMaxEntryBytes + 1, '\0');
    const QString path = QStringLiteral("アーカイブに取り込めないパスがあります");
    const QString oneSet = QStringLiteral("アーカイブの一番上にセットファイル");
    const bool encrypts = zip_encryption_method_supported(ZIP_EM_AES_256, 1) != 0;
    const auto nothingTaken = [](const std::string&) { return false; };
    const struct {
        std::vector<ZipEntry> entries;  // none: a file that is no archive
        QString reasonStart;
    } cases[] = {
        {{}, QStringLiteral("ZIP ファイルを開けません")},
        {{{"Mine.tsb", kBoard}, {"Picture/../../evil.png", "x"}}, path},
        {{{"Mine.tsb", kBoard}, {"Picture\\..\\..\\evil.png", "x"}}, path},
        {{{"Mine.tsb", kBoard}, {"/tmp/evil.png", "x"}}, path},
        {{{"Mine.tsb", kBoard}, {"C:/evil.png", "x"}}, path},
        {{{"Mine.tsb", kBoard}, {"a/face.png", "x"}, {"A/FACE.png", "y"}},
         QStringLiteral("アーカイブに同じ名前のファイルが二つあります")},
        {{{"Mine.tsb", kBoard}, {"big.png", zeros}}, QStringLiteral("アーカイブの big.png が大きすぎます")},
        {{{"Mine.tsb", kBoard}, {"a.png", "x", true}}, QStringLiteral("アーカイブの a.png は暗号化されていて読めません")},
        {{{"Mine.tsb", kBoard}, {"Other.tsp", "[BrainSet]\r\nName=X\r\n"}}, oneSet},
        {{{"sets/Mine.tsb", kBoard}}, oneSet},
        {{{"Mine.tsb", "[Board_000]\r\nTitle=A\r\n"}}, QStringLiteral("アーカイブのセットファイルにセットの名前")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reasonStart.toStdString());
        if (!encrypts && !c.entries.empty() && c.entries.back().encrypted)
            continue;
        if (c.entries.empty())
            outside_.Write("bad.zip", "not an archive at all");
        else
            ASSERT_TRUE(MakeZip(outside_.File("bad.zip"), c.entries));
        SetArchive::Imported imported;
        QString reason;
        EXPECT_EQ(SetArchive::Import(Outside("bad.zip"), nothingTaken, &imported, &reason), -1);
        EXPECT_TRUE(reason.startsWith(c.reasonStart)) << reason.toStdString();
        EXPECT_TRUE(dir_.Names().empty());
        EXPECT_EQ(outside_.Names(), std::vector<std::string>{"bad.zip"});
    }

    // The exported set comes with every picture it can read into a fresh program folder.
    fs::create_directories(dir_.Path() / "Picture/Mine");
    dir_.Write("Picture/Mine/board.png", "board bytes");
    dir_.Write("Picture/Mine/piece.png", "piece bytes");
    outside_.Write("border.png", "border bytes");
    dir_.Write("Mine.tsb", "[BoardSet]\r\nName=Mine\r\n[Board_000]\r\nBoardType=Normal\r\n"
                           "Board=picture\\MINE\\board.png\r\nBorder=" + outside_.File("border.png") + "\r\n"
                           "NoFloat=Picture\\Mine\\piece.png\r\n"
                           "1stFloat_00=Picture\\Mine\\piece.png,Picture\\Mine\\gone.png\r\n"
                           "2ndFloat_00=Picture\\Mine\\piece.png\r\nTitle=One\r\n");
    QStringList missing;
    QString reason;
    ASSERT_EQ(SetArchive::Export("Mine.tsb", Outside("Mine.zip"), &missing, &reason), 0) << reason.toStdString();
    EXPECT_EQ(missing, QStringList{QStringLiteral("Picture\\Mine\\gone.png")});
    EXPECT_EQ(outside_.Names(), (std::vector<std::string>{"Mine.zip", "bad.zip", "border.png"}));

    TempDir fresh;
    fs::current_path(fresh.Path());
    fresh.Write("Mine.tsb", "an older file of that name");
    SetArchive::Imported imported;
    const auto taken = [](const std::string& name) { return name == "Mine"; };
    ASSERT_EQ(SetArchive::Import(Outside("Mine.zip"), taken, &imported, &reason), 0) << reason.toStdString();
    EXPECT_EQ(imported.kind, Settings::SetKind::Board);
    EXPECT_EQ(imported.name + " " + imported.file + " " + std::to_string(imported.pictures), "Mine_2 Mine_2.tsb 3");
    EXPECT_EQ(fresh.Read("Mine.tsb"), "an older file of that name");

    const std::string user = "Picture\\User\\Mine_2\\";
    EXPECT_EQ(fresh.Read("Mine_2.tsb"), "[BoardSet]\r\nName=Mine_2\r\n[Board_000]\r\nBoardType=Normal\r\nBoard=" + user
                                            + "board.png\r\nBorder=" + user + "border.png\r\nNoFloat=" + user
                                            + "piece.png\r\n1stFloat_00=" + user + "piece.png,Picture\\Mine\\gone.png\r\n"
                                            "2ndFloat_00=" + user + "piece.png\r\nTitle=One\r\n");
    EXPECT_EQ(fresh.Read("Picture/User/Mine_2/board.png"), "board bytes");
    EXPECT_EQ(fresh.Read("Picture/User/Mine_2/border.png"), "border bytes");
    fs::current_path(dir_.Path());
}

}  // namespace
