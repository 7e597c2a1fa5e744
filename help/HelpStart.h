#pragma once
// The help units' start and end around the main window: before it exists the
// viewer is looked up, the facts are gathered, the log is started and F1 is
// routed; the main window's creation checks the viewer and creates the hook,
// its destruction closes the help windows and frees the hook.

#include <QStringList>
#include <memory>
#include <optional>

#include "DLogFile.h"
#include "HelpFacts.h"
#include "HelpViewer.h"
#include "hh.h"
#include "hh_funcs.h"

namespace lx {

// Shown by the main window's creation when the help viewer is missing.
inline constexpr const char* kHelpRuntimeFehlt =
    "Diese Anwendung erfordert die Installation der MS HTML Help 1.2 oder höher";

class HelpStart {
public:
    // `arguments` as the program got them. The warning box may be set later,
    // once the windows' message boxes exist.
    HelpStart(const QStringList& arguments, const QString& exeVersion,
              std::unique_ptr<ProcessStarter> starter = std::make_unique<QProcessStarter>(),
              std::optional<LogPlaces> places = std::nullopt,
              std::function<QString()> findViewer = FindHelpViewer);
    // Frees the hook if the main window did not, then the log and the runtime.
    ~HelpStart();
    HelpStart(const HelpStart&) = delete;
    HelpStart& operator=(const HelpStart&) = delete;

    void SetWarningBox(WarningBox box);

    // The main window's creation, steps 3 and 4: the viewer check (false and
    // kHelpRuntimeFehlt to `message` when it fails; the start goes on), then
    // the hook on `chmFile` with no window definition and host kind 0.
    void FormCreate(const QString& chmFile, const std::function<void(const QString&)>& message);
    // The main window's destruction: all help windows closed, the hook freed.
    void FormDestroy();

    HelpUtilities& Utilities() { return *help_; }
    const HelpEnvironment& Environment() const { return env_; }
    TDLogFile& Log() { return *log_; }
    THookHelpSystem* Hook() { return hook_.get(); }

private:
    std::unique_ptr<ProcessStarter> starter_;
    HHRuntime runtime_;
    HelpEnvironment env_;
    std::unique_ptr<TDLogFile> log_;
    WarningBox warningBox_;
    std::unique_ptr<HelpUtilities> help_;
    HelpKeyFilter keyFilter_;
    std::unique_ptr<THookHelpSystem> hook_;
};

}  // namespace lx
