#pragma once
// The help runtime: here the viewer program xchm, found on the PATH. Showing a
// context starts it with the context id and the help file; like the help
// runtime it keeps one help window, so a new request first ends the viewer
// started before, and closing all ends only the viewers we started.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>
#include <map>
#include <memory>

class QProcess;

namespace lx {

// Starts and ends programs without a shell: each argument stays one argument.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Returns an id above 0, or 0 with `error` set to an errno value.
    virtual qint64 Start(const QString& program, const QStringList& arguments, int& error) = 0;
    virtual void Stop(qint64 id) = 0;
};

// Whether the system has the locale `name` ("de_DE.UTF-8", "C.UTF-8").
bool LocaleInstalled(const QString& name);

// The environment `env` with a locale the system has: the viewer complains in
// a box before its page when it finds none set, or one that is not installed.
// A set locale that is installed stays; LANG falls back to "C.UTF-8".
QProcessEnvironment WithUsableLocale(QProcessEnvironment env,
                                     const std::function<bool(const QString&)>& installed = LocaleInstalled);

// The real one, over QProcess. What it starts gets the program's environment
// WithUsableLocale.
class QProcessStarter final : public ProcessStarter {
public:
    QProcessStarter();
    ~QProcessStarter() override;
    qint64 Start(const QString& program, const QStringList& arguments, int& error) override;
    void Stop(qint64 id) override;

private:
    qint64 next_ = 0;
    std::map<qint64, std::unique_ptr<QProcess>> running_;
};

// The help entry's commands.
inline constexpr quint32 HH_HELP_CONTEXT = 15;
inline constexpr quint32 HH_CLOSE_ALL = 18;

// "xchm" on the PATH, empty when it is not installed.
QString FindHelpViewer();

class HHRuntime {
public:
    explicit HHRuntime(ProcessStarter& starter, std::function<QString()> findViewer = FindHelpViewer);
    ~HHRuntime();
    HHRuntime(const HHRuntime&) = delete;
    HHRuntime& operator=(const HHRuntime&) = delete;

    // Looks for the viewer; nothing when already loaded.
    bool LoadRuntime();
    void UnloadRuntime();
    bool IsLoaded() const { return !viewer_.isEmpty(); }
    const QString& ViewerPath() const { return viewer_; }

    // HH_HELP_CONTEXT: shows context `data` of the help file `path`; true when
    // the viewer came up, else LastError() tells why. HH_CLOSE_ALL: ends our
    // viewer. Other commands do nothing.
    bool HtmlHelp(quint32 command, const QString& path, qint64 data);
    const QString& LastError() const { return lastError_; }

private:
    ProcessStarter& starter_;
    std::function<QString()> findViewer_;
    QString viewer_;
    qint64 shown_ = 0;
    QString lastError_;
};

}  // namespace lx
