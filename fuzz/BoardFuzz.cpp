#include "data/BoardStyle.h"
#include "pictures/PictureLoader.h"

#include <QImage>
#include <QtGlobal>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Loads board 000 of a board set file made of the input bytes, in a program
// folder that holds a few pictures the seeds name (Board.bmp, NoFloat.bmp,
// Piece.bmp, Whole.bmp, Bad.bmp), and checks what the accessors may answer.

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

void Save(const char* name, int width, int height, QImage::Format format)
{
    QImage image(width, height, format);
    if (format == QImage::Format_Indexed8) {
        image.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0)});
        image.fill(1);
    } else {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x + y) & 0xff));
        }
    }
    if (!image.save(QString::fromStdString((Folder() / name).string()), "BMP"))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern = (fs::temp_directory_path() / "tessella-fuzz-board-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    Folder() = pattern;
    std::atexit(RemoveFolder);
    Save("Board.bmp", 64, 48, QImage::Format_RGB32);
    Save("NoFloat.bmp", 40, 40, QImage::Format_Indexed8);
    Save("Piece.bmp", 32, 32, QImage::Format_RGB32);
    Save("Whole.bmp", 200, 300, QImage::Format_RGB32);
    std::FILE* bad = std::fopen((Folder() / "Bad.bmp").c_str(), "wb");
    if (bad == nullptr)
        std::abort();
    std::fputs("BM broken", bad);
    std::fclose(bad);
    PictureLoader::SetCacheLimit(16 * 1024 * 1024);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string setFile = (Folder() / "set.tsb").string();
    std::FILE* file = std::fopen(setFile.c_str(), "wb");
    if (file == nullptr)
        std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    // Picture names are relative to the program folder; libFuzzer's own paths are relative to the folder it started in.
    static BoardStyle* const style = new BoardStyle;
    const fs::path started = fs::current_path();
    fs::current_path(Folder());
    style->Load("set.tsb", "Board_000");
    fs::current_path(started);

    for (int side = 1; side <= 2; ++side) {
        const int kinds = style->KindCount(side);
        const int frames = style->FrameCount(side);
        if (kinds < 0 || kinds > BoardStyle::kMaxKinds || frames < 0 || frames > BoardStyle::kMaxFrames)
            std::abort();
        for (int kind : {-1, 0, kinds - 1, kinds, 1000}) {
            for (int frame : {-1, 0, frames - 1, frames, 1000}) {
                const QImage& picture = side == 1 ? style->FloatPicture1st(kind, frame) : style->FloatPicture2nd(kind, frame);
                if (!picture.isNull() && picture.width() <= 0)
                    std::abort();
            }
        }
    }
    if (style->Title().size() > BoardStyle::kFieldBytes || style->Author().size() > BoardStyle::kFieldBytes ||
        style->Comment().size() > BoardStyle::kFieldBytes)
        std::abort();
    return 0;
}
