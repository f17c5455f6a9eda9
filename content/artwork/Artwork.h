#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

namespace art {

class Output;

enum class Design { Green, Wood, Night, Gems, Garden, Landscape };

inline constexpr Design kDesigns[] = {Design::Green, Design::Wood,   Design::Night,
                                      Design::Gems,  Design::Garden, Design::Landscape};

inline constexpr int kFrameCount = 6;
inline constexpr int kFaceCharacters = 12;
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

// Designs.cpp
void DrawDesigns(Output& output);
void DrawFaces(Output& output);

// Sheets.cpp: contact sheets and board previews read back from the written files.
int WriteSheets(const QString& root, const QString& folder);

} // namespace art
