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
#include "gemeinsam/Hilfesystem.h"
#include "hh.h"
#include "hh_funcs.h"

namespace lx {

class HelpStart final : public Hilfesystem {
public:
    // `arguments` as the program got them; `starter` starts the viewer (null:
    // a QProcessStarter of our own). The warning box may be set later, once
    // the windows' message boxes exist.
    HelpStart(const QStringList& arguments, const QString& exeVersion, ProcessStarter* starter = nullptr,
              std::optional<LogPlaces> places = std::nullopt, std::function<QString()> findViewer = FindHelpViewer);
    // Frees the hook if the main window did not, then the log and the runtime.
    ~HelpStart() override;
    HelpStart(const HelpStart&) = delete;
    HelpStart& operator=(const HelpStart&) = delete;

    void SetWarningBox(WarningBox box);

    bool LaufzeitBereit() const override;
    void HookAnlegen(const std::string& hilfeDatei) override;
    void HookFreigeben() override;

    HelpUtilities& Utilities() { return *help_; }
    const HelpEnvironment& Environment() const { return env_; }
    TDLogFile& Log() { return *log_; }
    THookHelpSystem* Hook() { return hook_.get(); }

private:
    std::unique_ptr<ProcessStarter> ownStarter_;
    HHRuntime runtime_;
    HelpEnvironment env_;
    std::unique_ptr<TDLogFile> log_;
    WarningBox warningBox_;
    std::unique_ptr<HelpUtilities> help_;
    HelpKeyFilter keyFilter_;
    std::unique_ptr<THookHelpSystem> hook_;
};

}  // namespace lx
