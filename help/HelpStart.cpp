#include "HelpStart.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lx {

namespace {

QString ProgramFile(const QStringList& arguments)
{
    const QString app = QCoreApplication::applicationFilePath();
    if (!app.isEmpty()) return app;
    return arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).absoluteFilePath();
}

ProcessStarter& StarterOr(ProcessStarter* given, std::unique_ptr<ProcessStarter>& own)
{
    if (given != nullptr) return *given;
    own = std::make_unique<QProcessStarter>();
    return *own;
}

}  // namespace

HelpStart::HelpStart(const QStringList& arguments, const QString& exeVersion, ProcessStarter* starter,
                     std::optional<LogPlaces> places, std::function<QString()> findViewer)
    : runtime_(StarterOr(starter, ownStarter_), std::move(findViewer))
{
    runtime_.LoadRuntime();
    const QString program = ProgramFile(arguments);
    const LogPlaces where = places ? *places : DefaultLogPlaces(QFileInfo(program).absolutePath());
    env_ = ComputeHelpEnvironment(program, arguments, exeVersion, where, runtime_.ViewerPath());
    // The warning box is looked up when used, so it can be connected later.
    const WarningBox box = [this](const QString& text) {
        if (warningBox_) warningBox_(text);
    };
    log_ = std::make_unique<TDLogFile>(QString(), false, true, true, env_.debugMode, env_, where, box);
    help_ = std::make_unique<HelpUtilities>(env_, *log_, runtime_, box);
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(&keyFilter_);
}

HelpStart::~HelpStart()
{
    HookFreigeben();
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(&keyFilter_);
}

void HelpStart::SetWarningBox(WarningBox box)
{
    warningBox_ = std::move(box);
}

bool HelpStart::LaufzeitBereit() const
{
    return HelpRuntimeUsable(runtime_, env_.hhVersion);
}

void HelpStart::HookAnlegen(const std::string& hilfeDatei)
{
    hook_.reset();
    hook_ = std::make_unique<THookHelpSystem>(QString::fromStdString(hilfeDatei), QString(), 0, *help_);
}

void HelpStart::HookFreigeben()
{
    if (!hook_) return;
    help_->HHCloseAll();
    hook_.reset();
}

}  // namespace lx
