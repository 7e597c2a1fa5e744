#pragma once
// The help hook: replaces the application's help handler, shows a context of
// the program's help file for every context request and closes the help
// windows at the end. Log lines and error codes stay those of the help units.

#include <QPoint>
#include <QString>

#include "DLogFile.h"
#include "HelpCommand.h"
#include "HelpFacts.h"
#include "hh.h"

namespace lx {

// Whether the runtime serves the program: loaded and, where it has numbers,
// at least 4.73.
bool HelpRuntimeUsable(const HHRuntime& runtime, const FileVersion& v);

// File, topic and window joined into the viewer's path: "%20" becomes a blank
// and each part is trimmed; a topic is file + "::/" + topic with "/" for "\";
// a window is appended as ">" + window; host kind 2 prefixes "mk:@MSITStore:".
QString BuildHelpPath(const QString& file, const QString& topic, const QString& window, int hostType);

// The error codes of showing a context.
enum HelpError { HH_OK = 0, HH_NOT_INSTALLED = 1, HH_NO_KEYHH = 2, HH_NO_HHEXE = 3 };

// What the help units share once they are set up: the facts, the log, the
// runtime and the warning box.
class HelpUtilities {
public:
    HelpUtilities(const HelpEnvironment& env, TDLogFile& log, HHRuntime& runtime, WarningBox warningBox);

    const HelpEnvironment& Environment() const { return env_; }
    TDLogFile& Log() { return log_; }
    HHRuntime& Runtime() { return runtime_; }

    int HHHelpContext(const QString& chmFile, int contextId, const QString& winDef, int hostType);
    int ShowContext(const QString& path, int contextId, int hostType);
    void HHShowError(int code);
    void HHCloseAll();

private:
    const HelpEnvironment& env_;
    TDLogFile& log_;
    HHRuntime& runtime_;
    WarningBox warningBox_;
};

class THookHelpSystem {
public:
    // Installs HelpHook as the application's help handler, keeping the one
    // before it.
    THookHelpSystem(const QString& chmFile, const QString& winDef, int hostType, HelpUtilities& help);
    // Host kind 0 closes all help windows; then the kept handler is back.
    ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // Context (1) and context pop-up (8) are shown and handled; the pop-up
    // position (13) is kept; anything else is left to the toolkit (CallHelp).
    bool HelpHook(quint16 command, const HelpData& data, bool& callHelp);

    QPoint PopupPosition() const { return popup_; }
    const QString& ChmFile() const { return FChmFile; }

private:
    QString FChmFile;
    QString FWinDef;
    int FHostType;
    HelpUtilities& help_;
    HelpHandler previous_;
    QPoint popup_;
};

}  // namespace lx
