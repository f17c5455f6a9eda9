#include "pictures/PictureLoader.h"
#include "platform/TextCodec.h"
#include "players/Brain.h"
#include "players/Player.h"
#include "players/PlayerSetFile.h"

#include <QImage>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Reads a player set file made of the input bytes, in a program folder that
// holds the picture the seeds name (Face.bmp), loads its players,
// saves the first one as the editor would and checks that it reads back alike.

namespace {

namespace fs = std::filesystem;

fs::path& Folder()
{
    static fs::path folder;
    return folder;
}

void RemoveFolder()
{
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
}

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void CheckRanges(const Player& player)
{
    Require(player.Name().size() <= PlayerSetFile::kTextField);
    Require(player.Author().size() <= PlayerSetFile::kTextField);
    Require(player.Comment().size() <= PlayerSetFile::kTextField);
    Require(player.Stretch() == 0 || player.Stretch() == 1);
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        for (int slot = 0; slot < Player::kSlots; ++slot) {
            const int code = player.Code(phase, slot);
            Require(code == 0 || (code >= Brain::kCodeUser && code <= Brain::kCodeDeepRead));
        }
    }
    const int phase = player.PhaseFor(player.Limit(0));
    Require(phase >= -1 && phase < Player::kPhases);
    Require(player.CodesFor(73)[0] != 0);
}

PlayerRecordText AsEditorWouldSave(const Player& player)
{
    PlayerRecordText fields;
    fields.name = player.Name();
    fields.author = player.Author();
    fields.comment = player.Comment();
    fields.stretch = player.Stretch() == 1;
    for (int i = 0; i < Player::kFaces; ++i)
        fields.faces[i] = "Face.bmp";
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        fields.limits[phase] = std::to_string(player.Limit(phase));
        for (int slot = 0; slot < Player::kSlots; ++slot)
            fields.codes[phase][slot] = player.Code(phase, slot);
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every save syncs the file: a memory file system keeps that cheap.
    std::error_code error;
    const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "tessella-fuzz-player-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    Folder() = pattern;
    std::atexit(RemoveFolder);
    QImage face(24, 24, QImage::Format_RGB32);
    face.fill(qRgb(90, 160, 30));
    if (!face.save(QString::fromStdString((Folder() / "Face.bmp").string()), "BMP"))
        std::abort();
    fs::current_path(Folder());
    PictureLoader::SetFailureReporter({});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Counting probes every section per player: keep the inputs to the size of real sets.
    if (size > 65536)
        return 0;
    std::FILE* file = std::fopen("set.tsp", "wb");
    if (file == nullptr)
        std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    std::remove("saved.tsp");

    const int count = PlayerSetFile::CountPlayers("set.tsp");
    Require(count >= 0);

    static Player* const player = new Player(nullptr, nullptr, 0);
    for (const std::string& section : {std::string("Demo_000"), PlayerSetFile::PlayerSection(count - 1),
                                      PlayerSetFile::PlayerSection(0)}) {
        player->Load("set.tsp", section);
        CheckRanges(*player);
        for (int i = 0; i < Player::kFaces; ++i) {
            const QImage face = player->Face(i);
            Require(face.isNull() || face.width() > 0);
        }
    }

    // The editor writes texts one byte shorter than the field; the user's strategy is not written.
    Require(PlayerSetFile::WriteSection("saved.tsp", "Brain_000", AsEditorWouldSave(*player)) == 0);
    Require(PlayerSetFile::CountPlayers("saved.tsp") == 1);
    static Player* const saved = new Player(nullptr, nullptr, 0);
    saved->Load("saved.tsp", "Brain_000");
    Require(saved->Name() == TextCodec::CutToField(player->Name(), PlayerSetFile::kWrittenText));
    Require(saved->Author() == TextCodec::CutToField(player->Author(), PlayerSetFile::kWrittenText));
    Require(saved->Stretch() == player->Stretch());
    for (int phase = 0; phase < Player::kPhases; ++phase) {
        Require(saved->Limit(phase) == player->Limit(phase));
        for (int slot = 0; slot < Player::kSlots; ++slot) {
            const int code = player->Code(phase, slot);
            Require(saved->Code(phase, slot) == (code == 10 ? 0 : code));
        }
    }
    for (int i = 0; i < Player::kFaces; ++i)
        Require(saved->Face(i).width() == 24);
    return 0;
}
