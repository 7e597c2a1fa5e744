#include "DLogFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSysInfo>
#include <cerrno>

namespace lx {

namespace {

constexpr const char* kLogName = "HHDebug.txt";

// Major, minor and build of a kernel version such as "6.1.0-18-amd64".
void KernelNumbers(int& major, int& minor, int& build)
{
    const QStringList parts =
        QSysInfo::kernelVersion().split(QRegularExpression(QStringLiteral("[^0-9]+")), Qt::SkipEmptyParts);
    major = parts.size() > 0 ? parts[0].toInt() : 0;
    minor = parts.size() > 1 ? parts[1].toInt() : 0;
    build = parts.size() > 2 ? parts[2].toInt() : 0;
}

QString Hex4(int n)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(n, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString SystemErrorText(int err)
{
    const char* text = "General Failure";
    switch (err) {
        case ENOENT:
            text = "File Not Found";
            break;
        case ENOTDIR:
            text = "Path Not Found";
            break;
        case EACCES:
        case EPERM:
            text = "Access Denied";
            break;
        case ENOMEM:
            text = "Insufficient Memory";
            break;
        case EROFS:
            text = "Media Is Write Protected";
            break;
        case ENXIO:
        case ENODEV:
        case ENOMEDIUM:
            text = "Device Not Ready";
            break;
        case ETXTBSY:
        case EBUSY:
            text = "File In Use";
            break;
        case ENOSPC:
        case EDQUOT:
            text = "Disk Full";
            break;
        case EIO:
        case EUCLEAN:
        case EBADMSG:
            text = "Corrupt File Or Disk";
            break;
        case ENOEXEC:
            text = "Not A Windows Or MSDos Program";
            break;
        default:
            break;
    }
    return FillPattern("[Error:%1] %2", err, text);
}

TDLogFile::TDLogFile(const QString& fileName, bool appendMode, bool headerDump, bool timeStamp, bool debugMode,
                     const HelpEnvironment& env, const LogPlaces& places, WarningBox warningBox)
    : FDebugMode(debugMode),
      FTimeStamp(timeStamp),
      FHeaderDump(headerDump),
      FAppendMode(appendMode),
      FWarningBox(std::move(warningBox))
{
    if (fileName.isEmpty()) {
        FFilename = QDir(env.logDir).filePath(QString::fromUtf8(kLogName));
    } else {
        const QFileInfo info(fileName);
        const bool writable = places.writable && places.writable(info.absolutePath());
        FFilename = writable ? info.absoluteFilePath()
                             : QDir(LogFolder({QString(), places.cacheDir, places.writable})).filePath(info.fileName());
    }
    if (QFileInfo::exists(FFilename)) {
        QFile::setPermissions(FFilename,
                              QFile::permissions(FFilename) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (!FAppendMode) QFile::remove(FFilename);
    }
    if (FDebugMode && FHeaderDump) WriteHeader(env);
}

void TDLogFile::WriteLine(const QString& text)
{
    QFile file(FFilename);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    QString line = text;
    if (line == QLatin1String("-") || line == QLatin1String("=")) line = QString(80, line[0]);
    if (line.startsWith(QLatin1Char('!')) || line.startsWith(QLatin1Char('-')) || line.startsWith(QLatin1Char('='))) {
        line.remove(0, 1);
    } else if (FTimeStamp) {
        line.prepend(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("   "));
    }
    line += QLatin1Char('\n');
    file.write(line.toUtf8());
    file.flush();
    file.close();
}

void TDLogFile::DebugWrite(const QString& text)
{
    if (FDebugMode) WriteLine(text);
}

void TDLogFile::ErrorReport(const QString& text)
{
    if (FWarningBox) FWarningBox(text);
    DebugWrite(text);
}

void TDLogFile::WriteHeader(const HelpEnvironment& env)
{
    const QLocale locale = QLocale::system();
    int major = 0;
    int minor = 0;
    int build = 0;
    KernelNumbers(major, minor, build);
    const auto yesNo = [](bool b) { return QString::fromUtf8(b ? "YES" : "NO"); };
    // Each header entry stands indented by a tab under the rule.
    WriteLine("=");
    WriteLine("!\tLog File:             %1", FFilename);
    WriteLine("!\tDate:                 %1",
              QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    WriteLine("!\tOperating System:      %1 %2.%3 (Build %4) %5", QSysInfo::prettyProductName(), major, minor, build,
              "No Service Pack");
    WriteLine("!\tSysLocale.DefaultLCID: %1 (%2)", locale.name(), locale.bcp47Name());
    WriteLine("!\tSysLocale.PriLangID:   %1 (%2)", Hex4(static_cast<int>(locale.language())),
              static_cast<int>(locale.language()));
    WriteLine("!\tSysLocale.SubLangID:   %1 (%2)", Hex4(static_cast<int>(locale.territory())),
              static_cast<int>(locale.territory()));
    WriteLine("!\tDecimalSeparator:      %1", locale.decimalPoint());
    WriteLine("-");
    WriteLine("!\tEXE Path =          %1", env.modulePath);
    WriteLine("!\tEXE Version =       %1", env.exeVersion);
    WriteLine("!\tCmdline Param(s) =  %1", env.parameters.join(QStringLiteral(" | ")));
    WriteLine("!\tActual CmdLine =  %1", env.commandLine);
    WriteLine("!\t_RunDir =           %1", env.runDir);
    WriteLine("!\t_ModuleName =       %1", env.moduleName);
    WriteLine("!\t_ModuleDir =        %1", env.moduleDir);
    WriteLine("!\t_ModulePath =        %1", env.modulePath);
    WriteLine("!\tModule Version =       %1", env.exeVersion);
    WriteLine("-");
    WriteLine("!\t_hhInstalled =      %1", yesNo(env.hhInstalled));
    WriteLine("!\t_hhVerStr =         %1", env.hhVerStr);
    WriteLine("!\t_hhFriendlyVerStr = %1", env.hhFriendlyVerStr);
    WriteLine("-");
    WriteLine("!\t_ieInstalled =      %1", yesNo(env.ieInstalled));
    WriteLine("!\t_ieVerStr =         %1", env.ieVerStr);
    WriteLine("!\t_ieFriendlyVerStr = %1", env.ieFriendlyVerStr);
    WriteLine("=");
}

}  // namespace lx
