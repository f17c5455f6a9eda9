#include "app/TFormRelease.h"
#include "app/TFormTitle.h"
#include "platform/ModalResult.h"
#include "setup/TFormVersionUp.h"
#include "support/InProgramFolder.h"
#include "support/ModalAnswers.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

namespace {

class ScreensTest : public InProgramFolder {
protected:
    void SetUp() override
    {
        UiApp();
        InProgramFolder::SetUp();
    }
    void WriteRelease(const char* release) const
    {
        dir_.Write("Tessella.ini", std::string("[Tessella]\r\nRelease=") + release + "\r\n");
    }
};

TEST_F(ScreensTest, TheTitleMigratesOlderSettingsFirstThenBlinksAndClosesOnTheFifthHide)
{
    for (const char* release : {"1.00a", "", "1.10"}) {
        SCOPED_TRACE(release);
        std::filesystem::remove(dir_.Path() / "Tessella.ini");
        if (*release != '\0')
            WriteRelease(release);
        TFormVersionUp versionUp;
        TFormTitle title(versionUp);
        bool blinkingAtMigration = false;
        const ModalAnswers answers([&](QDialog&) {
            blinkingAtMigration = title.Timer->isActive();
            return static_cast<int>(kModalOk);
        });
        int finished = 0;
        QObject::connect(&title, &QDialog::finished, [&finished] { ++finished; });
        title.FormShow();
        EXPECT_EQ(answers.shown.size(), std::string(release) == "1.10" ? 0u : 1u) << "no file or an older one";
        EXPECT_FALSE(blinkingAtMigration);
        ASSERT_TRUE(title.Timer->isActive());
        for (int tick = 1; tick <= 8; ++tick) {
            title.TimerTimer();
            EXPECT_EQ(title.ImageWelcome->isHidden(), tick % 2 == 1) << tick;
        }
        EXPECT_EQ(finished, 0);
        title.TimerTimer();
        EXPECT_EQ(finished, 1);
        EXPECT_EQ(title.result(), kModalOk);
        EXPECT_FALSE(title.Timer->isActive());
    }
}

TEST_F(ScreensTest, BothScreensCloseOnAClickAKeyOrTheCloseBoxButNotOnAModifierAlone)
{
    WriteRelease("1.10");
    TFormVersionUp versionUp;
    TFormTitle title(versionUp);
    TFormRelease release;
    release.FormShow();
    for (int tick = 1; tick <= 12; ++tick) {
        release.TimerTimer();
        EXPECT_EQ(release.ImageThanks->isHidden(), tick % 2 == 1) << tick;
    }
    EXPECT_EQ(release.result(), kModalNone) << "the release screen only blinks";
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
        for (const Qt::Key modifier : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta})
            QTest::keyClick(s.screen, modifier);
        EXPECT_EQ(finished, 0);
        QTest::keyClick(s.screen, Qt::Key_Space);
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(s.timer->isActive());
        s.start();
        QTest::mouseClick(s.picture, Qt::LeftButton);
        EXPECT_EQ(finished, 2);
        EXPECT_FALSE(s.timer->isActive());
        s.screen->show();
        s.start();
        s.screen->close();
        EXPECT_EQ(finished, 3);
        EXPECT_FALSE(s.timer->isActive()) << "the close box stops the timer";
    }
}

// What the migration copies is tested with the migration itself; the screen reports it once.
TEST_F(ScreensTest, TheMigrationScreenShowsTheMigrationOnce)
{
    WriteRelease("1.00a");
    TFormVersionUp versionUp;
    versionUp.FormShow();
    EXPECT_TRUE(versionUp.MemoContent->toPlainText().startsWith(QStringLiteral("Release 1.00 -> Release 1.10\n")));
    versionUp.FormShow();
    EXPECT_EQ(versionUp.MemoContent->toPlainText(), QStringLiteral("Release 1.10 -> Release 1.10"));
    versionUp.ButtonOk->click();
    EXPECT_EQ(versionUp.result(), kModalOk);
}

}  // namespace
