#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <string>
#include <vector>

// Warnings about a board design being edited: things that save fine but show
// oddly in a game. They never block a save.
class BoardChecks {
public:
    // Side of the area the 10 x 10 cell squares cover in a board picture: 16 + 37 x 10.
    static constexpr int kGridExtent = 386;

    struct Picture {
        std::string path;  // stored name; empty when none is set
        QImage image;      // null when it could not be loaded
    };

    struct Design {
        bool stretch = true;
        bool pictureType = false;
        Picture board;
        Picture border;
        Picture noFloat;
        Picture board1st;  // the Picture type's whole-board pictures
        Picture board2nd;
        // Frame file names of each side's kinds, [side 0 or 1][kind][frame]; empty names are gaps.
        std::array<std::vector<std::vector<std::string>>, 2> frames;
        // Every piece picture named, for the load check.
        std::vector<Picture> pieces;
    };

    static QStringList Check(const Design& design);
};
