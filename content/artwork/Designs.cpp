#include "Artwork.h"
#include "Canvas.h"
#include "Output.h"

namespace art {

QString DesignName(Design design)
{
    switch (design) {
    case Design::Green:
        return QStringLiteral("Green");
    case Design::Wood:
        return QStringLiteral("Wood");
    case Design::Night:
        return QStringLiteral("Night");
    case Design::Gems:
        return QStringLiteral("Gems");
    case Design::Garden:
        return QStringLiteral("Garden");
    case Design::Landscape:
        return QStringLiteral("Landscape");
    }
    return QString();
}

int KindCount(Design design)
{
    switch (design) {
    case Design::Gems:
    case Design::Garden:
        return 4;
    case Design::Landscape:
        return 0;
    default:
        return 1;
    }
}

bool IsPictureType(Design design)
{
    return design == Design::Landscape;
}

void DrawDesigns(Output& output)
{
    for (Design design : kDesigns) {
        const QString folder = QStringLiteral("Picture/Board/%1/").arg(DesignName(design));
        output.SaveJpeg(folder + "Board.jpg", BoardPicture(design));
        output.SaveBmp(folder + "Border.bmp", BorderOverlay(design));
        output.SaveBmp(folder + "NoFloat.bmp", EmptyCell(design));
        if (IsPictureType(design)) {
            output.SaveJpeg(folder + "1stBoard.jpg", LandscapePicture(false));
            output.SaveJpeg(folder + "2ndBoard.jpg", LandscapePicture(true));
            continue;
        }
        for (int side = 1; side <= 2; ++side) {
            for (int kind = 0; kind < KindCount(design); ++kind) {
                const std::vector<QImage> frames = PieceFrames(design, side, kind);
                for (int frame = 0; frame < static_cast<int>(frames.size()); ++frame) {
                    output.SaveBmp(folder
                                       + QStringLiteral("%1_%2_%3.bmp")
                                             .arg(side == 1 ? "1st" : "2nd")
                                             .arg(kind, 2, 10, QChar('0'))
                                             .arg(frame, 2, 10, QChar('0')),
                                   frames[static_cast<size_t>(frame)]);
                }
            }
        }
    }
}

void DrawFaces(Output& output)
{
    for (int character = 0; character < kFaceCharacters; ++character) {
        for (int expression = 0; expression < kFaceExpressions; ++expression) {
            output.SaveBmp(QStringLiteral("Picture/Face/Face%1_%2.bmp").arg(character, 2, 10, QChar('0')).arg(expression),
                           FacePicture(character, expression));
        }
    }
}

} // namespace art
