#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>

#include "DLogFile.h"
#include "HelpFakes.h"
#include "hh_funcs.h"

namespace {

using lxtest::HelpRig;
using lxtest::ReadLines;

const QRegularExpression kStamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   "));

void Touch(const QString& path, const QByteArray& content = "alt\n")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(DLogFile, WithoutSwitchNoLogAndAnOldOneIsRemoved)
{
    QTemporaryDir prog;
    const QString old = QDir(prog.path()).filePath("HHDebug.txt");
    Touch(old);
    lx::LogPlaces places;
    places.programDir = prog.path();
    const QStringList args{"prog", "debug", "--debug", "/debugx"};
    const lx::HelpEnvironment env = lx::ComputeHelpEnvironment(prog.filePath("prog"), args, "1.1.1.1", places, {});
    EXPECT_FALSE(env.debugMode);
    lx::TDLogFile log(QString(), false, true, true, env.debugMode, env, places);
    EXPECT_EQ(log.FileName(), old);
    log.DebugWrite("THookHelpSystem.Destroy");
    EXPECT_FALSE(QFileInfo::exists(old));
}

TEST(DLogFile, DebugSwitches)
{
    QTemporaryDir prog;
    const struct {
        QStringList args;
        bool debug;
    } cases[] = {
        {{"prog", "-DEBUG"}, true}, {{"prog", "/Debug"}, true}, {{"prog", "x", "-debug"}, true},
        {{"prog"}, false},          {{"-debug"}, false},        {{"prog", "-debug "}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lx::IsDebugMode(c.args, prog.path()), c.debug) << c.args.join(' ').toStdString();
    Touch(QDir(prog.path()).filePath("debug.debug"), "");
    EXPECT_TRUE(lx::IsDebugMode({"prog"}, prog.path()));
}

TEST(DLogFile, DebugWritesTheHeaderInOrderAndAStampedLinePerRequest)
{
    HelpRig rig({"prog", "-DEBUG", "zwei teile"});
    ASSERT_TRUE(rig.env.debugMode);
    const QString file = QDir(rig.programDir.path()).filePath("HHDebug.txt");
    EXPECT_EQ(rig.log->FileName(), file);
    {
        lx::THookHelpSystem hook("/p/h.chm", "", 0, *rig.help);
        lx::ApplicationHelpCommand(lx::HELP_CONTEXT, {4007, {}});
        lx::ApplicationHelpCommand(lx::HELP_CONTENTS, {0, {}});
    }
    const QStringList lines = ReadLines(file);
    ASSERT_GE(lines.size(), 30);
    const QStringList labels{"=",
                             "\tLog File:",
                             "\tDate:",
                             "\tOperating System:",
                             "\tSysLocale.DefaultLCID:",
                             "\tSysLocale.PriLangID:",
                             "\tSysLocale.SubLangID:",
                             "\tDecimalSeparator:",
                             "-",
                             "\tEXE Path =",
                             "\tEXE Version =",
                             "\tCmdline Param(s) =",
                             "\tActual CmdLine =",
                             "\t_RunDir =",
                             "\t_ModuleName =",
                             "\t_ModuleDir =",
                             "\t_ModulePath =",
                             "\tModule Version =",
                             "-",
                             "\t_hhInstalled =",
                             "\t_hhVerStr =",
                             "\t_hhFriendlyVerStr =",
                             "-",
                             "\t_ieInstalled =",
                             "\t_ieVerStr =",
                             "\t_ieFriendlyVerStr =",
                             "="};
    for (qsizetype i = 0; i < labels.size(); ++i) {
        EXPECT_TRUE(lines[i].startsWith(labels[i])) << i << ": " << lines[i].toStdString();
    }
    EXPECT_EQ(lines[0], QString(79, '='));
    EXPECT_EQ(lines[1], "\tLog File:             " + file);
    EXPECT_TRUE(lines[3].endsWith("No Service Pack")) << lines[3].toStdString();
    EXPECT_EQ(lines[10], "\tEXE Version =       1.1.1.1");
    EXPECT_EQ(lines[11], "\tCmdline Param(s) =  -DEBUG | zwei teile");
    EXPECT_EQ(lines[19], "\t_hhInstalled =      YES");
    EXPECT_EQ(lines[23], "\t_ieInstalled =      NO");
    const QStringList expected{"THookHelpSystem.Create(\"/p/h.chm\",\"\", 0)",
                               "THookHelpSystem.HelpHook(HELP_CONTEXT (1), 4007)",
                               "HHHelpContext(\"/p/h.chm\", 4007, \"\", 0)",
                               "ShowContext(\"/p/h.chm\", 4007)",
                               "  returned - 0",
                               "THookHelpSystem.HelpHook(HELP_INDEX or HELP_CONTENTS (3), 0)",
                               "THookHelpSystem.Destroy"};
    const QStringList rest = lines.mid(labels.size());
    ASSERT_EQ(rest.size(), expected.size()) << rest.join('\n').toStdString();
    for (qsizetype i = 0; i < rest.size(); ++i) {
        EXPECT_TRUE(kStamp.match(rest[i]).hasMatch()) << rest[i].toStdString();
        EXPECT_EQ(rest[i].mid(11), expected[i]);
    }
}

TEST(DLogFile, AnUnwritableProgramFolderPutsTheLogIntoTheCacheFolder)
{
    HelpRig rig({"prog", "-debug"}, true, false);
    EXPECT_FALSE(rig.env.programDirWritable);
    EXPECT_EQ(rig.env.logDir, rig.places.cacheDir);
    EXPECT_EQ(rig.log->FileName(), rig.places.cacheDir + "/HHDebug.txt");
    EXPECT_TRUE(QFileInfo::exists(rig.log->FileName()));
    EXPECT_EQ(QFile::permissions(rig.places.cacheDir) &
                  (QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ReadGroup | QFileDevice::WriteGroup),
              QFileDevice::Permissions());
    EXPECT_TRUE(QDir(rig.programDir.path()).isEmpty());
}

TEST(DLogFile, TheProbeLeavesNothingBehind)
{
    QTemporaryDir dir;
    Touch(QDir(dir.path()).filePath("$_Temp_$.$$$"), "fremd");
    EXPECT_TRUE(lx::ProbeWritable(dir.path()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"$_Temp_$.$$$"});
    QFile f(QDir(dir.path()).filePath("$_Temp_$.$$$"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "fremd");
    // Below a regular file nothing can be created.
    EXPECT_FALSE(lx::ProbeWritable(QDir(dir.path()).filePath("$_Temp_$.$$$/sub")));
}

TEST(DLogFile, ANamedFileInAnUnwritableFolderGoesToTheCacheFolder)
{
    QTemporaryDir dir;
    Touch(QDir(dir.path()).filePath("datei"));
    lx::LogPlaces places;
    places.cacheDir = dir.path() + "/cache";
    lx::HelpEnvironment env;
    lx::TDLogFile log(dir.path() + "/datei/sub/mein.log", false, false, false, true, env, places);
    EXPECT_EQ(log.FileName(), dir.path() + "/cache/mein.log");
}

TEST(DLogFile, LineRules)
{
    QTemporaryDir dir;
    lx::LogPlaces places;
    lx::HelpEnvironment env;
    env.logDir = dir.path();
    lx::TDLogFile log(QString(), false, false, true, true, env, places);
    log.WriteLine("-");
    log.WriteLine("=");
    log.WriteLine("!x");
    log.WriteLine("-abc");
    log.WriteLine("%s %d");
    log.WriteLine(QString("%1 %s"));
    log.WriteLine("Pfad \"%1\", %2", QString("/tmp/%s/%1"), 7);
    const QStringList lines = ReadLines(log.FileName());
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], QString(79, '-'));
    EXPECT_EQ(lines[1], QString(79, '='));
    EXPECT_EQ(lines[2], "x");
    EXPECT_EQ(lines[3], "abc");
    EXPECT_TRUE(kStamp.match(lines[4]).hasMatch());
    EXPECT_EQ(lines[4].mid(11), "%s %d");
    EXPECT_EQ(lines[5].mid(11), "%1 %s");
    EXPECT_EQ(lines[6].mid(11), "Pfad \"/tmp/%s/%1\", 7");
}

TEST(DLogFile, WithoutTimeStampsAndAppending)
{
    QTemporaryDir dir;
    const QString name = dir.path() + "/a.log";
    Touch(name, "alt\n");
    lx::LogPlaces places;
    lx::HelpEnvironment env;
    lx::TDLogFile log(name, true, false, false, true, env, places);
    log.WriteLine("neu");
    EXPECT_EQ(ReadLines(name), (QStringList{"alt", "neu"}));
}

TEST(DLogFile, AnUnopenableFileIsSkippedSilently)
{
    QTemporaryDir dir;
    Touch(dir.path() + "/datei");
    lx::LogPlaces places;
    places.writable = [](const QString&) { return true; };
    lx::HelpEnvironment env;
    lx::TDLogFile log(dir.path() + "/datei/x.log", false, true, true, true, env, places);
    log.WriteLine("nichts");
    EXPECT_FALSE(QFileInfo::exists(log.FileName()));
}

TEST(DLogFile, ErrorReportShowsTheWarningAndLogsInDebugMode)
{
    QTemporaryDir dir;
    lx::LogPlaces places;
    lx::HelpEnvironment env;
    env.logDir = dir.path();
    QStringList boxes;
    lx::TDLogFile log(QString(), false, false, false, true, env, places,
                      [&boxes](const QString& t) { boxes.push_back(t); });
    log.ErrorReport("Fehler %s");
    EXPECT_EQ(boxes, QStringList{"Fehler %s"});
    EXPECT_EQ(ReadLines(log.FileName()), QStringList{"Fehler %s"});
}

TEST(SystemErrorText, Texts)
{
    const struct {
        int err;
        const char* text;
    } cases[] = {
        {ENOENT, "File Not Found"},
        {ENOTDIR, "Path Not Found"},
        {EACCES, "Access Denied"},
        {EPERM, "Access Denied"},
        {ENOMEM, "Insufficient Memory"},
        {EROFS, "Media Is Write Protected"},
        {ENODEV, "Device Not Ready"},
        {ETXTBSY, "File In Use"},
        {EBUSY, "File In Use"},
        {ENOSPC, "Disk Full"},
        {EDQUOT, "Disk Full"},
        {EIO, "Corrupt File Or Disk"},
        {ENOEXEC, "Not A Windows Or MSDos Program"},
        {EINVAL, "General Failure"},
        {0, "General Failure"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lx::SystemErrorText(c.err), QString("[Error:%1] %2").arg(c.err).arg(c.text)) << c.err;
    }
}

}  // namespace
