#include "pictures/PictureLoader.h"

#include "pictures/PictureCache.h"
#include "pictures/Transparency.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <jpeglib.h>
#include <sys/resource.h>

namespace {

// A small libjpeg encoder, so the tests do not depend on Qt's JPEG plugin.
// Four components write inverted CMYK as Adobe does, here without black ink.
std::string EncodeJpeg(const QImage& source, bool progressive = false, int components = 3)
{
    const QImage image = source.convertToFormat(components == 1   ? QImage::Format_Grayscale8
                                                : components == 4 ? QImage::Format_RGBA8888
                                                                  : QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr error{};
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width());
    cinfo.image_height = static_cast<JDIMENSION>(image.height());
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {const_cast<JSAMPLE*>(image.constScanLine(static_cast<int>(cinfo.next_scanline)))};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

std::string Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes.toStdString();
}

// Blocks of four colours 8 pixels wide, or with `noise` a different colour in each pixel.
QImage Pattern(int width, int height, bool noise = false)
{
    static const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 255), qRgb(240, 240, 40)};
    QImage image(width, height, QImage::Format_RGB32);
    unsigned seed = 12345;
    for (int i = 0; i < width * height; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = i % width, y = i / width;
        image.setPixel(x, y, noise ? qRgb(seed >> 24, (seed >> 16) & 0xff, (seed >> 8) & 0xff)
                                   : kColours[((y / 8) * 2 + x / 8) % 4]);
    }
    return image;
}

std::string WithLe32(std::string bytes, size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
    return bytes;
}

// An icon whose only picture is a PNG, as newer icon files hold large pictures.
std::string IconWithPng(const std::string& png)
{
    const std::string size = WithLe32(std::string(4, '\0'), 0, static_cast<std::uint32_t>(png.size()));
    return std::string("\0\0\1\0\1\0\0\0\0\0\1\0\x20\0", 14) + size + std::string("\x16\0\0\0", 4) + png;
}

int MaxChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

class PictureLoaderTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        PictureLoader::SetFailureReporter({});
        PictureLoader::SetCacheLimit(PictureCache::kDefaultLimitBytes);
        PictureLoader::SetRecheckInterval(1000);
        PictureLoader::ClearCache();
    }

    QString Write(const std::string& name, const std::string& bytes)
    {
        dir_.Write(name, bytes);
        return QString::fromStdString(dir_.File(name));
    }

    TempDir dir_;
};

TEST_F(PictureLoaderTest, DecodesEachFormatToTheSourcePixelsAndOnlyPngAlphaReplacesTheBottomLeftRule)
{
    const std::string bmp = Encode(Pattern(7, 5, true), "BMP");
    // The same rows stored top-down, marked by a negative height.
    std::string topDown = WithLe32(bmp.substr(0, 54), 22, static_cast<std::uint32_t>(-5));
    for (int row = 4; row >= 0; --row)
        topDown += bmp.substr(54 + row * 24, 24);
    // 2 x 2, 24-bit, with the 12-byte header of the oldest BMP files; rows bottom-up, padded to 4 bytes.
    const std::string core("BM*\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\x02\0\x02\0\x01\0\x18\0"
                           "\x07\x08\x09\x0a\x0b\x0c\0\0\x01\x02\x03\x04\x05\x06\0\0", 42);
    // 16 x 2, 8-bit run-length with three colours: the file is shorter than the pixels it holds.
    const std::string rle("BML\0\0\0\0\0\0\0B\0\0\0(\0\0\0\x10\0\0\0\x02\0\0\0\x01\0\x08\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0"
                          "\0\0\x03\0\0\0\0\0\0\0\xff\0\0\0\0\xff\0\0\0\0\xff\0\x10\x01\0\0\x08\x02\x08\0\0\x01", 76);
    const QImage grey = Pattern(32, 24).convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
    // Bottom-left opaque magenta, one half-transparent pixel, the rest opaque grey.
    QImage source(8, 8, QImage::Format_ARGB32);
    source.fill(qRgba(90, 90, 90, 255));
    source.setPixel(0, 7, qRgba(255, 0, 255, 255));
    source.setPixel(2, 2, qRgba(255, 0, 255, 255));
    source.setPixel(5, 5, qRgba(0, 0, 200, 100));
    const struct {
        const char* name;
        std::string bytes;
        QImage expected;
        int tolerance;
    } cases[] = {
        {"board.bmp", bmp, Pattern(7, 5, true), 0},
        {"top-down.bmp", topDown, Pattern(7, 5, true), 0},
        // Qt decodes these BMP pixels; the loader's part is to take the files, whose sizes its header reading checks.
        {"core.bmp", core, QImage(2, 2, QImage::Format_RGB32), 255},
        {"rle.bmp", rle, QImage(16, 2, QImage::Format_RGB32), 255},
        // Only the padding of the last row missing: every pixel is there, so the file is taken.
        {"unpadded.bmp", Encode(Pattern(3, 2, true), "BMP").substr(0, 54 + 12 + 9), Pattern(3, 2, true), 255},
        {"Board.PNG", Encode(Pattern(40, 30, true), "PNG"), Pattern(40, 30, true), 0},
        {"large.ico", IconWithPng(Encode(Pattern(300, 20), "PNG")), Pattern(300, 20), 0},
        {"colour.jpg", EncodeJpeg(Pattern(32, 24)), Pattern(32, 24), 12},
        {"Piece.JpEg", EncodeJpeg(Pattern(32, 24), false, 4) + "trailing bytes", Pattern(32, 24), 12},
        {"grey.jpg", EncodeJpeg(grey, false, 1), grey, 6},
        // Qt's icon reader hands out premultiplied colours, which the loader makes straight again.
        {"face.ico", Encode(source, "ICO"), source, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString reason;
        const QImage image = PictureLoader::Load(Write(c.name, c.bytes), &reason);
        ASSERT_EQ(image.size(), c.expected.size()) << reason.toStdString();
        EXPECT_NE(image.format(), QImage::Format_ARGB32_Premultiplied);
        // Away from the block edges, where lossy coding blurs.
        const int step = c.tolerance > 0 ? 8 : 1;
        for (int y = c.tolerance > 0 ? 2 : 0; y < image.height(); y += step)
            for (int x = c.tolerance > 0 ? 2 : 0; x < image.width(); x += step)
                ASSERT_LE(MaxChannelDistance(image.pixel(x, y), c.expected.pixel(x, y)), c.tolerance) << x << "," << y;
    }

    QImage opaque = source.convertToFormat(QImage::Format_RGB32);
    opaque.setPixel(5, 5, qRgb(0, 0, 200));
    // Only a PNG's own alpha replaces the bottom-left rule.
    const struct {
        const char* file;
        std::string bytes;
        int bottomLeftAlpha;  // after TransparentCopy
        int sameColourAlpha;  // another pixel of the bottom-left colour; -1 where lossy coding shifts it
        int translucentAlpha;
    } alphaCases[] = {
        {"alpha.png", Encode(source, "PNG"), 255, 255, 100},
        {"opaque.png", Encode(opaque, "PNG"), 0, 0, 255},
        {"piece.jpg", EncodeJpeg(opaque), 0, -1, 255},
    };
    for (const auto& c : alphaCases) {
        SCOPED_TRACE(c.file);
        const QImage loaded = PictureLoader::Load(Write(c.file, c.bytes));
        const QImage shown = TransparentCopy(loaded);
        EXPECT_EQ(qAlpha(shown.pixel(0, 7)), c.bottomLeftAlpha);
        EXPECT_EQ(c.sameColourAlpha < 0 ? -1 : qAlpha(shown.pixel(2, 2)), c.sameColourAlpha);
        EXPECT_EQ(qAlpha(shown.pixel(5, 5)), c.translucentAlpha);
        // The mark survives what drawing does to a picture first.
        EXPECT_EQ(HasOwnAlpha(loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(0, 0, 4, 4)),
                  c.bottomLeftAlpha == 255);
    }
}

TEST_F(PictureLoaderTest, RefusesWhatItCannotReadOrDecodeAndReportsEachFileOncePerRun)
{
    const std::string png = Encode(Pattern(40, 30, true), "PNG");
    // A header that claims 20000 x 30 over the pixels of 40 x 30: only the header can refuse it.
    const std::string widePng = std::string(png).replace(16, 4, std::string("\0\0\x4e\x20", 4));
    const std::string bmp = Encode(Pattern(40, 40, true), "BMP");
    const std::string jpeg = EncodeJpeg(Pattern(64, 64, true));
    const std::string progressive = EncodeJpeg(Pattern(64, 64, true), true);
    const std::string icon = IconWithPng(png);
    const auto bmpSized = [&bmp](int width, int height) { return WithLe32(WithLe32(bmp, 18, width), 22, height); };
    const std::pair<const char*, std::vector<std::pair<std::string, std::string>>> groups[] = {
        {"アイコン データが壊れています", {{"half.ico", icon.substr(0, icon.size() / 2)}, {"dir.ico", icon.substr(0, 22)}}},
        {"PNG データが壊れています", {{"half.png", png.substr(0, png.size() / 2)}, {"sign.png", png.substr(0, 8)},
                                      {"bitmap.png", bmp}}},
        {"画像が大きすぎます (16384 ピクセルまで)",
         {{"huge.ico", IconWithPng(widePng)}, {"wide.png", widePng}, {"wide.bmp", bmpSized(20000, 40)},
          {"wide.jpg", EncodeJpeg(Pattern(20000, 16))}, {"tall.jpg", EncodeJpeg(Pattern(16, 20000))}}},
        {"画像が大きすぎます (合計 8192 × 8192 ピクセルまで)", {{"many.bmp", bmpSized(10000, 10000)}}},
        {"BMP データが壊れています", {{"photo.bmp", jpeg}, {"tiny.bmp", bmp.substr(0, 10)}}},
        {"BMP データが途中で終わっています",
         {{"half.bmp", bmp.substr(0, bmp.size() / 2)},
          {"short.bmp", Encode(Pattern(3, 2, true), "BMP").substr(0, 54 + 12 + 8)}}},
        // Even the end marker alone missing: nothing tells the data was complete.
        {"JPEG データが途中で終わっています",
         {{"half.jpg", jpeg.substr(0, jpeg.size() / 2)}, {"no-end.jpg", jpeg.substr(0, jpeg.size() - 2)},
          {"progressive.jpg", progressive.substr(0, progressive.size() * 3 / 4)}}},
        {"JPEG データが壊れています: Not a JPEG file: starts with 0x5a 0x5a", {{"noise.jpg", std::string(300, 'Z')}}},
        {"ファイルが空です", {{"empty.jpg", ""}}},
        {"対応していない形式です (EMF/WMF)", {{"board.WMF", "\xd7\xcd\xc6\x9a"}}},
        {"対応していない形式です", {{"board.gif", png}, {"board", bmp}}},
        {"ファイルが大きすぎます (64 MB まで)", {{"huge.bmp", bmp}}},
    };
    std::vector<std::pair<QString, QString>> expected;
    for (const auto& [reason, files] : groups)
        for (const auto& [name, bytes] : files)
            expected.emplace_back(Write(name, bytes), QString::fromUtf8(reason));
    std::filesystem::resize_file(dir_.Path() / "huge.bmp", 64ull * 1024 * 1024 + 1);
    std::filesystem::create_directory(dir_.Path() / "folder.bmp");
    expected.insert(expected.end(),
                    {{QString::fromStdString(dir_.File("none.bmp")), QStringLiteral("ファイルが見つかりません")},
                     {QString(), QStringLiteral("ファイルが見つかりません")},
                     {QString::fromStdString(dir_.File("folder.bmp")), QStringLiteral("ファイルを読み込めません")}});
    std::vector<std::pair<QString, QString>> reported;
    PictureLoader::SetFailureReporter([&](const QString& path, const QString& why) { reported.emplace_back(path, why); });
    for (int pass = 0; pass < 2; ++pass) {
        // Still once, even after the cache is emptied.
        PictureLoader::ClearCache();
        for (const auto& [path, reason] : expected) {
            QString why;
            EXPECT_TRUE(PictureLoader::Load(path, &why).isNull()) << path.toStdString();
            EXPECT_EQ(why, reason) << path.toStdString();
        }
    }
    EXPECT_EQ(reported, expected);
    // With no file to be opened, only the size check before reading can name the size.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    const rlimit none{0, files.rlim_max};
    setrlimit(RLIMIT_NOFILE, &none);
    QString why;
    PictureLoader::Load(QString::fromStdString(dir_.File("huge.bmp")), &why);
    setrlimit(RLIMIT_NOFILE, &files);
    EXPECT_EQ(why, QStringLiteral("ファイルが大きすぎます (64 MB まで)"));
}

TEST_F(PictureLoaderTest, CacheServesPicturesUntilTheFileChangesAndEvictsTheLeastRecentlyUsed)
{
    const std::string bytes = Encode(Pattern(16, 16), "BMP");
    const QString a = Write("a.bmp", bytes);
    const QString b = Write("b.bmp", bytes);
    const QString c = Write("c.bmp", bytes);
    const QImage first = PictureLoader::Load(a);
    // Same size, so only the modification time tells the files apart.
    PictureLoader::SetRecheckInterval(0);
    const auto written = std::filesystem::last_write_time(dir_.Path() / "a.bmp");
    dir_.Write("a.bmp", Encode(Pattern(16, 16, true), "BMP"));
    std::filesystem::last_write_time(dir_.Path() / "a.bmp", written + std::chrono::seconds(5));
    EXPECT_EQ(PictureLoader::Load(a), Pattern(16, 16, true));

    const auto decodes = [](std::initializer_list<QString> paths) {
        const int before = PictureLoader::DecodeCount();
        for (const QString& path : paths)
            PictureLoader::Load(path);
        return PictureLoader::DecodeCount() - before;
    };
    PictureLoader::SetRecheckInterval(1000);
    PictureLoader::SetCacheLimit(first.sizeInBytes() * 2);
    EXPECT_EQ(decodes({b, a, c, a, c}), 2) << "c evicts b, the least recently used";
    EXPECT_EQ(decodes({b}), 1);
    EXPECT_EQ(PictureLoader::GetStats().cachedBytes, first.sizeInBytes() * 2);
    PictureLoader::SetCacheLimit(first.sizeInBytes() - 1);
    EXPECT_EQ(PictureLoader::GetStats().cachedPictures, 0);
}

}  // namespace
