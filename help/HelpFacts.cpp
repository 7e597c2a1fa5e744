#include "HelpFacts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <tuple>

namespace lx {

namespace {

struct FriendlyRow {
    int major, minor, release;
    const char* name;
};

// The first row that the version reaches wins: above the row's major, minor
// and release, or equal to them with build 0.
constexpr FriendlyRow kFriendly[] = {
    {5, 2, 3669, "1.4a"},  {5, 2, 3626, "1.4"},   {4, 74, 9273, "1.33"},  {4, 74, 8857, "1.32"}, {4, 74, 8793, "1.31"},
    {4, 74, 8702, "1.3"},  {4, 73, 8561, "1.22"}, {4, 73, 8474, "1.21a"}, {4, 73, 8412, "1.21"}, {4, 73, 8252, "1.2"},
    {4, 72, 8164, "1.1b"}, {4, 72, 7325, "1.1a"}, {4, 72, 7323, "1.1"},   {4, 72, 7290, "1.0"},
};

}  // namespace

int CompareVersions(const FileVersion& a, const FileVersion& b)
{
    const auto ta = std::tie(a.major, a.minor, a.release, a.build);
    const auto tb = std::tie(b.major, b.minor, b.release, b.build);
    if (ta == tb) return 0;
    return ta > tb ? 1 : -1;
}

QString VersionText(const FileVersion& v)
{
    if (!v.valid) return {};
    return QStringLiteral("%1.%2.%3.%4")
        .arg(QString::number(v.major), QString::number(v.minor), QString::number(v.release), QString::number(v.build));
}

QString FriendlyHtmlHelpVersion(const FileVersion& v)
{
    if (!v.valid) return {};
    const auto above = [&v](int ma, int mi, int re) {
        return CompareVersions({v.major, v.minor, v.release, 0, true}, {ma, mi, re, 0, true}) > 0;
    };
    const auto equalBuild0 = [&v](int ma, int mi, int re) {
        return v.major == ma && v.minor == mi && v.release == re && v.build == 0;
    };
    if (above(5, 2, 3669)) return QStringLiteral("> 1.4a");
    for (const FriendlyRow& row : kFriendly) {
        if (above(row.major, row.minor, row.release) || equalBuild0(row.major, row.minor, row.release)) {
            return QString::fromUtf8(row.name);
        }
    }
    return QStringLiteral("< 1.0");
}

bool ProbeWritable(const QString& dir)
{
    if (!QFileInfo(dir).isDir()) return false;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral("lxprobe-XXXXXX")));
    return probe.open();  // removed again when `probe` goes
}

LogPlaces DefaultLogPlaces(const QString& programDir)
{
    LogPlaces places;
    places.programDir = programDir;
    places.cacheDir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return places;
}

QString LogFolder(const LogPlaces& places, bool* programDirWritable)
{
    const bool writable = !places.programDir.isEmpty() && places.writable && places.writable(places.programDir);
    if (programDirWritable != nullptr) *programDirWritable = writable;
    if (writable) return QDir::cleanPath(places.programDir);
    const QString cache = QDir::cleanPath(places.cacheDir);
    if (!cache.isEmpty() && !QFileInfo::exists(cache) && QDir().mkpath(cache)) {
        QFile::setPermissions(cache, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return cache;
}

bool IsDebugMode(const QStringList& arguments, const QString& programDir)
{
    if (QFileInfo::exists(QDir(programDir).filePath(QStringLiteral("debug.debug")))) return true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.compare(QLatin1String("/debug"), Qt::CaseInsensitive) == 0 ||
            a.compare(QLatin1String("-debug"), Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

HelpEnvironment ComputeHelpEnvironment(const QString& programFile, const QStringList& arguments,
                                       const QString& exeVersion, const LogPlaces& places, const QString& viewer)
{
    HelpEnvironment env;
    const QFileInfo program(programFile);
    env.modulePath = program.absoluteFilePath();
    env.moduleDir = program.absolutePath();
    env.moduleName = program.fileName();
    env.runDir = env.moduleDir;
    env.exeVersion = exeVersion;
    env.parameters = arguments.mid(1);
    env.commandLine = arguments.join(QLatin1Char(' '));
    env.logDir = LogFolder(places, &env.programDirWritable);
    env.debugMode = IsDebugMode(arguments, places.programDir);
    env.hhPath = viewer;
    // The viewer has no version numbers: being there is what counts.
    env.hhInstalled = !viewer.isEmpty();
    env.hhVerStr = VersionText(env.hhVersion);
    env.hhFriendlyVerStr = FriendlyHtmlHelpVersion(env.hhVersion);
    return env;
}

}  // namespace lx
