#include "hh_funcs.h"

#include <QThread>

namespace lx {

namespace {

struct CommandNameRow {
    quint16 command;
    const char* name;
};

constexpr CommandNameRow kCommandNames[] = {
    {HELP_CONTEXT, "HELP_CONTEXT"},
    {HELP_QUIT, "HELP_QUIT"},
    {HELP_CONTENTS, "HELP_INDEX or HELP_CONTENTS"},
    {HELP_HELPONHELP, "HELP_HELPONHELP"},
    {HELP_SETCONTENTS, "HELP_SETINDEX or HELP_SETCONTENTS"},
    {HELP_CONTEXTPOPUP, "HELP_CONTEXTPOPUP"},
    {HELP_FORCEFILE, "HELP_FORCEFILE"},
    {HELP_CONTEXTMENU, "HELP_CONTEXTMENU"},
    {HELP_FINDER, "HELP_FINDER"},
    {HELP_WM_HELP, "HELP_WM_HELP"},
    {HELP_SETPOPUP_POS, "HELP_SETPOPUP_POS"},
    {HELP_KEY, "HELP_KEY"},
    {HELP_COMMAND, "HELP_COMMAND"},
    {HELP_PARTIALKEY, "HELP_PARTIALKEY"},
    {HELP_MULTIKEY, "HELP_MULTIKEY"},
    {HELP_SETWINPOS, "HELP_SETWINPOS"},
};

const char* CommandName(quint16 command)
{
    for (const CommandNameRow& row : kCommandNames) {
        if (row.command == command) return row.name;
    }
    return "??";
}

QString Cleaned(const QString& part)
{
    return QString(part).replace(QLatin1String("%20"), QLatin1String(" ")).trimmed();
}

}  // namespace

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
        case HH_OK:
            return;
        case HH_NOT_INSTALLED:
            text = "MS Html Help is not installed on this PC.";
            break;
        case HH_NO_KEYHH:
            text = "System file KeyHH.EXE was not found in the Windows folder.";
            break;
        case HH_NO_HHEXE:
            text = "System file HH.EXE was not found in the Windows folder.";
            break;
        default:
            text = "Unknown error returned by HHHelpContext";
            break;
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
        default:
            callHelp = true;
            break;
    }
    return true;
}

}  // namespace lx
