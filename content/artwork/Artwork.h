#pragma once

#include <QColor>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

#include <vector>

namespace art {

class Output;

enum class Design { Green, Wood, Night, Gems, Garden, Landscape };

inline constexpr Design kDesigns[] = {Design::Green, Design::Wood,   Design::Night,
                                      Design::Gems,  Design::Garden, Design::Landscape};

inline constexpr int kFrameCount = 6;
inline constexpr int kFaceCharacters = 15;
inline constexpr int kFaceExpressions = 5;

QString DesignName(Design design);
// Random-type designs have several kinds per side; Normal ones one; the Picture type none.
int KindCount(Design design);
bool IsPictureType(Design design);

// Boards.cpp
QImage BoardPicture(Design design);
QImage BorderOverlay(Design design);
QImage EmptyCell(Design design);
// The colour that pieces are blended over at their edges.
QColor FieldColour(Design design);
QImage LandscapePicture(bool night);

// Pieces.cpp: frames of one kind of one side; frame 0 is the still piece, the rest turn it over.
std::vector<QImage> PieceFrames(Design design, int side, int kind);

// Faces.cpp
QImage FacePicture(int character, int expression);

// Screens.cpp
void DrawScreens(Output& output);

// Emblem.cpp: the product emblem (a gold-rimmed octagon of felt with a black and a white stone),
// drawn in a 64 x 64 space; the logo and the desktop icons are made of it.
inline const QColor kGoldLight(255, 240, 170);
inline const QColor kGold(222, 176, 70);
inline const QColor kGoldDark(150, 100, 30);
inline constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};
void Stone(QPainter& p, QPointF centre, double r, bool black);
void PaintEmblem(QPainter& p, bool grid);
// The emblem alone on a transparent square of `size` pixels.
QImage IconPicture(int size);
QByteArray IconSvg();
// Writes <folder>/<N>x<N>/apps/tessella.png for every icon size and scalable/apps/tessella.svg;
// answers the number of files that could not be written.
int WriteIcons(const QString& folder);

// Designs.cpp
void DrawDesigns(Output& output);
void DrawFaces(Output& output);

// Sheets.cpp: contact sheets and board previews read back from the written files.
int WriteSheets(const QString& root, const QString& folder);

} // namespace art
