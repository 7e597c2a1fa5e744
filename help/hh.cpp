#include "hh.h"

#include <locale.h>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>

#include "DLogFile.h"

namespace lx {

namespace {

// The categories a locale name can be set for one by one.
constexpr const char* kLocaleCategories[] = {"LC_CTYPE",    "LC_NUMERIC",   "LC_TIME",        "LC_COLLATE",
                                             "LC_MONETARY", "LC_MESSAGES",  "LC_PAPER",       "LC_NAME",
                                             "LC_ADDRESS",  "LC_TELEPHONE", "LC_MEASUREMENT", "LC_IDENTIFICATION"};

}  // namespace

bool LocaleInstalled(const QString& name)
{
    const QByteArray n = name.toLocal8Bit();
    locale_t l = newlocale(LC_ALL_MASK, n.constData(), locale_t{});
    if (l == locale_t{}) return false;
    freelocale(l);
    return true;
}

QProcessEnvironment WithUsableLocale(QProcessEnvironment env, const std::function<bool(const QString&)>& installed)
{
    const QString fallback = installed(QStringLiteral("C.UTF-8")) ? QStringLiteral("C.UTF-8") : QStringLiteral("C");
    const auto usable = [&](const QString& var) {
        const QString name = env.value(var);
        return !name.isEmpty() && installed(name);
    };
    // LC_ALL overrides everything else.
    if (!env.value(QStringLiteral("LC_ALL")).isEmpty()) {
        if (!usable(QStringLiteral("LC_ALL"))) env.insert(QStringLiteral("LC_ALL"), fallback);
        return env;
    }
    env.remove(QStringLiteral("LC_ALL"));
    for (const char* category : kLocaleCategories) {
        const QString var = QString::fromLatin1(category);
        if (env.contains(var) && !usable(var)) env.remove(var);
    }
    if (!usable(QStringLiteral("LANG"))) env.insert(QStringLiteral("LANG"), fallback);
    return env;
}

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
    process->setProcessEnvironment(WithUsableLocale(QProcessEnvironment::systemEnvironment()));
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
