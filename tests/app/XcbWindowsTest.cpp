#include "app/ProgramWindows.h"
#include "app/TFormHelp.h"
#include "platform/Shell.h"
#include "support/ProgramFolderCopy.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
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
        UiApp();
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run through run-on-xvfb.sh";
        // The standard content as an older release left it, so the migration screen comes first.
        std::string settings = folder_.Dir().Read("Tessella.ini");
        const std::size_t release = settings.find("Release=1.10");
        ASSERT_NE(release, std::string::npos);
        settings.replace(release, 12, "Release=1.00");
        folder_.Dir().Write("Tessella.ini", settings);
        Shell::SetResponder([](const QString&) { return false; });
        windows_ = std::make_unique<ProgramWindows>(true);
    }
    void TearDown() override
    {
        windows_.reset();
        Shell::SetResponder(nullptr);
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
        QObject::connect(timer, &QTimer::timeout, timer, [=] {
            QWidget* window = find();
            visit->opened = window != nullptr && window->isVisible();
            QImage shown;
            visit->share = visit->opened ? ShareShown(window, &shown) : 0.0;
            if (visit->share < kPaintedShare && clock->elapsed() < kWaitMs)
                return;
            timer->stop();
            timer->deleteLater();
            // Keeps what the server showed when TESSELLA_SHOTS names a folder.
            const QString shots = qEnvironmentVariable("TESSELLA_SHOTS");
            if (visit->opened && !shots.isEmpty() && QDir().mkpath(shots))
                shown.save(QStringLiteral("%1/%2-%3.png").arg(shots, qEnvironmentVariable("TESSELLA_WINDOW_MANAGER"), name));
            if (visit->opened)
                next(window);
            visit->done = true;
        });
        timer->start(kPollMs);
        return visit;
    }

    // The modal window on top when it is the given one, or the popup of the given kind.
    static std::function<QWidget*()> Modal(QWidget* window)
    {
        return [window] { return QApplication::activeModalWidget() == window ? window : nullptr; };
    }
    template <typename Kind>
    static std::function<QWidget*()> Top(bool popup)
    {
        return [popup] {
            return qobject_cast<Kind*>(popup ? QApplication::activePopupWidget() : QApplication::activeModalWidget());
        };
    }

    static void Click(QWidget* widget, QPoint at = QPoint())
    {
        if (at.isNull())
            at = widget->rect().center();
        QWidget* window = widget->window();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
    }

    // Runs the event loop until done() holds, by default until every window watched so far was visited.
    void RunUntil(std::function<bool()> done = {})
    {
        if (!done)
            done = [this] { return std::all_of(visits_.begin(), visits_.end(), [](const auto& v) { return v->done; }); };
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 4 * kWaitMs)
            QTest::qWait(kPollMs);
    }

    ProgramFolderCopy folder_{TESSELLA_CONTENT_DIR};
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
    RunUntil();
    Watch(QStringLiteral("main"), [&]() -> QWidget* { return &w.main; }, [](QWidget*) {});
    RunUntil();

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
        for (QCheckBox* box : {settings.CheckBoxRandomBoard, settings.CheckBoxRandomBoard2}) {
            if (!box->isChecked())
                Click(box);
        }
        const auto list = Watch(QStringLiteral("drop-down-list"), Top<QWidget>(true),
                                [](QWidget* popup) { QTest::keyClick(popup, Qt::Key_Escape); });
        settings.ComboBoxRandomBoard2->setFocus();
        QTest::keyClick(settings.windowHandle(), Qt::Key_Down, Qt::AltModifier);
        RunUntil([&list] { return list->done; });

        // A new set of each kind, since the standard sets are not edited.
        Watch(QStringLiteral("set-name"), Modal(&w.inputSetName), [&](QWidget*) {
            Watch(QStringLiteral("message-box"), Top<QMessageBox>(false), [](QWidget* box) {
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

    Watch(QStringLiteral("menu"), Top<QMenu>(true), [&](QWidget* menu) {
        Watch(QStringLiteral("release"), Modal(&w.release), [](QWidget* release) { Click(release); });
        Click(menu, static_cast<QMenu*>(menu)->actionGeometry(w.main.MenuRelease).center());
    });
    Click(w.main.menuBar(), w.main.menuBar()->actionGeometry(w.main.MenuHelp->menuAction()).center());
    RunUntil();

    Watch(QStringLiteral("help"), [&]() -> QWidget* { return w.main.findChild<TFormHelp*>(); },
          [](QWidget* help) { help->close(); });
    w.main.MenuActionHelp->trigger();
    RunUntil();

    for (const auto& visit : visits_) {
        EXPECT_GE(visit->share, kPaintedShare) << qPrintable(visit->name) << " is not painted on the X server";
    }
    EXPECT_EQ(visits_.size(), 17u);
}

}  // namespace
