#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <filesystem>

namespace {

struct LaunchResult {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the installed-style program the way a shell does, with or without a display.
LaunchResult Launch(const QStringList& arguments, bool withDisplay = true)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (withDisplay)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TESSELLA_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The last run takes a screenshot in a new program folder, which it seeds.
TEST(Launcher, AnswersItsOptionsWithTheRightExitStatusAndSavesAScreenshotOfTheWindow)
{
    TempDir scratch;
    const QString fresh = QString::fromStdString(scratch.File("fresh"));
    const QString shot = QString::fromStdString(scratch.File("shot.png"));
    const struct {
        QStringList arguments;
        bool withDisplay;
        int exitCode;
        bool onError;
        const char* says;
    } cases[] = {
        {{QStringLiteral("--help")}, true, 0, false, "usage: tessella"},
        {{QStringLiteral("--version")}, true, 0, false, "Tessella " TESSELLA_VERSION},
        {{QStringLiteral("--frobnicate")}, true, 2, true, "unknown option --frobnicate"},
        {{QStringLiteral("--ticks"), QStringLiteral("5")}, true, 2, true, "--ticks goes with --screenshot"},
        {{}, false, 1, true, "no display found"},
        {{QStringLiteral("--dir"), fresh, QStringLiteral("--screenshot"), shot, QStringLiteral("--ticks"),
          QStringLiteral("30")},
         true, 0, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const LaunchResult run = Launch(c.arguments, c.withDisplay);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE((c.onError ? run.err : run.out).contains(QString::fromUtf8(c.says)))
            << run.out.toStdString() << run.err.toStdString();
    }
    const QImage picture(shot);
    EXPECT_EQ(picture.width(), 632);
    EXPECT_GT(picture.height(), 434) << "the client area and the menu bar";
    EXPECT_TRUE(std::filesystem::exists(scratch.Path() / "fresh" / "Standard.tsb")) << "a new folder is seeded";
}

}  // namespace
