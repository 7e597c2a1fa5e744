#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>

#include "hh.h"

namespace {

TEST(QProcessStarter, StartsWithoutAShellAndEndsWhatItStarted)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("mit blank; und $(echo x)");
    lx::QProcessStarter starter;
    int error = 0;
    // touch gets the name as one argument: no shell splits or expands it.
    const qint64 touch = starter.Start("/usr/bin/touch", {target}, error);
    ASSERT_NE(touch, 0);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(target) && waited.elapsed() < 5000) QThread::msleep(10);
    starter.Stop(touch);
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    const qint64 sleeper = starter.Start("/usr/bin/sleep", {"30"}, error);
    ASSERT_NE(sleeper, 0);
    QElapsedTimer t;
    t.start();
    starter.Stop(sleeper);
    EXPECT_LT(t.elapsed(), 5000);
}

TEST(QProcessStarter, AMissingProgram)
{
    lx::QProcessStarter starter;
    int error = 0;
    EXPECT_EQ(starter.Start("/nicht/da/xchm", {}, error), 0);
    EXPECT_EQ(error, ENOENT);
}

TEST(HHRuntime, LoadsWhenTheViewerIsThereAndForgetsItAtUnload)
{
    lx::QProcessStarter starter;
    int calls = 0;
    lx::HHRuntime runtime(starter, [&calls] {
        ++calls;
        return QStringLiteral("/usr/bin/xchm");
    });
    EXPECT_FALSE(runtime.IsLoaded());
    EXPECT_FALSE(runtime.HtmlHelp(lx::HH_HELP_CONTEXT, "/a.chm", 1));
    EXPECT_TRUE(runtime.LoadRuntime());
    EXPECT_TRUE(runtime.LoadRuntime());
    EXPECT_EQ(calls, 1);
    runtime.UnloadRuntime();
    EXPECT_FALSE(runtime.IsLoaded());
}

}  // namespace
