#include "data/BoardStyle.h"
#include "pictures/PictureLoader.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

namespace fs = std::filesystem;

constexpr int kKinds = 20;
constexpr int kFrames = 20;

// Written with libjpeg itself, so the bench does not depend on Qt's image plugins.
bool WriteJpeg(const fs::path& path, const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

QImage Pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed * 13) & 0xff, (y * 5 + seed * 29) & 0xff, (x ^ y ^ seed) & 0xff));
    }
    return image;
}

// A board design of 20 kinds x 20 frames per side in a folder of its own,
// which is the program folder while the benchmarks run.
class Design {
public:
    Design()
    {
        std::string pattern = (fs::temp_directory_path() / "tessella-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder_ = pattern;
        fs::create_directory(folder_ / "Pieces");
        previous_ = fs::current_path();
        fs::current_path(folder_);

        std::string text = "[BoardSet]\r\nName=Bench\r\n[Board_000]\r\nBoardType=Random\r\n";
        AddJpeg("Board.jpg", Pattern(400, 400, 1));
        AddJpeg("Border.jpg", Pattern(400, 400, 2));
        AddBmp("NoFloat.bmp", Pattern(32, 32, 3));
        text += "Board=Board.jpg\r\nBorder=Border.jpg\r\nNoFloat=NoFloat.bmp\r\n";
        for (const char* side : {"1st", "2nd"}) {
            for (int kind = 0; kind < kKinds; ++kind) {
                char key[32];
                std::snprintf(key, sizeof key, "%sFloat_%02d=", side, kind);
                text += key;
                for (int frame = 0; frame < kFrames; ++frame) {
                    char name[64];
                    std::snprintf(name, sizeof name, "%s_%02d_%02d.bmp", side, kind, frame);
                    AddBmp(std::string("Pieces/") + name, Pattern(32, 32, kind * kFrames + frame));
                    text += (frame == 0 ? "Pieces\\" : ",Pieces\\") + std::string(name);
                }
                text += "\r\n";
            }
        }
        text += "Title=Bench\r\nIntervalTime=100\r\nStretch=True\r\n";
        std::ofstream(folder_ / "Bench.tsb", std::ios::binary) << text;
    }

    ~Design()
    {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(folder_, ignored);
    }

    const std::vector<QString>& Files() const { return files_; }

private:
    void AddBmp(const std::string& name, const QImage& image)
    {
        if (!image.save(QString::fromStdString((folder_ / name).string()), "BMP"))
            std::abort();
        files_.push_back(QString::fromStdString((folder_ / name).string()));
    }

    void AddJpeg(const std::string& name, const QImage& image)
    {
        if (!WriteJpeg(folder_ / name, image))
            std::abort();
        files_.push_back(QString::fromStdString((folder_ / name).string()));
    }

    fs::path folder_;
    fs::path previous_;
    std::vector<QString> files_;
};

const Design& TheDesign()
{
    static const Design design;
    return design;
}

// Reading and decoding every picture the design names, without the cache: the floor for a first load.
void BM_DecodeFilesDirectly(benchmark::State& state)
{
    const Design& design = TheDesign();
    for (auto _ : state) {
        for (const QString& path : design.Files()) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                std::abort();
            QImage image = PictureLoader::Decode(file.readAll(), QFileInfo(path).suffix());
            benchmark::DoNotOptimize(image);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(design.Files().size()));
}
BENCHMARK(BM_DecodeFilesDirectly)->Unit(benchmark::kMillisecond);

void BM_LoadFirstTime(benchmark::State& state)
{
    const Design& design = TheDesign();
    auto style = std::make_unique<BoardStyle>();
    for (auto _ : state) {
        state.PauseTiming();
        PictureLoader::ClearCache();
        state.ResumeTiming();
        style->Load("Bench.tsb", "Board_000");
    }
    if (style->KindCount2nd() != kKinds || style->FrameCount2nd() != kFrames || style->BoardPicture().isNull())
        state.SkipWithError("the design did not load");
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(design.Files().size()));
}
BENCHMARK(BM_LoadFirstTime)->Unit(benchmark::kMillisecond);

void BM_LoadAgain(benchmark::State& state)
{
    const Design& design = TheDesign();
    auto style = std::make_unique<BoardStyle>();
    style->Load("Bench.tsb", "Board_000");
    const int decodes = PictureLoader::DecodeCount();
    for (auto _ : state)
        style->Load("Bench.tsb", "Board_000");
    if (PictureLoader::DecodeCount() != decodes)
        state.SkipWithError("a warm load decoded pictures");
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(design.Files().size()));
}
BENCHMARK(BM_LoadAgain)->Unit(benchmark::kMillisecond);

}  // namespace
