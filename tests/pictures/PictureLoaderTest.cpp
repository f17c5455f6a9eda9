#include "pictures/PictureLoader.h"

#include "pictures/PictureCache.h"
#include "pictures/Transparency.h"
#include "support/TempDir.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <jpeglib.h>

namespace {

// A small libjpeg encoder, so the tests do not depend on Qt's JPEG plugin.
std::string EncodeJpeg(const QImage& source, bool progressive = false, int components = 3)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
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
    std::vector<JSAMPLE> row(static_cast<size_t>(image.width()) * components);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar* rgb = image.constScanLine(static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < image.width(); ++x) {
            const uchar r = rgb[x * 3], g = rgb[x * 3 + 1], b = rgb[x * 3 + 2];
            if (components == 1) {
                row[x] = r;
            } else if (components == 4) {
                // Inverted CMYK as Adobe writes it: full black ink (k 0) only where the pixel is black.
                const bool black = r == 0 && g == 0 && b == 0;
                row[x * 4] = r;
                row[x * 4 + 1] = g;
                row[x * 4 + 2] = b;
                row[x * 4 + 3] = black ? 0 : 255;
            } else {
                row[x * 3] = r;
                row[x * 3 + 1] = g;
                row[x * 3 + 2] = b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
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

QImage Blocks(int width, int height)
{
    static const QRgb kColours[] = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 255), qRgb(240, 240, 40)};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, kColours[((y / 8) * 2 + x / 8) % 4]);
    return image;
}

QImage Noise(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    unsigned seed = 12345;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            image.setPixel(x, y, qRgb(seed >> 24, (seed >> 16) & 0xff, (seed >> 8) & 0xff));
        }
    return image;
}

void PutLe32(std::string& bytes, size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

// Rewrites the dimensions in the first baseline or progressive frame header.
void PatchJpegSize(std::string& bytes, int width, int height)
{
    for (size_t i = 2; i + 9 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xff && (marker == 0xc0 || marker == 0xc2)) {
            bytes[i + 5] = static_cast<char>(height >> 8);
            bytes[i + 6] = static_cast<char>(height & 0xff);
            bytes[i + 7] = static_cast<char>(width >> 8);
            bytes[i + 8] = static_cast<char>(width & 0xff);
            return;
        }
    }
    ADD_FAILURE() << "no frame header";
}

// An icon whose only picture is a PNG, as newer icon files hold large pictures.
std::string IconWithPng(const std::string& png)
{
    std::string icon("\0\0\1\0\1\0", 6);
    icon += std::string("\0\0\0\0\1\0\x20\0", 8);
    icon += std::string(8, '\0');
    PutLe32(icon, 14, static_cast<std::uint32_t>(png.size()));
    PutLe32(icon, 18, 22);
    return icon + png;
}

int MaxChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class PictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset()
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

    // The reason a file is refused; the picture must be empty.
    QString Refusal(const std::string& name, const std::string& bytes)
    {
        QString reason;
        EXPECT_TRUE(PictureLoader::Load(Write(name, bytes), &reason).isNull()) << name;
        return reason;
    }

    TempDir dir_;
};

TEST_F(PictureLoaderTest, Bmp24BitKeepsEveryPixelExactly)
{
    const QImage source = Noise(7, 5);
    const std::string bytes = Encode(source, "BMP");
    ASSERT_EQ(bytes[28], 24);
    QString reason;
    const QImage image = PictureLoader::Load(Write("board.bmp", bytes), &reason);
    ASSERT_FALSE(image.isNull()) << reason.toStdString();
    ASSERT_EQ(image.size(), source.size());
    EXPECT_FALSE(image.hasAlphaChannel());
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(image.pixel(x, y), source.pixel(x, y)) << x << "," << y;

    // The same rows stored top-down, marked by a negative height.
    std::string topDown = bytes.substr(0, 54);
    const size_t rowBytes = 24;
    for (int row = 4; row >= 0; --row)
        topDown += bytes.substr(54 + row * rowBytes, rowBytes);
    PutLe32(topDown, 22, static_cast<std::uint32_t>(-5));
    EXPECT_EQ(PictureLoader::Load(Write("top-down.bmp", topDown)), image);
}

TEST_F(PictureLoaderTest, PalettedBmpKeepsColours)
{
    // Qt writes the smallest depth that holds the palette.
    for (const auto& [colours, bits] : {std::pair{3, 4}, std::pair{20, 8}}) {
        SCOPED_TRACE(bits);
        QImage source(6, 4, QImage::Format_Indexed8);
        QVector<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table.append(qRgb(255 - i * 11, i * 3 + 1, (i * 37) % 256));
        source.setColorTable(table);
        source.fill(0);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                source.setPixel(x, y, (x * 4 + y) % colours);
        const std::string bytes = Encode(source, "BMP");
        ASSERT_EQ(bytes[28], bits);
        const QImage image = PictureLoader::Load(Write("piece" + std::to_string(bits) + ".bmp", bytes));
        ASSERT_EQ(image.size(), source.size());
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                ASSERT_EQ(image.pixel(x, y), source.pixel(x, y)) << x << "," << y;
    }
}

TEST_F(PictureLoaderTest, CoreHeaderAndRunLengthBmp)
{
    // 2 x 2, 24-bit, with the 12-byte header of the oldest BMP files; rows bottom-up, padded to 4 bytes.
    std::string core("BM", 2);
    core += std::string(12, '\0');
    PutLe32(core, 2, 14 + 12 + 16);
    PutLe32(core, 10, 26);
    core += std::string("\x0c\0\0\0\x02\0\x02\0\x01\0\x18\0", 12);
    core += std::string("\x01\x02\x03\x04\x05\x06\0\0\x07\x08\x09\x0a\x0b\x0c\0\0", 16);
    QString reason;
    const QImage image = PictureLoader::Load(Write("core.bmp", core), &reason);
    ASSERT_EQ(image.size(), QSize(2, 2)) << reason.toStdString();
    EXPECT_EQ(image.pixel(0, 1), qRgb(3, 2, 1));
    EXPECT_EQ(image.pixel(1, 1), qRgb(6, 5, 4));
    EXPECT_EQ(image.pixel(0, 0), qRgb(9, 8, 7));

    // 4 x 2, 8-bit run-length: compressed rows are shorter than the pixels they hold.
    std::string rle("BM", 2);
    rle += std::string(12, '\0');
    const std::string runs("\x04\x01\x00\x00\x02\x02\x02\x00\x00\x01", 10);
    PutLe32(rle, 2, 14 + 40 + 12 + static_cast<std::uint32_t>(runs.size()));
    PutLe32(rle, 10, 14 + 40 + 12);
    std::string info(40, '\0');
    PutLe32(info, 0, 40);
    PutLe32(info, 4, 4);
    PutLe32(info, 8, 2);
    info[12] = 1;
    info[14] = 8;
    info[16] = 1;
    PutLe32(info, 32, 3);
    rle += info + std::string("\xff\0\0\0\0\xff\0\0\0\0\xff\0", 12) + runs;
    const QImage decoded = PictureLoader::Load(Write("rle.bmp", rle), &reason);
    ASSERT_EQ(decoded.size(), QSize(4, 2)) << reason.toStdString();
    EXPECT_EQ(decoded.pixel(3, 1), qRgb(0, 255, 0));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(255, 0, 0));
}

TEST_F(PictureLoaderTest, IconKeepsStraightAlpha)
{
    if (!QImageWriter::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "Qt cannot write icons here";
    QImage source(16, 16, QImage::Format_ARGB32);
    source.fill(qRgba(10, 20, 30, 255));
    source.setPixel(3, 4, qRgba(200, 100, 50, 128));
    source.setPixel(0, 15, qRgba(0, 0, 0, 0));
    const std::string bytes = Encode(source, "ICO");
    const QImage image = PictureLoader::Load(Write("face.ico", bytes));
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(1, 1), qRgba(10, 20, 30, 255));
    const QRgb translucent = image.pixel(3, 4);
    EXPECT_EQ(qAlpha(translucent), 128);
    EXPECT_LE(MaxChannelDistance(translucent, qRgb(200, 100, 50)), 1);
    EXPECT_EQ(qAlpha(image.pixel(0, 15)), 0);

    EXPECT_EQ(Refusal("half.ico", bytes.substr(0, bytes.size() / 2)), QStringLiteral("アイコン データが壊れています"));
    EXPECT_EQ(Refusal("directory-only.ico", bytes.substr(0, 22)), QStringLiteral("アイコン データが壊れています"));
}

TEST_F(PictureLoaderTest, IconWithPngIsSizedByThePngHeader)
{
    std::string png = Encode(Blocks(300, 20), "PNG");
    const QImage image = PictureLoader::Load(Write("large.ico", IconWithPng(png)));
    ASSERT_EQ(image.size(), QSize(300, 20));
    EXPECT_EQ(image.pixel(299, 0), Blocks(300, 20).pixel(299, 0));

    // The directory says 256 x 256; only the PNG header tells the real width.
    png[16] = '\0';
    png[17] = '\0';
    png[18] = static_cast<char>(20000 >> 8);
    png[19] = static_cast<char>(20000 & 0xff);
    EXPECT_EQ(Refusal("huge.ico", IconWithPng(png)), QStringLiteral("画像が大きすぎます (16384 ピクセルまで)"));
}

TEST_F(PictureLoaderTest, PngIsCheckedLikeBmp)
{
    const std::string png = Encode(Noise(40, 30), "PNG");
    const QImage image = PictureLoader::Load(Write("Board.PNG", png));
    ASSERT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.pixel(39, 29), Noise(40, 30).pixel(39, 29));

    const QString corrupt = QStringLiteral("PNG データが壊れています");
    EXPECT_EQ(Refusal("half.png", png.substr(0, png.size() / 2)), corrupt);
    EXPECT_EQ(Refusal("signature-only.png", png.substr(0, 8)), corrupt);
    EXPECT_EQ(Refusal("bitmap.png", Encode(Blocks(8, 8), "BMP")), corrupt);

    std::string wide = png;
    wide[16] = '\0';
    wide[17] = '\0';
    wide[18] = static_cast<char>(20000 >> 8);
    wide[19] = static_cast<char>(20000 & 0xff);
    const int decodes = PictureLoader::DecodeCount();
    EXPECT_EQ(Refusal("wide.png", wide), QStringLiteral("画像が大きすぎます (16384 ピクセルまで)"));
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes + 1);
}

TEST_F(PictureLoaderTest, PngAlphaIsItsTransparencyWhileOtherFormatsKeepTheBottomLeftRule)
{
    // Bottom-left opaque magenta, one half-transparent pixel, the rest opaque grey.
    QImage source(8, 8, QImage::Format_ARGB32);
    source.fill(qRgba(90, 90, 90, 255));
    source.setPixel(0, 7, qRgba(255, 0, 255, 255));
    source.setPixel(2, 2, qRgba(255, 0, 255, 255));
    source.setPixel(5, 5, qRgba(0, 0, 200, 100));
    QImage opaque = source.convertToFormat(QImage::Format_RGB32);
    opaque.setPixel(5, 5, qRgb(0, 0, 200));

    struct Case {
        const char* file;
        std::string bytes;
        int bottomLeftAlpha;  // after TransparentCopy
        int sameColourAlpha;  // another pixel of the bottom-left colour; -1 where lossy coding shifts it
        int translucentAlpha;
    } cases[] = {
        {"alpha.png", Encode(source, "PNG"), 255, 255, 100},
        {"opaque.png", Encode(opaque, "PNG"), 0, 0, 255},
        {"piece.bmp", Encode(opaque, "BMP"), 0, 0, 255},
        {"piece.jpg", EncodeJpeg(opaque), 0, -1, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage loaded = PictureLoader::Load(Write(c.file, c.bytes));
        ASSERT_FALSE(loaded.isNull());
        const QImage shown = TransparentCopy(loaded);
        EXPECT_EQ(qAlpha(shown.pixel(0, 7)), c.bottomLeftAlpha);
        if (c.sameColourAlpha >= 0) {
            EXPECT_EQ(qAlpha(shown.pixel(2, 2)), c.sameColourAlpha);
        }
        EXPECT_EQ(qAlpha(shown.pixel(5, 5)), c.translucentAlpha);
        EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 255);
        // The mark survives what drawing does to a picture first.
        EXPECT_EQ(HasOwnAlpha(loaded.convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(0, 0, 4, 4)),
                  c.bottomLeftAlpha == 255);
    }
}

TEST_F(PictureLoaderTest, JpegColourGreyProgressiveAndCmyk)
{
    const QImage source = Blocks(32, 24);
    struct Case {
        const char* name;
        std::string bytes;
        bool grey;
    } cases[] = {
        {"colour.jpg", EncodeJpeg(source), false},
        {"progressive.jpeg", EncodeJpeg(source, true), false},
        {"grey.jpg", EncodeJpeg(source, false, 1), true},
        {"cmyk.jpg", EncodeJpeg(source, false, 4), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString reason;
        const QImage image = PictureLoader::Load(Write(c.name, c.bytes), &reason);
        ASSERT_FALSE(image.isNull()) << reason.toStdString();
        ASSERT_EQ(image.size(), source.size());
        EXPECT_EQ(image.format(), QImage::Format_RGB888);
        for (int y = 2; y < 24; y += 8)
            for (int x = 2; x < 32; x += 8) {
                const QRgb expected = source.pixel(x, y);
                const QRgb got = image.pixel(x, y);
                if (c.grey) {
                    EXPECT_EQ(qRed(got), qGreen(got));
                    EXPECT_EQ(qGreen(got), qBlue(got));
                    EXPECT_LE(std::abs(qRed(got) - qRed(expected)), 6) << x << "," << y;
                } else {
                    EXPECT_LE(MaxChannelDistance(got, expected), 12) << x << "," << y;
                }
            }
    }
}

TEST_F(PictureLoaderTest, ExtensionPicksTheDecoderWhateverItsCase)
{
    const std::string jpeg = EncodeJpeg(Blocks(16, 16));
    const std::string bmp = Encode(Blocks(16, 16), "BMP");
    EXPECT_FALSE(PictureLoader::Load(Write("Piece.JpEg", jpeg)).isNull());
    EXPECT_FALSE(PictureLoader::Load(Write("BOARD.BMP", bmp)).isNull());

    EXPECT_TRUE(Refusal("bitmap.jpg", bmp).startsWith(QStringLiteral("JPEG データが壊れています: ")));
    EXPECT_EQ(Refusal("photo.bmp", jpeg), QStringLiteral("BMP データが壊れています"));
}

TEST_F(PictureLoaderTest, UnsupportedFormatsAreRefused)
{
    EXPECT_EQ(Refusal("board.WMF", "\xd7\xcd\xc6\x9a"), QStringLiteral("対応していない形式です (EMF/WMF)"));
    EXPECT_EQ(Refusal("board.gif", Encode(Blocks(8, 8), "PNG")), QStringLiteral("対応していない形式です"));
    EXPECT_EQ(Refusal("board", Encode(Blocks(8, 8), "BMP")), QStringLiteral("対応していない形式です"));
}

TEST_F(PictureLoaderTest, MissingEmptyAndUnreadableFiles)
{
    QString reason;
    EXPECT_TRUE(PictureLoader::Load(QString::fromStdString(dir_.File("none.bmp")), &reason).isNull());
    EXPECT_EQ(reason, QStringLiteral("ファイルが見つかりません"));
    EXPECT_TRUE(PictureLoader::Load(QString(), &reason).isNull());
    EXPECT_EQ(reason, QStringLiteral("ファイルが見つかりません"));

    EXPECT_EQ(Refusal("empty.jpg", ""), QStringLiteral("ファイルが空です"));

    std::filesystem::create_directory(dir_.Path() / "folder.bmp");
    EXPECT_TRUE(PictureLoader::Load(QString::fromStdString(dir_.File("folder.bmp")), &reason).isNull());
    EXPECT_EQ(reason, QStringLiteral("ファイルを読み込めません"));
}

TEST_F(PictureLoaderTest, FileOverTheSizeLimitIsNotRead)
{
    const QString path = Write("huge.bmp", Encode(Blocks(8, 8), "BMP"));
    std::filesystem::resize_file(dir_.Path() / "huge.bmp", 64ull * 1024 * 1024 + 1);
    const int decodes = PictureLoader::DecodeCount();
    QString reason;
    EXPECT_TRUE(PictureLoader::Load(path, &reason).isNull());
    EXPECT_EQ(reason, QStringLiteral("ファイルが大きすぎます (64 MB まで)"));
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
}

TEST_F(PictureLoaderTest, TruncatedAndCorruptJpegAreRefused)
{
    const std::string whole = EncodeJpeg(Noise(64, 64));
    const std::string progressive = EncodeJpeg(Noise(64, 64), true);
    const QString truncated = QStringLiteral("JPEG データが途中で終わっています");
    EXPECT_EQ(Refusal("half.jpg", whole.substr(0, whole.size() / 2)), truncated);
    // Even the end marker alone missing: nothing tells the data was complete.
    EXPECT_EQ(Refusal("no-end.jpg", whole.substr(0, whole.size() - 2)), truncated);
    EXPECT_EQ(Refusal("half-progressive.jpg", progressive.substr(0, progressive.size() * 3 / 4)), truncated);
    EXPECT_FALSE(PictureLoader::Load(Write("trailing.jpg", whole + "trailing bytes")).isNull());
    EXPECT_EQ(Refusal("noise.jpg", std::string(300, '\x5a')),
              QStringLiteral("JPEG データが壊れています: Not a JPEG file: starts with 0x5a 0x5a"));
}

TEST_F(PictureLoaderTest, TruncatedBmpIsRefused)
{
    const std::string whole = Encode(Noise(40, 40), "BMP");
    const QString truncated = QStringLiteral("BMP データが途中で終わっています");
    EXPECT_EQ(Refusal("half.bmp", whole.substr(0, whole.size() / 2)), truncated);
    // Only the padding of the last row missing still holds every pixel.
    EXPECT_FALSE(PictureLoader::Load(Write("unpadded.bmp", Encode(Noise(3, 2), "BMP").substr(0, 54 + 12 + 9))).isNull());
    EXPECT_EQ(Refusal("short.bmp", Encode(Noise(3, 2), "BMP").substr(0, 54 + 12 + 8)), truncated);
    EXPECT_EQ(Refusal("short.bmp", whole.substr(0, 10)), QStringLiteral("BMP データが壊れています"));
}

TEST_F(PictureLoaderTest, HeaderDimensionsAreCheckedBeforeDecoding)
{
    const QString tooWide = QStringLiteral("画像が大きすぎます (16384 ピクセルまで)");
    const QString tooMany = QStringLiteral("画像が大きすぎます (合計 8192 × 8192 ピクセルまで)");
    std::string bmp = Encode(Blocks(8, 8), "BMP");
    PutLe32(bmp, 18, 20000);
    EXPECT_EQ(Refusal("wide.bmp", bmp), tooWide);
    PutLe32(bmp, 18, 10000);
    PutLe32(bmp, 22, 10000);
    EXPECT_EQ(Refusal("many.bmp", bmp), tooMany);

    std::string jpeg = EncodeJpeg(Blocks(16, 16));
    PatchJpegSize(jpeg, 20000, 16);
    EXPECT_EQ(Refusal("wide.jpg", jpeg), tooWide);
    PatchJpegSize(jpeg, 16, 20000);
    EXPECT_EQ(Refusal("tall.jpg", jpeg), tooWide);
    PatchJpegSize(jpeg, 9000, 9000);
    EXPECT_EQ(Refusal("many.jpg", jpeg), tooMany);
}

TEST_F(PictureLoaderTest, EachFailingFileIsReportedOncePerRun)
{
    std::vector<std::pair<QString, QString>> calls;
    PictureLoader::SetFailureReporter([&](const QString& path, const QString& reason) { calls.emplace_back(path, reason); });
    const QString missing = QString::fromStdString(dir_.File("gone.bmp"));
    const QString broken = Write("broken.jpg", "not a picture");
    const QString good = Write("good.bmp", Encode(Blocks(8, 8), "BMP"));

    for (int i = 0; i < 2; ++i) {
        QString reason;
        EXPECT_TRUE(PictureLoader::Load(missing, &reason).isNull());
        EXPECT_EQ(reason, QStringLiteral("ファイルが見つかりません"));
        EXPECT_TRUE(PictureLoader::Load(broken).isNull());
        EXPECT_FALSE(PictureLoader::Load(good).isNull());
    }
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].first, missing);
    EXPECT_EQ(calls[0].second, QStringLiteral("ファイルが見つかりません"));
    EXPECT_EQ(calls[1].first, broken);
    EXPECT_TRUE(calls[1].second.startsWith(QStringLiteral("JPEG データが壊れています: ")));

    // Still once, even after the cache is emptied.
    PictureLoader::ClearCache();
    EXPECT_TRUE(PictureLoader::Load(broken).isNull());
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(PictureLoaderTest, CacheServesTheSamePictureWithoutDecodingAgain)
{
    const QString path = Write("board.jpg", EncodeJpeg(Blocks(16, 16)));
    const QImage first = PictureLoader::Load(path);
    const int decodes = PictureLoader::DecodeCount();
    const int hits = PictureLoader::GetStats().cacheHits;
    const QImage second = PictureLoader::Load(path);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
    EXPECT_EQ(PictureLoader::GetStats().cacheHits, hits + 1);
    EXPECT_EQ(second.constBits(), first.constBits());

    PictureLoader::ClearCache();
    EXPECT_EQ(PictureLoader::Load(path), first);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes + 1);
}

TEST_F(PictureLoaderTest, ChangedFileIsDecodedAgain)
{
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(qRgb(255, 0, 0));
    QImage blue = red;
    blue.fill(qRgb(0, 0, 255));
    PictureLoader::SetRecheckInterval(0);
    const QString path = Write("piece.bmp", Encode(red, "BMP"));
    const auto written = std::filesystem::last_write_time(dir_.Path() / "piece.bmp");
    EXPECT_EQ(PictureLoader::Load(path).pixel(0, 0), qRgb(255, 0, 0));

    // Same size, so only the modification time tells the files apart.
    dir_.Write("piece.bmp", Encode(blue, "BMP"));
    std::filesystem::last_write_time(dir_.Path() / "piece.bmp", written + std::chrono::seconds(5));
    const int decodes = PictureLoader::DecodeCount();
    EXPECT_EQ(PictureLoader::Load(path).pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes + 1);
    EXPECT_EQ(PictureLoader::GetStats().cachedPictures, 1);
}

TEST_F(PictureLoaderTest, CacheEvictsTheLeastRecentlyUsedPicture)
{
    const std::string bytes = Encode(Blocks(16, 16), "BMP");
    const QString a = Write("a.bmp", bytes);
    const QString b = Write("b.bmp", bytes);
    const QString c = Write("c.bmp", bytes);
    const qint64 pictureBytes = PictureLoader::Load(a).sizeInBytes();
    PictureLoader::SetCacheLimit(pictureBytes * 2);
    PictureLoader::Load(b);
    PictureLoader::Load(a);
    PictureLoader::Load(c);  // evicts b, the least recently used

    const int decodes = PictureLoader::DecodeCount();
    PictureLoader::Load(a);
    PictureLoader::Load(c);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
    PictureLoader::Load(b);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes + 1);
    EXPECT_EQ(PictureLoader::GetStats().cachedBytes, pictureBytes * 2);

    PictureLoader::SetCacheLimit(pictureBytes - 1);
    EXPECT_EQ(PictureLoader::GetStats().cachedPictures, 0);
    PictureLoader::Load(a);
    EXPECT_EQ(PictureLoader::GetStats().cachedPictures, 0);
}

}

TEST(Transparency, TheBottomLeftColourBecomesTransparentWhateverItsAlpha)
{
    QImage sprite(3, 2, QImage::Format_RGB32);
    sprite.fill(qRgb(255, 0, 255));
    sprite.setPixel(1, 0, qRgb(10, 20, 30));
    const QImage shown = TransparentCopy(sprite);
    EXPECT_EQ(qAlpha(shown.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(shown.pixel(2, 0)), 0);
    EXPECT_EQ(shown.pixel(1, 0), qRgba(10, 20, 30, 255));
    EXPECT_TRUE(TransparentCopy(QImage()).isNull());
}
