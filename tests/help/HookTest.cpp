#include <gtest/gtest.h>

#include <cerrno>

#include "HelpCommand.h"
#include "HelpFakes.h"
#include "hh_funcs.h"

namespace {

using lxtest::HelpRig;
using lxtest::ReadLines;

const QString kChm = QStringLiteral("/opt/mein Programm/LxRarivizezoderizu.chm");

TEST(HelpHook, AContextStartsTheViewerOnceWithThePathAsOneArgument)
{
    HelpRig rig;
    lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
    EXPECT_FALSE(lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}}));
    ASSERT_EQ(rig.starter.starts.size(), 1u);
    EXPECT_EQ(rig.starter.starts[0].program, "/usr/bin/xchm");
    EXPECT_EQ(rig.starter.starts[0].arguments, (QStringList{"--contextid=4007", kChm}));
    EXPECT_TRUE(rig.starter.stops.empty());
    EXPECT_TRUE(rig.warnings.isEmpty());
}

TEST(HelpHook, ASecondRequestEndsTheFirstViewer)
{
    HelpRig rig;
    lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
    lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}});
    lx::ApplicationHelpCommand(lx::HELP_CONTEXTPOPUP, {6000, {}});
    ASSERT_EQ(rig.starter.starts.size(), 2u);
    EXPECT_EQ(rig.starter.starts[1].arguments[0], "--contextid=6000");
    EXPECT_EQ(rig.starter.stops, std::vector<qint64>{1});
}

TEST(HelpHook, OtherCommands)
{
    HelpRig rig;
    lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
    // The pop-up position is kept, nothing is shown.
    EXPECT_FALSE(lx::ApplicationHelpCommand(lx::HELP_SETPOPUP_POS, {(120 << 16) | 35, {}}));
    EXPECT_EQ(hook.PopupPosition(), QPoint(35, 120));
    EXPECT_TRUE(lx::ApplicationHelpCommand(lx::HELP_CONTENTS, {0, {}}));
    EXPECT_TRUE(lx::ApplicationHelpCommand(lx::HELP_KEY, {0, "Lohnsteuer"}));
    EXPECT_TRUE(lx::ApplicationHelpCommand(lx::HELP_QUIT, {0, {}}));
    EXPECT_TRUE(lx::ApplicationHelpCommand(999, {0, {}}));
    EXPECT_TRUE(rig.starter.starts.empty());
    EXPECT_TRUE(rig.warnings.isEmpty());
}

TEST(HelpHook, WithoutTheViewerTheWarningBox)
{
    HelpRig rig({"prog", "-debug"}, false);
    EXPECT_FALSE(rig.env.hhInstalled);
    lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
    lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}});
    EXPECT_EQ(rig.warnings, QStringList{"MS Html Help is not installed on this PC."});
    EXPECT_TRUE(rig.starter.starts.empty());
    EXPECT_TRUE(ReadLines(rig.log->FileName())
                    .last()
                    .endsWith("HHShowError(1), \"MS Html Help is not installed on this PC.\""));
}

TEST(HelpHook, ViewerProgramsOfTheOtherHostsAreNotThere)
{
    HelpRig rig;
    const struct {
        int host;
        int code;
        const char* message;
    } cases[] = {
        {1, 2, "System file KeyHH.EXE was not found in the Windows folder."},
        {2, 3, "System file HH.EXE was not found in the Windows folder."},
    };
    for (const auto& c : cases) {
        rig.warnings.clear();
        EXPECT_EQ(rig.help->HHHelpContext(kChm, 3000, "", c.host), c.code);
        lx::THookHelpSystem hook(kChm, "", c.host, *rig.help);
        lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {3000, {}});
        EXPECT_EQ(rig.warnings, QStringList{c.message}) << c.host;
    }
    rig.help->HHShowError(7);
    EXPECT_EQ(rig.warnings.last(), "Unknown error returned by HHHelpContext");
    EXPECT_TRUE(rig.starter.starts.empty());
}

TEST(HelpHook, AViewerThatDoesNotStartIsSilentAndLogged)
{
    HelpRig rig({"prog", "-debug"});
    rig.starter.failWith = ENOENT;
    lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
    lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}});
    EXPECT_TRUE(rig.warnings.isEmpty());
    const QString log = ReadLines(rig.log->FileName()).join('\n');
    EXPECT_TRUE(log.contains("Function Start(--contextid=4007 " + kChm +
                             ", /usr/bin/xchm)\rReturned: [Error:2] File Not Found"))
        << log.toStdString();
    EXPECT_TRUE(log.contains("  returned - 0"));
}

TEST(HelpHook, NestedHooksRestoreEachPreviousHandler)
{
    HelpRig rig;
    std::vector<quint16> outer;
    lx::HelpHandler before = lx::SetHelpHandler([&outer](quint16 c, const lx::HelpData&, bool& callHelp) {
        outer.push_back(c);
        callHelp = false;
        return true;
    });
    {
        lx::THookHelpSystem first(kChm, "", 0, *rig.help);
        {
            lx::THookHelpSystem second("/b.chm", "", 0, *rig.help);
            lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {1, {}});
            EXPECT_EQ(rig.starter.starts.back().arguments.last(), "/b.chm");
        }
        lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {2, {}});
        EXPECT_EQ(rig.starter.starts.back().arguments.last(), kChm);
    }
    EXPECT_FALSE(lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {3, {}}));
    EXPECT_EQ(outer, std::vector<quint16>{lx::HELP_CONTEXT});
    EXPECT_EQ(rig.starter.starts.size(), 2u);
    lx::SetHelpHandler(std::move(before));
    EXPECT_TRUE(lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {3, {}}));
}

TEST(HelpHook, ClosingEndsOnlyOurViewer)
{
    HelpRig rig;
    int error = 0;
    const qint64 foreign = rig.starter.Start("/usr/bin/other", {}, error);
    {
        lx::THookHelpSystem hook(kChm, "", 0, *rig.help);
        lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}});
        EXPECT_TRUE(rig.starter.stops.empty());
    }
    // Destroying the hook (host 0) closed all help windows: ours.
    EXPECT_EQ(rig.starter.stops, std::vector<qint64>{foreign + 1});
    rig.help->HHCloseAll();
    EXPECT_EQ(rig.starter.stops.size(), 1u);
}

TEST(HelpHook, HostsOtherThanZeroCloseNothingAtTheEnd)
{
    HelpRig rig;
    rig.runtime.HtmlHelp(lx::HH_HELP_CONTEXT, kChm, 1);
    {
        lx::THookHelpSystem hook(kChm, "", 2, *rig.help);
    }
    EXPECT_TRUE(rig.starter.stops.empty());
}

}  // namespace
