#include <gtest/gtest.h>

#include "HelpFakes.h"
#include "hh_funcs.h"

namespace {

TEST(BuildHelpPath, Paths)
{
    const struct {
        const char* file;
        const char* topic;
        const char* window;
        int host;
        const char* path;
    } cases[] = {
        {"/opt/lx/LxRarivizezoderizu.chm", "", "", 0, "/opt/lx/LxRarivizezoderizu.chm"},
        {"/opt/mein%20Ordner/h.chm", "", "", 0, "/opt/mein Ordner/h.chm"},
        {" %20/a/h.chm%20 ", "", "", 0, "/a/h.chm"},
        {"/a/h.chm", "seiten\\lohn.html", "", 0, "/a/h.chm::/seiten/lohn.html"},
        {"/a/h.chm", "/lohn.html", "", 0, "/a/h.chm::/lohn.html"},
        {"", "lohn.html", "", 0, "/lohn.html"},
        {"/a/h.chm", "", "main", 0, "/a/h.chm>main"},
        {"/a/h.chm", "x.html", "%20main", 1, "/a/h.chm::/x.html>main"},
        {"/a/h.chm", "", "", 2, "mk:@MSITStore:/a/h.chm"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lx::BuildHelpPath(c.file, c.topic, c.window, c.host), c.path) << c.file << " " << c.topic;
    }
}

TEST(FriendlyHtmlHelpVersion, Names)
{
    const struct {
        lx::FileVersion v;
        const char* name;
    } cases[] = {
        {{4, 74, 8702, 0, true}, "1.3"},   {{5, 2, 3669, 0, true}, "1.4a"},   {{5, 2, 3669, 1, true}, "1.4"},
        {{5, 2, 3700, 0, true}, "> 1.4a"}, {{4, 72, 7289, 0, true}, "< 1.0"}, {{4, 72, 7290, 0, true}, "1.0"},
        {{4, 72, 7290, 5, true}, "< 1.0"}, {{4, 72, 7291, 5, true}, "1.0"},   {{4, 73, 8561, 0, true}, "1.22"},
        {{4, 74, 9273, 1, true}, "1.32"},  {{6, 0, 0, 0, true}, "> 1.4a"},    {{0, 0, 0, 0, false}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lx::FriendlyHtmlHelpVersion(c.v), c.name) << lx::VersionText(c.v).toStdString();
}

TEST(CompareVersions, Order)
{
    const struct {
        lx::FileVersion a, b;
        int result;
    } cases[] = {
        {{4, 73, 0, 0, true}, {4, 73, 0, 0, true}, 0},  {{5, 0, 0, 0, true}, {4, 99, 9999, 9999, true}, 1},
        {{4, 72, 9, 9, true}, {4, 73, 0, 0, true}, -1}, {{4, 73, 2, 0, true}, {4, 73, 1, 9, true}, 1},
        {{4, 73, 1, 1, true}, {4, 73, 1, 2, true}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lx::CompareVersions(c.a, c.b), c.result)
            << lx::VersionText(c.a).toStdString() << " / " << lx::VersionText(c.b).toStdString();
    }
    EXPECT_EQ(lx::VersionText({4, 74, 8702, 0, true}), "4.74.8702.0");
}

TEST(HelpRuntimeUsable, TheVersionTestAndALayerWithoutNumbers)
{
    lxtest::RecordingStarter starter;
    lx::HHRuntime with(starter, [] { return QStringLiteral("/usr/bin/xchm"); });
    lx::HHRuntime without(starter, [] { return QString(); });
    with.LoadRuntime();
    without.LoadRuntime();
    EXPECT_TRUE(lx::HelpRuntimeUsable(with, {}));
    EXPECT_TRUE(lx::HelpRuntimeUsable(with, {4, 73, 0, 0, true}));
    EXPECT_TRUE(lx::HelpRuntimeUsable(with, {5, 0, 0, 0, true}));
    EXPECT_FALSE(lx::HelpRuntimeUsable(with, {4, 72, 9999, 0, true}));
    EXPECT_FALSE(lx::HelpRuntimeUsable(with, {3, 99, 0, 0, true}));
    EXPECT_FALSE(lx::HelpRuntimeUsable(without, {}));
}

}  // namespace
