#include "app/TFormMain.h"
#include "data/TFormSelectBoard.h"
#include "platform/Random.h"
#include "players/TFormSelectPlayer.h"
#include "setup/TFormInputSetName.h"
#include "setup/TFormPrepareGame.h"
#include "setup/TFormSaveConfirm.h"
#include "setup/TFormSettingGame.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

struct Options {
    QString screenshot;
    int ticks = 0;
    bool valid = true;
};

Options ParseOptions(const QStringList& arguments)
{
    Options options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--screenshot") && hasValue) {
            options.screenshot = arguments.at(++i);
        } else if (argument == QLatin1String("--ticks") && hasValue) {
            bool ok = false;
            options.ticks = arguments.at(++i).toInt(&ok);
            options.valid = options.valid && ok && options.ticks >= 0;
        } else {
            options.valid = false;
        }
    }
    return options;
}

// Plays the start-up and the given number of ticks without an event loop, then saves the window.
int SaveScreenshot(TFormMain& window, const Options& options)
{
    for (int tick = 0; tick < options.ticks; ++tick)
        window.Cycle().TimerTimer();
    const QImage shot = window.grab().toImage();
    if (!shot.save(options.screenshot, "PNG")) {
        std::fprintf(stderr, "tessella: cannot write %s\n", qPrintable(options.screenshot));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const Options options = ParseOptions(QApplication::arguments());
    if (!options.valid) {
        std::fprintf(stderr, "usage: tessella [--screenshot FILE.png --ticks N]\n");
        return 2;
    }
    Random::SeedFromClock();

    TFormMain window;
    // The dialogs are created once and kept for the run; each needs the ones it opens first.
    TFormInputSetName inputSetName;
    TFormSettingGame settingGame(inputSetName);
    TFormSaveConfirm saveConfirm;
    TFormSelectBoard selectBoard;
    TFormSelectPlayer selectPlayer;
    TFormPrepareGame prepareGame(settingGame, selectPlayer, selectBoard);
    window.AttachSetup(settingGame, prepareGame);
    window.show();
    if (!options.screenshot.isEmpty())
        return SaveScreenshot(window, options);
    return QApplication::exec();
}
