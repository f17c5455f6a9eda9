#include "engine/BoardStatus.h"
#include "support/TempDir.h"
#include "support/TextMatch.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

const QString kFolder = QStringLiteral(TESSELLA_CONTENT_DIR);
constexpr QRgb kKey = 0xFFFF00FFu;
constexpr int kFrames = 6;

struct SpriteDesign {
    const char* name;
    int kinds;
};
constexpr SpriteDesign kSpriteDesigns[] = {{"Green", 1}, {"Wood", 1}, {"Night", 1}, {"Gems", 4}, {"Garden", 4}};

QString PictureFile(const QString& name)
{
    return kFolder + QStringLiteral("/Picture/") + name;
}

QImage Picture(const QString& name)
{
    return QImage(PictureFile(name));
}

QString PieceName(const char* design, int side, int kind, int frame)
{
    return QStringLiteral("Board/%1/%2_%3_%4.bmp")
        .arg(QString::fromLatin1(design), side == 1 ? QStringLiteral("1st") : QStringLiteral("2nd"))
        .arg(kind, 2, 10, QChar('0'))
        .arg(frame, 2, 10, QChar('0'));
}

QRgb BottomLeft(const QImage& image)
{
    return image.pixel(0, image.height() - 1);
}

// Bits per pixel from the BMP header.
int BmpDepth(const QString& name)
{
    QFile file(PictureFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return -1;
    return static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
}

int KeyPixelsWithin(const QImage& image, double radius)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - 16.5;
            const double dy = y + 0.5 - 16.5;
            if (dx * dx + dy * dy <= radius * radius && (image.pixel(x, y) | 0xFF000000u) == kKey)
                ++count;
        }
    return count;
}

// Mean colour of the inner part of a piece, where shadows and edges do not reach.
QColor MeanInside(const QImage& image)
{
    long sums[3] = {0, 0, 0};
    long count = 0;
    for (int y = 8; y < 25; ++y)
        for (int x = 8; x < 25; ++x) {
            const QRgb rgb = image.pixel(x, y);
            if ((rgb | 0xFF000000u) == kKey)
                continue;
            sums[0] += qRed(rgb);
            sums[1] += qGreen(rgb);
            sums[2] += qBlue(rgb);
            ++count;
        }
    if (count == 0)
        return QColor();
    return QColor(int(sums[0] / count), int(sums[1] / count), int(sums[2] / count));
}

double Distance(const QColor& a, const QColor& b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
    return count;
}

// Whether (x, y) lies on a two-pixel grid line or on one of the four dots where lines cross.
bool OnGrid(int x, int y)
{
    auto onLine = [](int v) {
        const int offset = (v - 16 + 37) % 37;
        return offset == 0 || offset == 36;
    };
    for (int a : {3, 7})
        for (int b : {3, 7})
            if (std::abs(x - (16 + 37 * a)) <= 3 && std::abs(y - (16 + 37 * b)) <= 3)
                return true;
    return onLine(x) || onLine(y);
}

QSet<QString> FilesUnder(const QString& root)
{
    QSet<QString> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(root).relativeFilePath(it.next()));
    return files;
}

}  // namespace

// Pieces and empty cells are solid on the key colour; a piece's last turning frame looks like the other side's.
TEST(StandardArtwork, SpritesAreSolidOnAKeyColourAndTurningEndsInTheOtherSidesLook)
{
    for (const SpriteDesign& design : kSpriteDesigns) {
        const QImage cell = Picture(QStringLiteral("Board/%1/NoFloat.bmp").arg(QString::fromLatin1(design.name)));
        EXPECT_EQ(cell.size(), QSize(32, 32)) << design.name;
        EXPECT_EQ(BottomLeft(cell), kKey) << design.name;
        for (int side = 1; side <= 2; ++side)
            for (int kind = 0; kind < design.kinds; ++kind) {
                for (int frame = 0; frame < kFrames; ++frame) {
                    const QString name = PieceName(design.name, side, kind, frame);
                    SCOPED_TRACE(name.toStdString());
                    const QImage piece = Picture(name);
                    ASSERT_EQ(piece.size(), QSize(32, 32));
                    // A palette or 16-bit file would not keep the key colour exact.
                    EXPECT_EQ(BmpDepth(name), 24);
                    EXPECT_EQ(std::vector<QRgb>({BottomLeft(piece), piece.pixel(0, 0), piece.pixel(31, 0)}),
                              std::vector<QRgb>(3, kKey));
                    EXPECT_TRUE(frame > 0 || KeyPixelsWithin(piece, 11.0) == 0) << "holes in the still piece";
                }
                const QColor still = MeanInside(Picture(PieceName(design.name, side, kind, 0)));
                const QColor last = MeanInside(Picture(PieceName(design.name, side, kind, kFrames - 1)));
                const QColor newOwner = MeanInside(Picture(PieceName(design.name, 3 - side, kind, 0)));
                EXPECT_LT(Distance(last, newOwner), Distance(last, still)) << design.name << side << kind;
            }
    }
    const QImage tile = Picture(QStringLiteral("Board/Landscape/NoFloat.bmp"));
    ASSERT_EQ(tile.size(), QSize(37, 37));
    EXPECT_EQ(KeyPixelsWithin(tile, 30.0), 0) << "the Picture type's cells are drawn opaque";
}

TEST(StandardArtwork, BordersHoldOnlyGridLinesOnTheirKeyColour)
{
    for (const char* design : {"Green", "Wood", "Night", "Gems", "Garden", "Landscape"}) {
        SCOPED_TRACE(design);
        const QString name = QStringLiteral("Board/%1/Border.bmp").arg(QString::fromLatin1(design));
        const QImage border = Picture(name);
        ASSERT_EQ(border.size(), QSize(400, 400));
        EXPECT_EQ(BmpDepth(name), 24);
        EXPECT_EQ(BottomLeft(border), kKey);
        int stray = 0;
        for (int y = 0; y < 400; ++y)
            for (int x = 0; x < 400; ++x)
                stray += border.pixel(x, y) != kKey && !OnGrid(x, y) ? 1 : 0;
        // Drawn without smoothing: a blended pixel beside a line would show as a fringe.
        EXPECT_EQ(stray, 0);
        // Every playable cell is closed by lines on its four sides.
        for (int cell = 0; cell < 100; ++cell) {
            const int left = 16 + 37 * (cell % 10), top = 16 + 37 * (cell / 10);
            if (!BoardStatus::IsOnBoard(cell / 10, cell % 10))
                continue;
            EXPECT_TRUE(border.pixel(left, top + 18) != kKey && border.pixel(left + 37, top + 18) != kKey &&
                        border.pixel(left + 18, top) != kKey && border.pixel(left + 18, top + 37) != kKey)
                << "cell " << cell;
        }
    }
}

TEST(StandardArtwork, EveryCharacterShowsFiveClearlyDifferentFaces)
{
    for (int character = 0; character < 12; ++character) {
        QImage faces[5];
        for (int expression = 0; expression < 5; ++expression) {
            faces[expression] = Picture(QStringLiteral("Face/Face%1_%2.bmp").arg(character, 2, 10, QChar('0')).arg(expression));
            ASSERT_EQ(faces[expression].size(), QSize(100, 100)) << character << " " << expression;
        }
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                EXPECT_GT(DifferentPixels(faces[a], faces[b]), 300) << "face " << character << ": " << a << " and " << b;
    }
}

TEST(StandardArtwork, ScreenPicturesHaveTheirSizesAndBannersCarryText)
{
    EXPECT_EQ(Picture(QStringLiteral("Title.jpg")).size(), QSize(300, 200));
    EXPECT_EQ(Picture(QStringLiteral("Release.bmp")).size(), QSize(100, 20));
    EXPECT_EQ(Picture(QStringLiteral("Logo.bmp")).size(), QSize(64, 64));
    EXPECT_GT(DifferentPixels(Picture(QStringLiteral("User.bmp")), Picture(QStringLiteral("Computer.bmp"))), 500);
    for (const char* name : {"Welcome.bmp", "Thanks.bmp"}) {
        SCOPED_TRACE(name);
        const QImage banner = Picture(QString::fromLatin1(name));
        ASSERT_EQ(banner.size(), QSize(280, 30));
        EXPECT_EQ(BottomLeft(banner), kKey);
        int text = 0;
        for (int x = 0; x < 280; ++x)
            text += banner.pixel(x, 15) != kKey ? 1 : 0;
        EXPECT_GT(text, 20) << "the banner carries text";
    }
}

// The desktop icons are the logo's emblem without its square background, at every size.
TEST(StandardArtwork, DesktopIconsAreTheLogoEmblemOnATransparentSquare)
{
    const QString icons = QStringLiteral(TESSELLA_ICONS_DIR);
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(QStringLiteral("%1/%2x%2/apps/tessella.png").arg(icons).arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "corners outside the octagon stay clear";
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
    const QImage logo = Picture(QStringLiteral("Logo.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage icon = QImage(icons + QStringLiteral("/64x64/apps/tessella.png")).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    int unlike = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = icon.pixel(x, y);
            const QRgb b = logo.pixel(x, y);
            if (qAlpha(a) < 255)
                continue;
            ++opaque;
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 6)
                ++unlike;
        }
    EXPECT_GT(opaque, 64 * 64 / 2);
    EXPECT_EQ(unlike, 0);

    QFile svg(icons + QStringLiteral("/scalable/apps/tessella.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QSet<QString> defined;
    QSet<QString> used;
    QString viewBox;
    const QRegularExpression reference(QStringLiteral("^url\\(#(\\w+)\\)$"));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QStringLiteral("svg"))
            viewBox = attributes.value(QStringLiteral("viewBox")).toString();
        if (attributes.hasAttribute(QStringLiteral("id")))
            defined.insert(attributes.value(QStringLiteral("id")).toString());
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QRegularExpressionMatch match = reference.match(attribute.value().toString());
            if (match.hasMatch())
                used.insert(match.captured(1));
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 64 64"));
    EXPECT_EQ(used, defined) << "every gradient and clip is defined once and used";
    EXPECT_EQ(used.size(), 5);
}

TEST(StandardArtwork, BoardSetNamesExactlyTheBoardPicturesDrawn)
{
    QFile set(kFolder + QStringLiteral("/Standard.tsb"));
    ASSERT_TRUE(set.open(QIODevice::ReadOnly));
    const std::string bytes = set.readAll().toStdString();
    QSet<QString> named;
    for (const auto& found : MatchAll(bytes, R"(Picture\\Board\\([A-Za-z]+)\\([A-Za-z0-9_]+\.(?:bmp|jpg)))"))
        named.insert(QString::fromStdString(found[1] + "/" + found[2]));
    const QSet<QString> drawn = FilesUnder(kFolder + QStringLiteral("/Picture/Board"));
    EXPECT_EQ(named - drawn, QSet<QString>()) << "named but not drawn";
    EXPECT_EQ(drawn - named, QSet<QString>()) << "drawn but never used";
}

TEST(StandardArtwork, GeneratorDrawsTheSameBytesOnEveryRun)
{
    const TempDir folder;
    QProcess generator;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    generator.setProcessEnvironment(environment);
    const QString icons = QString::fromStdString(folder.File("icons"));
    generator.start(QStringLiteral(TESSELLA_ARTWORK_PROGRAM),
                    {QString::fromStdString(folder.Path().string()), QStringLiteral("--icons"), icons});
    ASSERT_TRUE(generator.waitForFinished(300000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    int different = 0;
    const std::pair<QString, QString> outputs[] = {
        {QString::fromStdString(folder.File("Picture")), kFolder + QStringLiteral("/Picture")},
        {icons, QStringLiteral(TESSELLA_ICONS_DIR)}};
    for (const auto& [again, built] : outputs) {
        const QSet<QString> files = FilesUnder(again);
        EXPECT_EQ(files, FilesUnder(built));
        for (const QString& file : files) {
            QFile a(again + '/' + file);
            QFile b(built + '/' + file);
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file.toStdString();
            if (a.readAll() != b.readAll()) {
                ADD_FAILURE() << file.toStdString() << " differs between runs";
                ++different;
            }
        }
    }
    EXPECT_EQ(different, 0);
}
