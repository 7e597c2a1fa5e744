#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <vector>

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

// The viewer's locale: what is set and installed stays, what is missing or
// not installed falls back to C.UTF-8.
TEST(WithUsableLocale, KeepsAnInstalledLocaleAndReplacesAMissingOne)
{
    const auto installed = [](const QString& name) {
        return name == "C.UTF-8" || name == "de_DE.UTF-8" || name == "C";
    };
    struct Fall {
        QStringList vorher;
        QStringList nachher;
    };
    for (const Fall& f : std::vector<Fall>{
             {{}, {"LANG=C.UTF-8"}},
             {{"LANG="}, {"LANG=C.UTF-8"}},
             {{"LANG=de_DE.UTF-8"}, {"LANG=de_DE.UTF-8"}},
             {{"LANG=fr_FR.UTF-8"}, {"LANG=C.UTF-8"}},
             {{"LC_MESSAGES=fr_FR.UTF-8", "LANGUAGE=de"}, {"LANG=C.UTF-8", "LANGUAGE=de"}},
             {{"LC_CTYPE=de_DE.UTF-8", "LC_TIME=fr_FR.UTF-8"}, {"LANG=C.UTF-8", "LC_CTYPE=de_DE.UTF-8"}},
             {{"LC_ALL=", "LANG=de_DE.UTF-8"}, {"LANG=de_DE.UTF-8"}},
             {{"LC_ALL=de_DE.UTF-8", "LC_TIME=fr_FR.UTF-8"}, {"LC_ALL=de_DE.UTF-8", "LC_TIME=fr_FR.UTF-8"}},
             {{"LC_ALL=fr_FR.UTF-8", "LANG=de_DE.UTF-8"}, {"LANG=de_DE.UTF-8", "LC_ALL=C.UTF-8"}},
         }) {
        QProcessEnvironment env;
        env.insert("PATH", "/usr/bin");
        for (const QString& v : f.vorher) env.insert(v.section('=', 0, 0), v.section('=', 1));
        QStringList nachher = lx::WithUsableLocale(env, installed).toStringList();
        nachher.removeAll("PATH=/usr/bin");
        nachher.sort();
        QStringList erwartet = f.nachher;
        erwartet.sort();
        EXPECT_EQ(nachher, erwartet) << f.vorher.join(' ').toStdString();
    }
    EXPECT_TRUE(lx::LocaleInstalled("C"));
    EXPECT_FALSE(lx::LocaleInstalled("xx_YY.NICHTS"));
}

// A program started without LANG and LC_ALL sees a locale that the system has.
TEST(QProcessStarter, StartsWithAUsableLocale)
{
    const QByteArray lang = qgetenv("LANG");
    const QByteArray lcAll = qgetenv("LC_ALL");
    qunsetenv("LANG");
    qunsetenv("LC_ALL");
    QTemporaryDir dir;
    const QString ausgabe = dir.filePath("lang");
    lx::QProcessStarter starter;
    int error = 0;
    const qint64 id = starter.Start(
        "/bin/sh", {"-c", "printf '%s' \"$LANG\" > \"$1.teil\" && mv \"$1.teil\" \"$1\"", "sh", ausgabe}, error);
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(ausgabe) && waited.elapsed() < 5000) QThread::msleep(10);
    starter.Stop(id);
    if (!lang.isNull()) qputenv("LANG", lang);
    if (!lcAll.isNull()) qputenv("LC_ALL", lcAll);
    ASSERT_NE(id, 0);
    QFile f(ausgabe);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString gesehen = QString::fromLocal8Bit(f.readAll());
    EXPECT_TRUE(lx::LocaleInstalled(gesehen)) << gesehen.toStdString();
    EXPECT_FALSE(gesehen.isEmpty());
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
