#include "hh_funcs.h"

#include <QThread>

namespace lx {

namespace {

struct FriendlyRow {
    int major, minor, release;
    const char* name;
};

// The first row that the version reaches wins: above the row's major, minor
// and release, or equal to them with build 0.
constexpr FriendlyRow kFriendly[] = {
    {5, 2, 3669, "1.4a"},  {5, 2, 3626, "1.4"},   {4, 74, 9273, "1.33"}, {4, 74, 8857, "1.32"},
    {4, 74, 8793, "1.31"}, {4, 74, 8702, "1.3"},  {4, 73, 8561, "1.22"}, {4, 73, 8474, "1.21a"},
    {4, 73, 8412, "1.21"}, {4, 73, 8252, "1.2"},  {4, 72, 8164, "1.1b"}, {4, 72, 7325, "1.1a"},
    {4, 72, 7323, "1.1"},  {4, 72, 7290, "1.0"},
};

const char* CommandName(quint16 command)
{
    switch (command) {
    case HELP_CONTEXT: return "HELP_CONTEXT";
    case HELP_QUIT: return "HELP_QUIT";
    case HELP_CONTENTS: return "HELP_INDEX or HELP_CONTENTS";
    case HELP_HELPONHELP: return "HELP_HELPONHELP";
    case HELP_SETCONTENTS: return "HELP_SETINDEX or HELP_SETCONTENTS";
    case HELP_CONTEXTPOPUP: return "HELP_CONTEXTPOPUP";
    case HELP_FORCEFILE: return "HELP_FORCEFILE";
    case HELP_CONTEXTMENU: return "HELP_CONTEXTMENU";
    case HELP_FINDER: return "HELP_FINDER";
    case HELP_WM_HELP: return "HELP_WM_HELP";
    case HELP_SETPOPUP_POS: return "HELP_SETPOPUP_POS";
    case HELP_KEY: return "HELP_KEY";
    case HELP_COMMAND: return "HELP_COMMAND";
    case HELP_PARTIALKEY: return "HELP_PARTIALKEY";
    case HELP_MULTIKEY: return "HELP_MULTIKEY";
    case HELP_SETWINPOS: return "HELP_SETWINPOS";
    default: return "??";
    }
}

QString Cleaned(const QString& part) { return QString(part).replace(QLatin1String("%20"), QLatin1String(" ")).trimmed(); }

}  // namespace

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

bool HelpRuntimeUsable(const HHRuntime& runtime, const FileVersion& v)
{
    if (!runtime.IsLoaded()) return false;
    if (!v.valid) return true;
    return v.major > 4 || (v.major == 4 && v.minor >= 73);
}

QString BuildHelpPath(const QString& file, const QString& topic, const QString& window, int hostType)
{
    const QString f = Cleaned(file);
    QString t = Cleaned(topic);
    const QString w = Cleaned(window);
    QString path = f;
    if (!t.isEmpty()) {
        t.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (!t.startsWith(QLatin1Char('/'))) t.prepend(QLatin1Char('/'));
        path = f.isEmpty() ? t : f + QStringLiteral("::") + t;
    }
    if (!w.isEmpty()) path += QLatin1Char('>') + w;
    if (hostType == 2) path.prepend(QStringLiteral("mk:@MSITStore:"));
    return path;
}

HelpUtilities::HelpUtilities(const HelpEnvironment& env, TDLogFile& log, HHRuntime& runtime, WarningBox warningBox)
    : env_(env), log_(log), runtime_(runtime), warningBox_(std::move(warningBox))
{
}

int HelpUtilities::HHHelpContext(const QString& chmFile, int contextId, const QString& winDef, int hostType)
{
    log_.DebugWrite("HHHelpContext(\"%1\", %2, \"%3\", %4)", chmFile, contextId, winDef, hostType);
    return ShowContext(BuildHelpPath(chmFile, QString(), winDef, hostType), contextId, hostType);
}

int HelpUtilities::ShowContext(const QString& path, int contextId, int hostType)
{
    log_.DebugWrite("ShowContext(\"%1\", %2)", path, contextId);
    int code = HH_OK;
    if (!env_.hhInstalled || !runtime_.IsLoaded()) {
        code = HH_NOT_INSTALLED;
    } else if (hostType == 1) {
        code = HH_NO_KEYHH;  // there is no Windows folder to hold the viewer program
    } else if (hostType == 2) {
        code = HH_NO_HHEXE;
    } else if (!runtime_.HtmlHelp(HH_HELP_CONTEXT, path, contextId)) {
        // Like the runtime's own failure: no box, only the log knows.
        log_.DebugWrite(runtime_.LastError());
    }
    log_.DebugWrite("  returned - %1", code);
    return code;
}

void HelpUtilities::HHShowError(int code)
{
    const char* text = nullptr;
    switch (code) {
    case HH_OK: return;
    case HH_NOT_INSTALLED: text = "MS Html Help is not installed on this PC."; break;
    case HH_NO_KEYHH: text = "System file KeyHH.EXE was not found in the Windows folder."; break;
    case HH_NO_HHEXE: text = "System file HH.EXE was not found in the Windows folder."; break;
    default: text = "Unknown error returned by HHHelpContext"; break;
    }
    if (warningBox_) warningBox_(QString::fromUtf8(text));
    log_.DebugWrite("HHShowError(%1), \"%2\"", code, text);
}

void HelpUtilities::HHCloseAll()
{
    if (!runtime_.IsLoaded()) return;
    runtime_.HtmlHelp(HH_CLOSE_ALL, QString(), 0);
    QThread::yieldCurrentThread();
}

THookHelpSystem::THookHelpSystem(const QString& chmFile, const QString& winDef, int hostType, HelpUtilities& help)
    : FChmFile(chmFile), FWinDef(winDef), FHostType(hostType), help_(help)
{
    help_.Log().DebugWrite("THookHelpSystem.Create(\"%1\",\"%2\", %3)", FChmFile, FWinDef, FHostType);
    previous_ = SetHelpHandler(
        [this](quint16 command, const HelpData& data, bool& callHelp) { return HelpHook(command, data, callHelp); });
}

THookHelpSystem::~THookHelpSystem()
{
    help_.Log().DebugWrite("THookHelpSystem.Destroy");
    if (FHostType == 0) help_.HHCloseAll();
    SetHelpHandler(std::move(previous_));
}

bool THookHelpSystem::HelpHook(quint16 command, const HelpData& data, bool& callHelp)
{
    const QString name = QString::fromUtf8(CommandName(command)) + FillPattern(" (%1)", command);
    help_.Log().DebugWrite("THookHelpSystem.HelpHook(%1, %2)", name, data.number);
    switch (command) {
    case HELP_CONTEXT:
    case HELP_CONTEXTPOPUP:
        help_.HHShowError(help_.HHHelpContext(FChmFile, static_cast<int>(data.number), FWinDef, FHostType));
        callHelp = false;
        break;
    case HELP_SETPOPUP_POS: {
        const auto packed = static_cast<quint32>(data.number);
        popup_ = QPoint(static_cast<qint16>(packed & 0xFFFF), static_cast<qint16>(packed >> 16));
        callHelp = false;
        break;
    }
    default: callHelp = true; break;
    }
    return true;
}

}  // namespace lx
