#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>

#include "MainUnit.h"
#include "Program.h"

TEST(Startup, ShowsTheMainWindowAndClosesOnRequest)
{
    int argc = 1;
    char name[] = "RiVodozazavudidavaz";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    lx::ProgramWindows windows = lx::startProgram(app);
    ASSERT_NE(windows.form1, nullptr);
    EXPECT_EQ(QApplication::applicationName(), "RiVodozazavudidavaz");
    EXPECT_EQ(windows.form1->windowTitle(), "RiVodozazavudidavaz 1.1.1.1");

    windows.form1->show();
    QTimer::singleShot(0, windows.form1.get(), [&] { windows.form1->close(); });
    EXPECT_EQ(app.exec(), 0);
    EXPECT_FALSE(windows.form1->isVisible());
}
