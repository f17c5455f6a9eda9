#include "platform/BusyCursor.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

TEST(BusyCursorTest, ShowsTheWaitCursorWhileItLivesAndDoesNothingWithoutAnApplication)
{
    ASSERT_EQ(qGuiApp, nullptr);
    {
        BusyCursor outer;
        BusyCursor inner;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    {
        BusyCursor outer;
        {
            BusyCursor inner;
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
