#pragma once
// What the help units find out once at start: where the program and its log
// live, whether the log is on, and which help viewer there is. The diagnostic
// log writes these facts into its header.

#include <QString>
#include <QStringList>
#include <functional>

namespace lx {

// A file version as four numbers; `valid` false when there is none (our
// viewer program has no version numbers).
struct FileVersion {
    int major = 0;
    int minor = 0;
    int release = 0;
    int build = 0;
    bool valid = false;
};

// 0 when equal, 1 when `a` is higher, -1 when lower: major, minor, release,
// build in this order.
int CompareVersions(const FileVersion& a, const FileVersion& b);

// "major.minor.release.build", empty without a version.
QString VersionText(const FileVersion& v);

// The name of a help runtime's file version for the log, empty without one.
QString FriendlyHtmlHelpVersion(const FileVersion& v);

// True when a help file can be written into `dir`: creates and removes a
// uniquely named file there, so no file of anybody else is touched.
bool ProbeWritable(const QString& dir);

// Where the log may go. The fallback is the user's own cache folder, not the
// shared temporary folder, where another user could plant the file or a link.
struct LogPlaces {
    QString programDir;
    QString cacheDir;
    std::function<bool(const QString& dir)> writable = ProbeWritable;
};

// The program's folder and the user's cache folder
// (QStandardPaths::CacheLocation); the latter is created on demand.
LogPlaces DefaultLogPlaces(const QString& programDir);

// The log folder: the program's folder when it exists and is writable, else
// the cache folder, created owner-only when missing. No trailing separator.
QString LogFolder(const LogPlaces& places, bool* programDirWritable = nullptr);

// Debug mode: "debug.debug" in the program's folder, or a parameter (after the
// program itself) that is "/debug" or "-debug" in any case.
bool IsDebugMode(const QStringList& arguments, const QString& programDir);

struct HelpEnvironment {
    QString modulePath;
    QString moduleDir;
    QString moduleName;
    QString runDir;
    QString exeVersion;
    QStringList parameters;  // without the program itself
    QString commandLine;
    bool programDirWritable = false;
    QString logDir;
    bool debugMode = false;
    QString hhPath;  // the viewer program
    FileVersion hhVersion;
    QString hhVerStr;
    bool hhInstalled = false;
    QString hhFriendlyVerStr;
    // The browser component serves the help only on the other platform.
    bool ieInstalled = false;
    QString ieVerStr;
    QString ieFriendlyVerStr;
};

// `arguments` as the program got them (the first is the program file).
// `viewer` is the help viewer's path, empty when there is none.
HelpEnvironment ComputeHelpEnvironment(const QString& programFile, const QStringList& arguments,
                                       const QString& exeVersion, const LogPlaces& places, const QString& viewer);

}  // namespace lx
