#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "HelpCommand.h"
#include "HelpFakes.h"
#include "HelpStart.h"

namespace {

struct Started {
    QTemporaryDir prog;
    QTemporaryDir cache;
    lxtest::RecordingStarter recording;
    lxtest::RecordingStarter* starter = &recording;
    std::unique_ptr<lx::HelpStart> help;
    QStringList warnings;

    explicit Started(bool viewer, const QStringList& args = {"prog"})
    {
        lx::LogPlaces places;
        places.programDir = prog.path();
        places.cacheDir = cache.path();
        help = std::make_unique<lx::HelpStart>(args, "1.1.1.1", &recording, places, [viewer] {
            return viewer ? QStringLiteral("/usr/bin/xchm") : QString();
        });
        help->SetWarningBox([this](const QString& t) { warnings.push_back(t); });
    }
};

TEST(HelpStart, WithTheViewerTheHookShowsContexts)
{
    Started s(true);
    EXPECT_TRUE(s.help->LaufzeitBereit());
    s.help->HookAnlegen("/p/LxRarivizezoderizu.chm");
    EXPECT_FALSE(lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {1001, {}}));
    ASSERT_EQ(s.starter->starts.size(), 1u);
    EXPECT_EQ(s.starter->starts[0].arguments, (QStringList{"--contextid=1001", "/p/LxRarivizezoderizu.chm"}));
    s.help->HookFreigeben();
    EXPECT_EQ(s.starter->stops, std::vector<qint64>{1});
    EXPECT_EQ(s.help->Hook(), nullptr);
    // The hook is gone: nothing takes the request any more.
    EXPECT_TRUE(lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {1001, {}}));
}

TEST(HelpStart, WithoutTheViewerARequestWarns)
{
    Started s(false);
    EXPECT_FALSE(s.help->LaufzeitBereit());
    s.help->HookAnlegen("/p/LxRarivizezoderizu.chm");
    lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {1001, {}});
    EXPECT_EQ(s.warnings, QStringList{"MS Html Help is not installed on this PC."});
}

TEST(HelpStart, TheLogOfAStartWithDebug)
{
    Started s(true, {"prog", "-debug"});
    const QString file = QDir(s.prog.path()).filePath("HHDebug.txt");
    EXPECT_EQ(s.help->Log().FileName(), file);
    s.help->HookAnlegen("/p/h.chm");
    s.help.reset();
    const QStringList lines = lxtest::ReadLines(file);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[lines.size() - 2].endsWith("THookHelpSystem.Create(\"/p/h.chm\",\"\", 0)"));
    EXPECT_TRUE(lines.last().endsWith("THookHelpSystem.Destroy"));
}

}  // namespace
