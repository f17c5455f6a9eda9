#include "app/ProgramFolder.h"
#include "app/ProgramWindows.h"
#include "platform/Random.h"
#include "setup/Language.h"
#include "setup/Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QLocale>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

const char kUsage[] =
    "usage: tessella [--dir DIR] [--lang ja|en] [--open GAME.tsr] [--screenshot FILE.png --ticks N]\n"
    "\n"
    "  --dir DIR            use DIR as the program folder (settings, sets, pictures);\n"
    "                       by default $XDG_DATA_HOME/tessella or ~/.local/share/tessella,\n"
    "                       filled with the standard content on first start\n"
    "  --lang ja|en         Japanese or English interface, whatever the settings and\n"
    "                       the system locale say\n"
    "  --open GAME.tsr      open the record viewer on that game after the title screen\n"
    "  --screenshot FILE    run the start-up without a screen, play N ticks of the\n"
    "  --ticks N            demonstration and save the main window as a PNG picture\n"
    "  --help               show this text\n"
    "  --version            show the release\n";

struct Options {
    QString dir;
    std::optional<Language::Code> language;
    QString screenshot;
    QString open;
    int ticks = 0;
    bool help = false;
    bool version = false;
    QString error;
};

Options ParseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc && options.error.isEmpty(); ++i) {
        const char* argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(argument, "--version") == 0) {
            options.version = true;
        } else if (std::strcmp(argument, "--dir") == 0 && hasValue) {
            options.dir = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argument, "--lang") == 0 && hasValue) {
            options.language = Language::ParseOption(argv[++i]);
            if (!options.language)
                options.error = QStringLiteral("--lang needs ja or en");
        } else if (std::strcmp(argument, "--open") == 0 && hasValue) {
            // Taken before the program folder becomes the working directory.
            options.open = QFileInfo(QString::fromLocal8Bit(argv[++i])).absoluteFilePath();
        } else if (std::strcmp(argument, "--screenshot") == 0 && hasValue) {
            options.screenshot = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argument, "--ticks") == 0 && hasValue) {
            char* end = nullptr;
            const long ticks = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ticks < 0 || ticks > 1000000)
                options.error = QStringLiteral("--ticks needs a number from 0 to 1000000");
            options.ticks = static_cast<int>(ticks);
        } else {
            options.error = QStringLiteral("unknown option %1").arg(QString::fromLocal8Bit(argument));
        }
    }
    if (options.error.isEmpty() && options.ticks > 0 && options.screenshot.isEmpty())
        options.error = QStringLiteral("--ticks goes with --screenshot");
    return options;
}

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Makes the program folder the working directory, seeding it on first start.
bool EnterProgramFolder(const QString& requested)
{
    const QString folder = requested.isEmpty() ? ProgramFolder::DefaultPath() : requested;
    const QString installed = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(TESSELLA_INSTALLED_CONTENT));
    const QString content = ProgramFolder::FindContent({QDir::cleanPath(installed), QStringLiteral(TESSELLA_BUILD_CONTENT)});
    QString reason;
    if (!content.isEmpty() && QDir(folder).absolutePath() != QDir(content).absolutePath()
        && !ProgramFolder::Seed(folder, content, &reason)) {
        std::fprintf(stderr, "tessella: %s\n", qPrintable(reason));
        return false;
    }
    if (!QDir::setCurrent(folder)) {
        std::fprintf(stderr, "tessella: cannot use the program folder %s\n", qPrintable(folder));
        return false;
    }
    return true;
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
    const Options options = ParseOptions(argc, argv);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "tessella: %s\n\n%s", qPrintable(options.error), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Tessella %s\n", TESSELLA_VERSION);
        return 0;
    }
    if (!options.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "tessella: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                     "Start Tessella from a desktop session, or use --screenshot FILE.png --ticks N.\n");
        return 1;
    }
    // Created first: the installed content is found from the program's own folder.
    QApplication application(argc, argv);
    // Lets the desktop match the windows to tessella.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tessella"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tessella")));
    if (!EnterProgramFolder(options.dir))
        return 1;
    Random::SeedFromClock();
    const Language::Translators translators = Language::Install(Language::Choose(
        options.language, Settings::Text(Settings::Open(), Settings::kKeyLanguage), QLocale::system().name()));

    // A headless screenshot skips the title screen.
    ProgramWindows windows(options.screenshot.isEmpty());
    windows.main.SetOpenAtStart(options.open);
    windows.main.show();
    if (!options.screenshot.isEmpty())
        return SaveScreenshot(windows.main, options);
    return QApplication::exec();
}
