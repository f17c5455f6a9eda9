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
    QApplication& app_ = UiApp();
};

// The migration screen comes over the title for no settings or older ones, and reports the migration once.
TEST_F(ScreensTest, TheTitleMigratesOlderSettingsOnceBeforeItBlinks)
{
    QString migrated;
    for (const char* release : {"", "1.10", "1.00a"}) {
        SCOPED_TRACE(release);
        std::filesystem::remove(dir_.Path() / "Tessella.ini");
        if (*release != '\0')
            dir_.Write("Tessella.ini", std::string("[Tessella]\r\nRelease=") + release + "\r\n");
        TFormVersionUp versionUp;
        TFormTitle title(versionUp);
        bool blinkingAtMigration = false;
        const ModalAnswers answers([&](QDialog&) {
            blinkingAtMigration = title.Timer->isActive();
            versionUp.FormShow();
            migrated = versionUp.MemoContent->toPlainText();
            versionUp.ButtonOk->click();
            return versionUp.result();
        });
        title.FormShow();
        EXPECT_EQ(answers.shown.size(), std::string(release) == "1.10" ? 0u : 1u);
        EXPECT_FALSE(blinkingAtMigration);
        EXPECT_TRUE(title.Timer->isActive());
    }
    EXPECT_TRUE(migrated.startsWith(QStringLiteral("Release 1.00 -> Release 1.10\n"))) << migrated.toStdString();
    TFormVersionUp again;
    again.FormShow();
    EXPECT_EQ(again.MemoContent->toPlainText(), QStringLiteral("Release 1.10 -> Release 1.10"));
}

TEST_F(ScreensTest, BothScreensCloseOnAClickAKeyOrTheCloseBoxButNotOnAModifierAlone)
{
    dir_.Write("Tessella.ini", "[Tessella]\r\nRelease=1.10\r\n");
    TFormVersionUp versionUp;
    TFormTitle title(versionUp);
    TFormRelease release;
    const struct {
        QDialog* screen;
        QTimer* timer;
        QLabel* picture;
        QLabel* blinking;
        std::function<void()> start;
        std::function<void()> tick;
        int closingTick;  // 0: blinks on
    } screens[] = {
        {&title, title.Timer, title.ImageTitle, title.ImageWelcome, [&title] { title.FormShow(); },
         [&title] { title.TimerTimer(); }, 9},
        {&release, release.Timer, release.ImageThanks, release.ImageThanks, [&release] { release.FormShow(); },
         [&release] { release.TimerTimer(); }, 0},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.screen->objectName().toStdString());
        int finished = 0;
        QObject::connect(s.screen, &QDialog::finished, [&finished] { ++finished; });
        // The title closes on the fifth hide of its banner; the release screen only blinks.
        s.start();
        for (int tick = 1; tick <= 12 && finished == 0; ++tick) {
            s.tick();
            EXPECT_EQ(s.blinking->isHidden(), tick % 2 == 1) << tick;
            EXPECT_EQ(finished, tick == s.closingTick ? 1 : 0) << tick;
        }
        EXPECT_EQ(s.screen->result(), s.closingTick != 0 ? kModalOk : kModalNone);
        EXPECT_EQ(s.timer->isActive(), s.closingTick == 0);
        finished = 0;
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

}  // namespace
