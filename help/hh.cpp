#include "hh.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>

#include "DLogFile.h"

namespace lx {

QProcessStarter::QProcessStarter() = default;

QProcessStarter::~QProcessStarter()
{
    while (!running_.empty()) Stop(running_.begin()->first);
}

qint64 QProcessStarter::Start(const QString& program, const QStringList& arguments, int& error)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted()) {
        const QFileInfo info(program);
        error = !info.exists() ? ENOENT : (!info.isExecutable() ? EACCES : 0);
        return 0;
    }
    const qint64 id = ++next_;
    running_.emplace(id, std::move(process));
    return id;
}

void QProcessStarter::Stop(qint64 id)
{
    const auto it = running_.find(id);
    if (it == running_.end()) return;
    QProcess& p = *it->second;
    if (p.state() != QProcess::NotRunning) {
        p.terminate();
        if (!p.waitForFinished(1000)) {
            p.kill();
            p.waitForFinished(1000);
        }
    }
    running_.erase(it);
}

QString FindHelpViewer()
{
    return QStandardPaths::findExecutable(QStringLiteral("xchm"));
}

HHRuntime::HHRuntime(ProcessStarter& starter, std::function<QString()> findViewer)
    : starter_(starter), findViewer_(std::move(findViewer))
{
}

HHRuntime::~HHRuntime()
{
    UnloadRuntime();
}

bool HHRuntime::LoadRuntime()
{
    if (IsLoaded()) return true;
    if (findViewer_) viewer_ = findViewer_();
    return IsLoaded();
}

void HHRuntime::UnloadRuntime()
{
    if (shown_ != 0) starter_.Stop(shown_);
    shown_ = 0;
    viewer_.clear();
}

bool HHRuntime::HtmlHelp(quint32 command, const QString& path, qint64 data)
{
    lastError_.clear();
    if (!IsLoaded()) return false;
    if (command == HH_CLOSE_ALL) {
        if (shown_ != 0) starter_.Stop(shown_);
        shown_ = 0;
        return true;
    }
    if (command != HH_HELP_CONTEXT) return false;
    if (shown_ != 0) starter_.Stop(shown_);
    shown_ = 0;
    const QStringList arguments{QStringLiteral("--contextid=%1").arg(data), path};
    int error = 0;
    shown_ = starter_.Start(viewer_, arguments, error);
    if (shown_ == 0) {
        lastError_ = FillPattern("Function Start(%1, %2)\rReturned: %3", arguments.join(QStringLiteral(" ")), viewer_,
                                 SystemErrorText(error));
    }
    return shown_ != 0;
}

}  // namespace lx
