#include "app/TFormRelease.h"
#include "app/TFormTitle.h"
#include "platform/ModalHost.h"
#include "platform/ModalResult.h"
#include "setup/TFormVersionUp.h"
#include "support/TempDir.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

// "標準" in CP932.
const std::string kStandard = "\x95\x57\x8f\x80";

// Each test runs in its own program folder with no modal window left answering.
class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UiApp();
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
        ModalHost::SetResponder([this](QDialog& dialog) {
            answered_.push_back(&dialog);
            return static_cast<int>(kModalOk);
        });
    }
    void TearDown() override
    {
        ModalHost::SetResponder(nullptr);
        std::filesystem::current_path(previous_);
    }

    void WriteSettings(const std::string& bytes) const { dir_.Write("Tessella.ini", bytes); }

    static void Click(QWidget* widget)
    {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
    static void PressKey(QWidget* widget, int key)
    {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(widget, &event);
    }

    TempDir dir_;
    std::filesystem::path previous_;
    std::vector<QDialog*> answered_;
};

TEST_F(ScreensTest, TitleClosesOnTheFifthHideOfTheBanner)
{
    WriteSettings("[Tessella]\r\nRelease=1.10\r\n");
    TFormVersionUp versionUp;
    TFormTitle title(versionUp);
    int finished = 0;
    QObject::connect(&title, &QDialog::finished, [&finished] { ++finished; });

    title.FormShow();
    EXPECT_TRUE(answered_.empty());
    EXPECT_EQ(title.ReleaseText(), "1.10");
    ASSERT_TRUE(title.Timer->isActive());
    EXPECT_EQ(title.Timer->interval(), 500);

    for (int tick = 1; tick <= 8; ++tick) {
        title.TimerTimer();
        // Odd ticks hide the banner, even ticks show it again.
        EXPECT_EQ(title.ImageWelcome->isHidden(), tick % 2 == 1) << tick;
        EXPECT_EQ(finished, 0) << tick;
    }
    title.TimerTimer();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(title.result(), kModalOk);
    EXPECT_FALSE(title.Timer->isActive());
}

TEST_F(ScreensTest, BothScreensCloseOnAClickAKeyOrTheCloseBoxButNotOnAModifierAlone)
{
    WriteSettings("[Tessella]\r\nRelease=1.10\r\n");
    TFormVersionUp versionUp;
    TFormTitle title(versionUp);
    TFormRelease release;
    const struct {
        QDialog* screen;
        QTimer* timer;
        QLabel* picture;
        std::function<void()> start;
    } screens[] = {
        {&title, title.Timer, title.ImageTitle, [&title] { title.FormShow(); }},
        {&release, release.Timer, release.ImageThanks, [&release] { release.FormShow(); }},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.screen->objectName().toStdString());
        int finished = 0;
        QObject::connect(s.screen, &QDialog::finished, [&finished] { ++finished; });
        s.start();
        for (const int modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
            PressKey(s.screen, modifier);
        EXPECT_EQ(finished, 0);
        EXPECT_TRUE(s.timer->isActive());
        PressKey(s.screen, Qt::Key_Space);
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(s.timer->isActive());

        s.start();
        Click(s.picture);
        EXPECT_EQ(finished, 2);
        EXPECT_FALSE(s.timer->isActive());

        s.screen->show();
        s.start();
        s.screen->close();
        EXPECT_EQ(finished, 3);
        EXPECT_FALSE(s.timer->isActive()) << "the close box stops the timer";
    }
}

TEST_F(ScreensTest, TitleShowsTheMigrationBeforeBlinkingOnlyForOlderSettings)
{
    const struct {
        const char* settings;  // nullptr: no settings file
        bool migrates;
    } cases[] = {
        {"[Tessella]\r\nRelease=1.00\r\n", true},
        {"[Tessella]\r\nRelease=1.00a\r\n", true},
        {"[Tessella]\r\nRelease=1.05\r\n", true},
        {"[Tessella]\r\nBaseTimer=55\r\n", true},
        {nullptr, true},
        {"[Tessella]\r\nRelease=1.10\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings ? c.settings : "no file");
        std::filesystem::remove(dir_.Path() / "Tessella.ini");
        if (c.settings)
            WriteSettings(c.settings);
        TFormVersionUp versionUp;
        TFormTitle title(versionUp);
        bool timerRanAtMigration = true;
        answered_.clear();
        ModalHost::SetResponder([&](QDialog& dialog) {
            answered_.push_back(&dialog);
            timerRanAtMigration = title.Timer->isActive();
            return static_cast<int>(kModalOk);
        });

        title.FormShow();

        if (c.migrates) {
            ASSERT_EQ(answered_.size(), 1u);
            EXPECT_EQ(answered_[0], &versionUp);
            EXPECT_FALSE(timerRanAtMigration);
        } else {
            EXPECT_TRUE(answered_.empty());
        }
        EXPECT_TRUE(title.Timer->isActive());
    }
}

TEST_F(ScreensTest, ReleaseScreenBlinksWithoutClosingItself)
{
    TFormRelease release;
    int finished = 0;
    QObject::connect(&release, &QDialog::finished, [&finished] { ++finished; });
    EXPECT_FALSE(release.Timer->isActive());
    release.FormShow();
    ASSERT_TRUE(release.Timer->isActive());
    EXPECT_EQ(release.Timer->interval(), 1000);

    for (int tick = 1; tick <= 30; ++tick) {
        release.TimerTimer();
        EXPECT_EQ(release.ImageThanks->isHidden(), tick % 2 == 1) << tick;
    }
    EXPECT_EQ(finished, 0) << "only a click or a key closes it";
}

TEST_F(ScreensTest, MigrationScreenShowsTheNotesAndMigrates)
{
    dir_.Write("Standard.ts", "[Board_000]\r\nName=Old\r\n");
    WriteSettings("[Tessella]\r\nRelease=1.00a\r\n[BoardSet]\r\n" + kStandard + "=Standard.ts\r\n[BrainSet]\r\n"
                  + kStandard + "=Standard.ts\r\n");
    TFormVersionUp versionUp;

    versionUp.FormShow();

    EXPECT_EQ(versionUp.MemoContent->toPlainText(),
              QStringLiteral("Release 1.00 -> Release 1.10\n・ゲーム開始までを簡易化しました\n・環境設定を充実しました\n"
                             "・新規ボードセット（新規ユーザセット）を作成可能にしました"));
    EXPECT_TRUE(versionUp.MemoContent->isReadOnly());
    EXPECT_TRUE(versionUp.ButtonOk->isEnabled());
    EXPECT_EQ(versionUp.ButtonOk->text(), QStringLiteral("楽しんでね！"));
    EXPECT_TRUE(versionUp.LabelState->text().isEmpty());
    EXPECT_FALSE(versionUp.Timer->isActive());
    EXPECT_EQ(dir_.Read("Standard.tsb"), "[Board_000]\r\nName=Old\r\n");
    EXPECT_EQ(dir_.Read("Standard.tsp"), "[Board_000]\r\nName=Old\r\n");
    EXPECT_NE(dir_.Read("Tessella.ini").find("Release=1.10\r\n"), std::string::npos);

    // A second showing finds the settings current and repeats nothing.
    versionUp.FormShow();
    EXPECT_EQ(versionUp.MemoContent->toPlainText(), QStringLiteral("Release 1.10 -> Release 1.10"));

    int finished = 0;
    QObject::connect(&versionUp, &QDialog::finished, [&finished] { ++finished; });
    versionUp.ButtonOk->click();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(versionUp.result(), kModalOk);
}

TEST_F(ScreensTest, BannerTakesItsBottomLeftColourAsBackground)
{
    QImage picture(8, 4, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    picture.setPixel(3, 1, qRgb(10, 20, 30));
    picture.setPixel(5, 2, qRgb(255, 0, 254));
    std::filesystem::create_directory(dir_.Path() / "Picture");
    ASSERT_TRUE(picture.save(QString::fromStdString(dir_.File("Picture/Banner.bmp")), "BMP"));

    const QImage banner = TFormTitle::TransparentPicture("picture\\banner.BMP");

    ASSERT_EQ(banner.size(), QSize(8, 4));
    EXPECT_EQ(qAlpha(banner.pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(banner.pixel(7, 0)), 0);
    EXPECT_EQ(banner.pixel(3, 1), qRgb(10, 20, 30));
    EXPECT_EQ(banner.pixel(5, 2), qRgb(255, 0, 254));
    EXPECT_TRUE(TFormTitle::TransparentPicture("Picture\\None.bmp").isNull());
}

}  // namespace
