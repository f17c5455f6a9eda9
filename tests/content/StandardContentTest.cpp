#include "ContentFolder.h"

#include "data/BoardStyle.h"
#include "data/WindowsIni.h"
#include "pictures/PictureLoader.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"
#include "support/TempDir.h"
#include "support/TextMatch.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kCell = BoardStyle::kSquare;

void ExpectPiecesOfSize(const BoardStyle& style, int side, int size)
{
    for (int kind = 0; kind < style.KindCount(side); ++kind) {
        for (int frame = 0; frame < style.FrameCount(side); ++frame) {
            const QImage& piece =
                side == 1 ? style.FloatPicture1st(kind, frame) : style.FloatPicture2nd(kind, frame);
            ASSERT_FALSE(piece.isNull()) << "side " << side << " kind " << kind << " frame " << frame;
            EXPECT_EQ(piece.size(), QSize(size, size)) << "side " << side << " kind " << kind;
        }
    }
}

// Checks one board of a set as the game shows it: pictures, kinds and frames.
void ExpectCompleteBoard(const std::string& setFile, const std::string& section)
{
    SCOPED_TRACE(setFile + " " + section);
    BoardStyle style;
    ASSERT_EQ(style.Load(setFile, section), 0);

    EXPECT_EQ(style.BoardPicture().size(), QSize(400, 400));
    EXPECT_EQ(style.BorderPicture().size(), QSize(400, 400));
    EXPECT_FALSE(style.Title().empty());
    EXPECT_GT(style.IntervalTime(), 0);
    EXPECT_EQ(style.KindCount1st(), style.KindCount2nd());
    EXPECT_EQ(style.FrameCount1st(), style.FrameCount2nd());

    switch (style.BoardType()) {
    case BoardStyle::kTypeNormal:
    case BoardStyle::kTypeRandom:
        EXPECT_EQ(style.NoFloatPicture().size(), QSize(32, 32));
        EXPECT_GE(style.KindCount1st(), style.BoardType() == BoardStyle::kTypeRandom ? 2 : 1);
        EXPECT_GE(style.FrameCount1st(), 5);
        ExpectPiecesOfSize(style, 1, 32);
        ExpectPiecesOfSize(style, 2, 32);
        break;
    case BoardStyle::kTypePicture:
        EXPECT_EQ(style.NoFloatPicture().size(), QSize(kCell, kCell));
        EXPECT_EQ(style.Board1stPicture().size(), QSize(400, 400));
        EXPECT_EQ(style.Board2ndPicture().size(), QSize(400, 400));
        EXPECT_EQ(style.KindCount1st(), 76);
        EXPECT_EQ(style.FrameCount1st(), 1);
        ExpectPiecesOfSize(style, 1, kCell);
        ExpectPiecesOfSize(style, 2, kCell);
        break;
    default:
        ADD_FAILURE() << "board type " << style.BoardType();
    }
}

std::vector<std::string> PlayerSections(const std::string& setFile)
{
    std::vector<std::string> sections;
    const int count = PlayerSetFile::CountPlayers(setFile);
    for (int n = 0; n < count; ++n)
        sections.push_back(PlayerSetFile::PlayerSection(n));
    return sections;
}

// A profile the computer can play through a whole game: at every move count
// a phase applies whose limit reaches it and which names a voting strategy.
void ExpectPlayableProfile(const Player& player)
{
    for (int moveCount = 0; moveCount <= 72; ++moveCount) {
        const int phase = player.PhaseFor(moveCount);
        ASSERT_GE(phase, 0) << "move " << moveCount;
        EXPECT_GE(player.Limit(phase), moveCount) << "move " << moveCount;
        const std::array<int, 3> codes = player.CodesFor(moveCount);
        bool votes = false;
        for (const int code : codes)
            votes = votes || (code > Brain::kCodeUser && code <= Brain::kCodeDeepRead);
        EXPECT_TRUE(votes) << "move " << moveCount << " has no strategy that votes";
    }
}

// Every strategy value is empty or a keyword the loader knows; a typo would silently mean "none".
void ExpectKnownKeywords(const std::string& setFile, const std::string& section)
{
    const WindowsIni ini(setFile);
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        char key[32];
        std::snprintf(key, sizeof key, "Brain_%02d", phase);
        ASSERT_NE(ini.FindValue(section, key, 0), nullptr) << section << " " << key;
        for (int slot = 1; slot <= Player::kSlots; ++slot) {
            const std::string* value = ini.FindValue(section, key, slot);
            ASSERT_NE(value, nullptr) << section << " " << key << " value " << slot;
            EXPECT_TRUE(value->empty() || Brain::StrategyCode(*value) != 0) << section << " " << key << " " << *value;
        }
        EXPECT_EQ(ini.FindValue(section, key, Player::kSlots + 1), nullptr) << section << " " << key;
    }
}

void ExpectSingleValue(const WindowsIni& ini, const std::string& section, const std::string& key)
{
    EXPECT_NE(ini.FindValue(section, key, 0), nullptr) << section << " " << key;
    EXPECT_EQ(ini.FindValue(section, key, 1), nullptr) << section << " " << key << " holds a comma";
}

void ExpectCompletePlayer(const std::string& setFile, const std::string& section)
{
    SCOPED_TRACE(setFile + " " + section);
    Player player(nullptr, nullptr, 0);
    ASSERT_EQ(player.Load(setFile, section), 0);
    EXPECT_FALSE(player.Name().empty());
    EXPECT_FALSE(player.Author().empty());
    EXPECT_FALSE(player.Comment().empty());
    for (int face = 0; face < Player::kFaces; ++face)
        EXPECT_EQ(player.Face(face).size(), QSize(100, 100)) << "face " << face;
    ExpectPlayableProfile(player);
    ExpectKnownKeywords(setFile, section);

    const WindowsIni ini(setFile);
    for (const char* key : {"Name", "Author", "Comment", "Stretch"})
        ExpectSingleValue(ini, section, key);
}

using StandardContent = ContentFolder;

}  // namespace

TEST_F(StandardContent, EveryStandardBoardLoadsWithAllItsPictures)
{
    const std::vector<std::string> boards = BoardSections("Standard.tsb");
    ASSERT_FALSE(boards.empty());
    std::set<int> types;
    for (const std::string& section : boards) {
        ExpectCompleteBoard("Standard.tsb", section);
        BoardStyle style;
        style.Load("Standard.tsb", section);
        types.insert(style.BoardType());
    }
    EXPECT_EQ(types, (std::set<int>{BoardStyle::kTypeNormal, BoardStyle::kTypeRandom, BoardStyle::kTypePicture}));
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());
}

TEST_F(StandardContent, EveryStandardPlayerLoadsWithFacesAndAPlayableProfile)
{
    const std::vector<std::string> sections = PlayerSections("Standard.tsp");
    ASSERT_GE(sections.size(), 9u);

    std::set<std::string> names;
    int userPlayers = 0;
    for (const std::string& section : sections) {
        ExpectCompletePlayer("Standard.tsp", section);
        Player player(nullptr, nullptr, 0);
        player.Load("Standard.tsp", section);
        EXPECT_TRUE(names.insert(player.Name()).second) << "name used twice: " << Utf8(player.Name());
        EXPECT_EQ(player.Author(), Sjis("Tessella 制作チーム")) << section;
        if (CodesPlayed(player).count(Brain::kCodeUser) != 0)
            ++userPlayers;
    }
    EXPECT_EQ(userPlayers, 1) << "one player is meant for the user's side";

    for (const char* demo : {"Demo_000", "Demo_001"}) {
        ExpectCompletePlayer("Standard.tsp", demo);
        Player player(nullptr, nullptr, 0);
        player.Load("Standard.tsp", demo);
        EXPECT_TRUE(names.insert(player.Name()).second) << demo;
        EXPECT_FALSE(CodesPlayed(player).count(Brain::kCodeUser) != 0) << demo;
    }

    const WindowsIni ini("Standard.tsp");
    EXPECT_EQ(ini.GetString("BrainSet", "Name", 0, ""), Sjis("標準"));
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());
}

TEST_F(StandardContent, TemplateLoadsAsABoardAndAsAPlayer)
{
    ExpectCompleteBoard("Base.ts", "Board_000");
    ExpectCompletePlayer("Base.ts", "Brain_000");
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());

    // The set name comes from the dialog that makes the set, never from the template.
    const WindowsIni ini("Base.ts");
    EXPECT_EQ(ini.KeyCount("BoardSet"), -1);
    EXPECT_EQ(ini.KeyCount("BrainSet"), -1);
}

TEST_F(StandardContent, SetsMadeFromTheTemplateOpenWithOneBoardOrPlayer)
{
    const TempDir folder;
    const std::string mine = Sjis("わたしのセット");
    const std::string boardSet = folder.File("Mine.tsb");
    const std::string playerSet = folder.File("Mine.tsp");
    for (const auto& [setSection, file] : {std::pair{"BoardSet", boardSet}, std::pair{"BrainSet", playerSet}}) {
        WindowsIni made("Base.ts");
        made.SetValue(setSection, "Name", mine, 0);
        ASSERT_EQ(made.WriteTo(file), 0);
    }

    EXPECT_EQ(WindowsIni(boardSet).GetString("BoardSet", "Name", 0, ""), mine);
    EXPECT_EQ(BoardSections(boardSet), std::vector<std::string>{"Board_000"});
    EXPECT_EQ(WindowsIni(playerSet).GetString("BrainSet", "Name", 0, ""), mine);
    EXPECT_EQ(PlayerSetFile::CountPlayers(playerSet), 1);
}

TEST_F(StandardContent, SettingsPointAtRegisteredSetsAndExistingChoices)
{
    const WindowsIni ini("Tessella.ini");
    const std::string standard = Sjis("標準");
    // A release below 1.10 would run the migration on the very first start.
    EXPECT_EQ(ini.GetString("Tessella", "Release", 0, ""), "1.10");

    const std::string boardSetName = ini.GetString("Tessella", "DefaultBoardSet", 0, "");
    EXPECT_EQ(boardSetName, standard);
    const std::string boardFile = ini.GetString("BoardSet", boardSetName, 0, "");
    EXPECT_EQ(boardFile, "Standard.tsb");
    const std::vector<std::string> boards = BoardSections(boardFile);
    const std::string boardName = ini.GetString("Tessella", "DefaultBoardName", 0, "");
    EXPECT_NE(std::find(boards.begin(), boards.end(), boardName), boards.end()) << boardName;

    const std::string playerFile = ini.GetString("BrainSet", standard, 0, "");
    EXPECT_EQ(playerFile, "Standard.tsp");
    const int players = PlayerSetFile::CountPlayers(playerFile);
    for (const char* prefix : {"Default", "1st", "2nd"}) {
        const std::string setKey = std::string(prefix) + "BrainSet";
        const std::string nameKey = std::string(prefix) + "BrainName";
        EXPECT_EQ(ini.GetString("Tessella", setKey, 0, ""), standard) << setKey;
        const std::string section = ini.GetString("Tessella", nameKey, 0, "");
        int number = -1;
        ASSERT_EQ(std::sscanf(section.c_str(), "Brain_%3d", &number), 1) << nameKey;
        EXPECT_EQ(PlayerSetFile::PlayerSection(number), section) << nameKey;
        EXPECT_LT(number, players) << nameKey;
    }

    // User against computer: the first side is the user's player, the second a computer.
    EXPECT_EQ(ini.GetString("Tessella", "WarType", 0, ""), "UserVsComp");
    Player first(nullptr, nullptr, 0);
    first.Load(playerFile, ini.GetString("Tessella", "1stBrainName", 0, ""));
    EXPECT_TRUE(CodesPlayed(first).count(Brain::kCodeUser) != 0);
    Player second(nullptr, nullptr, 0);
    second.Load(playerFile, ini.GetString("Tessella", "2ndBrainName", 0, ""));
    EXPECT_FALSE(CodesPlayed(second).count(Brain::kCodeUser) != 0);

    for (const char* key : {"UserPicture", "ComputerPicture"}) {
        const std::string stored = ini.GetString("Tessella", key, 0, "");
        EXPECT_EQ(PictureLoader::Load(HostPath::ToHostQ(stored)).size(), QSize(100, 20)) << key;
    }
    EXPECT_EQ(PictureFailures(), std::vector<std::string>());
}

TEST_F(StandardContent, SetFilesAreStoredExactlyAsTheIniEngineWritesThem)
{
    const TempDir folder;
    for (const char* name : {"Standard.tsb", "Standard.tsp", "Base.ts", "Tessella.ini"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadBytes(name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(TextCodec::ToUi(bytes).indexOf(QChar(0xFFFD)), -1) << "not CP932";
        std::size_t lines = 0;
        for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
            ++lines;
            EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "bare LF at byte " << at;
        }
        EXPECT_GT(lines, 0u);
        EXPECT_EQ(bytes.find("\r\n\r\n"), std::string::npos) << "blank line";
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << "the last line would be lost";

        WindowsIni ini(name);
        ASSERT_EQ(ini.WriteTo(folder.File("copy")), 0);
        EXPECT_EQ(folder.Read("copy"), bytes) << "differs from what the INI engine writes";
    }
}

TEST_F(StandardContent, HelpDocumentsAreUtf8HtmlAndTheirLocalLinksResolve)
{
    // Every command caption is explained in each language as the program shows it; the English one comes from
    // the translation, which holds only captions the program still has.
    const std::pair<const char*, const char*> captions[] = {
        {"GameCycle", "ゲーム開始"}, {"GameCycle", "リプレイ"}, {"GameCycle", "中断"}, {"GameCycle", "継続"},
        {"GameCycle", "パス"}, {"TFormMain", "環境設定"}, {"GameCycle", "境界線を隠す"}, {"GameCycle", "終了"},
        {"TFormMain", "待った"}, {"TFormMain", "やり直し"}, {"TFormMain", "ヒント"}, {"TFormMain", "棋譜ウィンドウ"},
        {"TFormMain", "棋譜を開く..."}, {"TFormMain", "棋譜を保存..."}, {"TFormMain", "手順をコピー"},
        {"TFormMain", "手順を貼り付け"}, {"TFormStats", "成績"}, {"TFormRecord", "対局に戻る"},
        {"TFormRecord", "ここから対局"}, {"TFormRecord", "解析"}, {"TFormRecord", "解析中止"}, {"TFormStats", "リセット"},
    };
    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/tessella_en.qm")));
    for (const bool inEnglish : {false, true}) {
        const char* document = inEnglish ? "Document\\TSReadme_en.htm" : "Document\\TSReadme.htm";
        SCOPED_TRACE(document);
        const std::string html = ReadBytes(HostPath::ToHost(document));
        ASSERT_FALSE(html.empty());
        const QString text = QString::fromUtf8(html);
        EXPECT_EQ(text.toUtf8().toStdString(), html) << "not UTF-8";
        EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const auto& [context, japanese] : captions) {
            const QString translated = english.translate(context, japanese);
            EXPECT_FALSE(translated.isEmpty()) << japanese << " is no caption of " << context;
            const QString caption = inEnglish ? translated : QString::fromUtf8(japanese);
            EXPECT_TRUE(text.contains(caption.toHtmlEscaped())) << caption.toStdString();
        }

        int links = 0;
        for (const auto& found : MatchAll(html, R"((?:href|src)="([^"#:]+)(?:#[^"]*)?")")) {
            const std::filesystem::path target = std::filesystem::path("Document") / found[1];
            EXPECT_TRUE(std::filesystem::exists(target)) << target;
            ++links;
        }
        EXPECT_GT(links, 0);
    }
}
