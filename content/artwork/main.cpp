#include "Artwork.h"
#include "Output.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const char* outputFolder = nullptr;
    const char* sheetFolder = nullptr;
    const char* iconFolder = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--contact-sheets") == 0 && i + 1 < argc) {
            sheetFolder = argv[++i];
        } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
            iconFolder = argv[++i];
        } else if (outputFolder == nullptr && argv[i][0] != '-') {
            outputFolder = argv[i];
        } else {
            outputFolder = nullptr;
            break;
        }
    }
    if (outputFolder == nullptr) {
        std::fprintf(stderr, "usage: tessella_artwork <output folder> [--contact-sheets <folder>] [--icons <hicolor folder>]\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    art::Output output(QString::fromLocal8Bit(outputFolder));
    art::DrawDesigns(output);
    art::DrawFaces(output);
    art::DrawScreens(output);
    if (output.Failures() > 0) {
        return 1;
    }
    if (iconFolder != nullptr && art::WriteIcons(QString::fromLocal8Bit(iconFolder)) > 0) {
        std::fprintf(stderr, "tessella_artwork: cannot write the icons into %s\n", iconFolder);
        return 1;
    }
    if (sheetFolder != nullptr && art::WriteSheets(output.Root(), QString::fromLocal8Bit(sheetFolder)) != 0) {
        return 1;
    }
    return 0;
}
