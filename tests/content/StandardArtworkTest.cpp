#include "engine/BoardStatus.h"
#include "support/TempDir.h"
#include "support/TextMatch.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QXmlStreamReader>

#include <cstdlib>
#include <set>
#include <string>

namespace {

const QString kFolder = QStringLiteral(TESSELLA_CONTENT_DIR);
const QString kIcons = QStringLiteral(TESSELLA_ICONS_DIR);
constexpr QRgb kKey = 0xFFFF00FFu;

QImage Picture(const QString& name)
{
    return QImage(kFolder + QStringLiteral("/Picture/") + name);
}

QImage Piece(const char* design, int side, int kind, int frame)
{
    return Picture(QStringLiteral("Board/%1/%2_%3_%4.bmp")
                       .arg(QString::fromLatin1(design), side == 1 ? QStringLiteral("1st") : QStringLiteral("2nd"))
                       .arg(kind, 2, 10, QChar('0'))
                       .arg(frame, 2, 10, QChar('0')));
}

QRgb BottomLeft(const QImage& image)
{
    return image.pixel(0, image.height() - 1);
}

int KeyPixelsWithin(const QImage& image, double radius)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double dx = x + 0.5 - 16.5;
            const double dy = y + 0.5 - 16.5;
            count += dx * dx + dy * dy <= radius * radius && (image.pixel(x, y) | 0xFF000000u) == kKey ? 1 : 0;
        }
    return count;
}

// How many pixels of area differ by more than tolerance, summed over the three channels; transparent pixels
// of a do not count.
int Unlike(const QImage& a, const QImage& b, int tolerance, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            count += qAlpha(p) == 255 && distance > tolerance ? 1 : 0;
        }
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
    const std::pair<const char*, int> designs[] = {{"Green", 1}, {"Wood", 1}, {"Night", 1}, {"Gems", 4}, {"Garden", 4}};
    for (const auto& [design, kinds] : designs) {
        EXPECT_EQ(BottomLeft(Picture(QStringLiteral("Board/%1/NoFloat.bmp").arg(QString::fromLatin1(design)))), kKey);
        for (int side = 1; side <= 2; ++side)
            for (int kind = 0; kind < kinds; ++kind) {
                SCOPED_TRACE(testing::Message() << design << " side " << side << " kind " << kind);
                for (int frame = 0; frame < 6; ++frame) {
                    const QImage piece = Piece(design, side, kind, frame);
                    EXPECT_EQ(std::vector<QRgb>({BottomLeft(piece), piece.pixel(0, 0), piece.pixel(31, 0)}),
                              std::vector<QRgb>(3, kKey)) << frame;
                    EXPECT_TRUE(frame > 0 || KeyPixelsWithin(piece, 11.0) == 0) << "holes in the still piece";
                }
                // The inner part of the piece, where shadows and edges do not reach.
                const QRect inside(8, 8, 17, 17);
                const QImage last = Piece(design, side, kind, 5);
                EXPECT_LT(Unlike(last, Piece(design, 3 - side, kind, 0), 60, inside),
                          Unlike(last, Piece(design, side, kind, 0), 60, inside));
            }
    }
    EXPECT_EQ(KeyPixelsWithin(Picture(QStringLiteral("Board/Landscape/NoFloat.bmp")), 30.0), 0)
        << "the Picture type's cells are drawn opaque";
}

TEST(StandardArtwork, BordersHoldOnlyGridLinesOnTheirKeyColour)
{
    for (const char* design : {"Green", "Wood", "Night", "Gems", "Garden", "Landscape"}) {
        SCOPED_TRACE(design);
        const QImage border = Picture(QStringLiteral("Board/%1/Border.bmp").arg(QString::fromLatin1(design)));
        ASSERT_EQ(border.size(), QSize(400, 400));
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
            EXPECT_TRUE(!BoardStatus::IsOnBoard(cell / 10, cell % 10) ||
                        (border.pixel(left, top + 18) != kKey && border.pixel(left + 37, top + 18) != kKey &&
                         border.pixel(left + 18, top) != kKey && border.pixel(left + 18, top + 37) != kKey))
                << "cell " << cell;
        }
    }
}

TEST(StandardArtwork, CharactersShowFiveClearlyDifferentFacesAndScreenPicturesCarryTheirContent)
{
    for (int character = 0; character < 15; ++character) {
        QImage faces[5];
        for (int expression = 0; expression < 5; ++expression)
            faces[expression] = Picture(QStringLiteral("Face/Face%1_%2.bmp").arg(character, 2, 10, QChar('0')).arg(expression));
        for (int a = 0; a < 5; ++a)
            for (int b = a + 1; b < 5; ++b)
                EXPECT_GT(Unlike(faces[a], faces[b], 0, QRect(0, 0, 100, 100)), 300) << "face " << character << ": " << a << " and " << b;
    }
    EXPECT_EQ(Picture(QStringLiteral("Title.jpg")).size(), QSize(300, 200));
    EXPECT_EQ(Picture(QStringLiteral("Title_en.jpg")).size(), QSize(300, 200));
    EXPECT_EQ(Picture(QStringLiteral("Release.bmp")).size(), QSize(100, 20));
    EXPECT_GT(Unlike(Picture(QStringLiteral("User.bmp")), Picture(QStringLiteral("Computer.bmp")), 0, QRect(0, 0, 100, 20)), 500);
    for (const char* name : {"Welcome.bmp", "Thanks.bmp", "Welcome_en.bmp", "Thanks_en.bmp"}) {
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

// The desktop icons are the logo's emblem without its square background, at every size; the scalable one is
// well-formed and defines each gradient and clip it uses.
TEST(StandardArtwork, DesktopIconsAreTheLogoEmblemOnATransparentSquare)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon(QStringLiteral("%1/%2x%2/apps/tessella.png").arg(kIcons).arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)) + qAlpha(icon.pixel(size - 1, 0)), 0) << "corners outside the octagon stay clear";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
    const QImage logo = Picture(QStringLiteral("Logo.bmp")).convertToFormat(QImage::Format_RGB32);
    const QImage icon = QImage(kIcons + QStringLiteral("/64x64/apps/tessella.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(logo.size(), QSize(64, 64));
    EXPECT_GT(Unlike(icon, icon, -1, icon.rect()), 64 * 64 / 2) << "opaque pixels";
    EXPECT_EQ(Unlike(icon, logo, 6, logo.rect()), 0);

    QFile svg(kIcons + QStringLiteral("/scalable/apps/tessella.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    QXmlStreamReader xml(text);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(text.contains("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">"));
    std::set<std::string> defined;
    std::set<std::string> used;
    for (const auto& found : MatchAll(text.toStdString(), R"(\sid="(\w+))"))
        defined.insert(found[1]);
    for (const auto& found : MatchAll(text.toStdString(), R"(url\(#(\w+)\))"))
        used.insert(found[1]);
    EXPECT_EQ(used, defined) << "every gradient and clip is defined and used";
    EXPECT_EQ(used.size(), 5u);
}

// Every bitmap keeps 24 bits a pixel (a palette or 16-bit file would not keep the key colour exact), and the
// board set names exactly the board pictures drawn.
TEST(StandardArtwork, BitmapsAreTrueColourAndTheBoardSetNamesExactlyTheBoardPicturesDrawn)
{
    for (const QString& name : FilesUnder(kFolder + QStringLiteral("/Picture"))) {
        QFile file(kFolder + QStringLiteral("/Picture/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray header = file.read(30);
        EXPECT_TRUE(!name.endsWith(QStringLiteral(".bmp")) || (header.startsWith("BM") && header[28] == 24 && header[29] == 0))
            << name.toStdString();
    }
    QFile set(kFolder + QStringLiteral("/Standard.tsb"));
    ASSERT_TRUE(set.open(QIODevice::ReadOnly));
    QSet<QString> named;
    for (const auto& found : MatchAll(set.readAll().toStdString(), R"(Picture\\Board\\([A-Za-z]+)\\([A-Za-z0-9_]+\.(?:bmp|jpg)))"))
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
    generator.start(QStringLiteral(TESSELLA_ARTWORK_PROGRAM), {QString::fromStdString(folder.Path().string()), QStringLiteral("--icons"), icons});
    ASSERT_TRUE(generator.waitForFinished(300000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    for (const auto& [again, built] : {std::pair{QString::fromStdString(folder.File("Picture")), kFolder + QStringLiteral("/Picture")},
                                       std::pair{icons, kIcons}}) {
        const QSet<QString> files = FilesUnder(again);
        EXPECT_EQ(files, FilesUnder(built));
        for (const QString& file : files) {
            QFile a(again + '/' + file);
            QFile b(built + '/' + file);
            ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << file.toStdString();
            EXPECT_TRUE(a.readAll() == b.readAll()) << file.toStdString() << " differs between runs";
        }
    }
}
