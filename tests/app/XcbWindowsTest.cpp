#include "app/ProgramWindows.h"
#include "platform/Shell.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kPollMs = 25;
constexpr int kWaitMs = 5000;
// The demonstration and the blinking banners change a little of a window between the two pictures.
constexpr double kPaintedShare = 0.9;
constexpr int kChannelSlack = 24;

// The share of the window's pixels that the X server shows as the window draws them.
double ShareShown(QWidget* window, QImage* shown)
{
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    *shown = window->screen()
                 ->grabWindow(0, origin.x(), origin.y(), window->width(), window->height())
                 .toImage()
                 .convertToFormat(QImage::Format_RGB32);
    const QImage drawn = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown->size() != drawn.size() || drawn.isNull())
        return 0.0;
    qint64 same = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(shown->constScanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            same += std::abs(qRed(a[x]) - qRed(b[x])) <= kChannelSlack
                    && std::abs(qGreen(a[x]) - qGreen(b[x])) <= kChannelSlack
                    && std::abs(qBlue(a[x]) - qBlue(b[x])) <= kChannelSlack;
        }
    }
    return static_cast<double>(same) / (static_cast<double>(drawn.width()) * drawn.height());
}

struct Visit {
    QString name;
    bool opened = false;
    bool done = false;
    double share = 0.0;
};

// Opens every window of the program on the X server as a user does and reads each one back.
class XcbWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = std::filesystem::current_path();
        UiApp();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run through run-on-xvfb.sh";
        SeedProgramFolder();
        std::filesystem::current_path(dir_.Path());
        Shell::SetResponder([](const QString&) { return false; });
        windows_ = std::make_unique<ProgramWindows>(true);
    }
    void TearDown() override
    {
        windows_.reset();
        Shell::SetResponder(nullptr);
        std::filesystem::current_path(previous_);
    }

    // The standard content as an older release left it, so the migration screen comes first.
    void SeedProgramFolder() const
    {
        const QString content = QStringLiteral(TESSELLA_CONTENT_DIR);
        const QString target = QString::fromStdString(dir_.Path().string());
        QDirIterator files(content, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString from = files.next();
            const QString to = target + QLatin1Char('/') + QDir(content).relativeFilePath(from);
            QDir().mkpath(QFileInfo(to).absolutePath());
            QFile::copy(from, to);
            QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
        }
        QFile ini(target + QStringLiteral("/Tessella.ini"));
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
        QByteArray bytes = ini.readAll();
        ini.close();
        bytes.replace("Release=1.10", "Release=1.00");
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ini.write(bytes);
    }

    // Waits, without holding up any event loop, until find() gives a window on screen that the
    // server shows painted (or the wait runs out), then hands it to next, which closes it.
    std::shared_ptr<Visit> Watch(const QString& name, std::function<QWidget*()> find, std::function<void(QWidget*)> next)
    {
        auto visit = std::make_shared<Visit>();
        visit->name = name;
        visits_.push_back(visit);
        auto* timer = new QTimer;
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QObject::connect(timer, &QTimer::timeout, timer, [=, this] {
            QWidget* window = find();
            const bool late = clock->elapsed() > kWaitMs;
            if (window == nullptr || !window->isVisible()) {
                if (late) {
                    timer->deleteLater();
                    timer->stop();
                    visit->done = true;
                }
                return;
            }
            visit->opened = true;
            QImage shown;
            visit->share = ShareShown(window, &shown);
            if (visit->share < kPaintedShare && !late)
                return;
            timer->stop();
            timer->deleteLater();
            SaveShot(name, shown);
            next(window);
            visit->done = true;
        });
        timer->start(kPollMs);
        return visit;
    }

    // The modal window on top, when it is the given one.
    static std::function<QWidget*()> Modal(QWidget* window)
    {
        return [window] { return QApplication::activeModalWidget() == window ? window : nullptr; };
    }
    template <typename Kind>
    static std::function<QWidget*()> ModalOfKind()
    {
        return [] { return qobject_cast<Kind*>(QApplication::activeModalWidget()); };
    }
    template <typename Kind>
    static std::function<QWidget*()> Popup()
    {
        return [] { return qobject_cast<Kind*>(QApplication::activePopupWidget()); };
    }

    static QWidget* HelpWindow()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto help = std::find_if(windows.begin(), windows.end(), [](QWidget* window) {
            return window->objectName() == QStringLiteral("FormHelp") && window->isVisible();
        });
        return help == windows.end() ? nullptr : *help;
    }

    static void Click(QWidget* widget, QPoint at = QPoint())
    {
        if (at.isNull())
            at = widget->rect().center();
        QWidget* window = widget->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
    }

    static void OpenMenu(QMenuBar* bar, QMenu* menu)
    {
        Click(bar, bar->actionGeometry(menu->menuAction()).center());
    }
    static void ChooseFromMenu(QWidget* menu, QAction* action)
    {
        Click(menu, static_cast<QMenu*>(menu)->actionGeometry(action).center());
    }

    static void RunUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 4 * kWaitMs)
            QTest::qWait(kPollMs);
    }
    void RunUntilVisited()
    {
        RunUntil([this] {
            return std::all_of(visits_.begin(), visits_.end(), [](const auto& visit) { return visit->done; });
        });
    }

    void ExpectEveryWindowPainted() const
    {
        for (const auto& visit : visits_) {
            EXPECT_TRUE(visit->opened) << qPrintable(visit->name) << " never opened";
            EXPECT_GE(visit->share, kPaintedShare) << qPrintable(visit->name) << " is not painted on the X server";
        }
    }

    // Keeps what the server showed when TESSELLA_SHOTS names a folder.
    static void SaveShot(const QString& name, const QImage& shown)
    {
        const QString folder = qEnvironmentVariable("TESSELLA_SHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        shown.save(QStringLiteral("%1/%2-%3.png").arg(folder, qEnvironmentVariable("TESSELLA_WINDOW_MANAGER"), name));
    }

    TempDir dir_;
    std::filesystem::path previous_;
    std::unique_ptr<ProgramWindows> windows_;
    std::vector<std::shared_ptr<Visit>> visits_;
};

TEST_F(XcbWindowsTest, EveryWindowIsPaintedOnTheServer)
{
    ProgramWindows& w = *windows_;

    // Start-up: the migration screen over the title, then the title, then the main window.
    Watch(QStringLiteral("migration"), Modal(&w.versionUp), [&](QWidget*) {
        Watch(QStringLiteral("title"), Modal(&w.title), [](QWidget* title) { Click(title); });
        Click(w.versionUp.ButtonOk);
    });
    w.main.show();
    RunUntilVisited();
    Watch(QStringLiteral("main"), [&]() -> QWidget* { return &w.main; }, [](QWidget*) {});
    RunUntilVisited();

    Watch(QStringLiteral("preparation"), Modal(&w.prepareGame), [&](QWidget*) {
        Watch(QStringLiteral("player-selection"), Modal(&w.selectPlayer), [&](QWidget*) { Click(w.selectPlayer.BitBtnCancel); });
        Click(w.prepareGame.ButtonSelect1stPlayer);
        Watch(QStringLiteral("board-selection"), Modal(&w.selectBoard), [&](QWidget*) { Click(w.selectBoard.BitBtnCancel); });
        Click(w.prepareGame.ButtonSelectBoard);
        Click(w.prepareGame.BitBtnCancel);
    });
    Click(w.main.BitBtnPrepare);

    Watch(QStringLiteral("settings"), Modal(&w.settingGame), [&](QWidget*) {
        TFormSettingGame& settings = w.settingGame;
        if (!settings.CheckBoxRandomBoard->isChecked())
            Click(settings.CheckBoxRandomBoard);
        if (!settings.CheckBoxRandomBoard2->isChecked())
            Click(settings.CheckBoxRandomBoard2);
        const auto list = Watch(QStringLiteral("drop-down-list"), Popup<QWidget>(),
                                [](QWidget* popup) { QTest::keyClick(popup, Qt::Key_Escape); });
        settings.ComboBoxRandomBoard2->setFocus();
        QTest::keyClick(settings.windowHandle(), Qt::Key_Down, Qt::AltModifier);
        RunUntil([&list] { return list->done; });

        // A new set of each kind, since the standard sets are not edited.
        Watch(QStringLiteral("set-name"), Modal(&w.inputSetName), [&](QWidget*) {
            Watch(QStringLiteral("message-box"), ModalOfKind<QMessageBox>(), [](QWidget* box) {
                Click(static_cast<QMessageBox*>(box)->button(QMessageBox::Ok));
            });
            w.inputSetName.EditSetName->setText(QStringLiteral("\U0001F3B2"));
            Click(w.inputSetName.ButtonOk);
            w.inputSetName.EditSetName->setText(QStringLiteral("Extra"));
            Click(w.inputSetName.ButtonOk);
        });
        Click(settings.ButtonNewBoardSet);
        Watch(QStringLiteral("board-editor"), Modal(&w.settingBoard), [&](QWidget*) {
            Watch(QStringLiteral("save-question"), Modal(&w.saveConfirm), [&](QWidget*) { Click(w.saveConfirm.BitBtnNo); });
            QTest::keyClicks(w.settingBoard.EditAuthor, QStringLiteral("x"));
            Click(w.settingBoard.BitBtnClose);
        });
        settings.ListBoxBoardSet->setCurrentRow(settings.ListBoxBoardSet->count() - 1);
        Click(settings.ButtonModifyBoardSet);

        Watch(QStringLiteral("second-set-name"), Modal(&w.inputSetName), [&](QWidget*) {
            w.inputSetName.EditSetName->setText(QStringLiteral("Extra"));
            Click(w.inputSetName.ButtonOk);
        });
        Click(settings.ButtonNewPlayerSet);
        Watch(QStringLiteral("player-editor"), Modal(&w.settingPlayer), [&](QWidget*) { Click(w.settingPlayer.BitBtnClose); });
        settings.ListBoxPlayerSet->setCurrentRow(settings.ListBoxPlayerSet->count() - 1);
        Click(settings.ButtonModifyPlayerSet);
        Click(settings.BitBtnCancel);
    });
    Click(w.main.ButtonSetting);

    Watch(QStringLiteral("menu"), Popup<QMenu>(), [&](QWidget* menu) {
        Watch(QStringLiteral("release"), Modal(&w.release), [](QWidget* release) { Click(release); });
        ChooseFromMenu(menu, w.main.MenuRelease);
    });
    OpenMenu(w.main.menuBar(), w.main.MenuHelp);
    RunUntilVisited();

    Watch(QStringLiteral("help"), [] { return HelpWindow(); }, [](QWidget* help) { help->close(); });
    w.main.MenuActionHelp->trigger();
    RunUntilVisited();

    ExpectEveryWindowPainted();
    EXPECT_EQ(visits_.size(), 17u);
}

}  // namespace
