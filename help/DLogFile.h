#pragma once
// The help units' diagnostic log "HHDebug.txt": what the help integration
// found at start and every help request it handled, written only in debug
// mode. The file is opened, appended, flushed and closed for every line, so a
// crash loses nothing; a file that cannot be opened is skipped silently.

#include <QString>
#include <functional>
#include <type_traits>

#include "HelpFacts.h"

namespace lx {

// The warning box (caption: the application's title); the program passes the
// one of its `Dialoge`.
using WarningBox = std::function<void(const QString& text)>;

// "[Error:<n>] " and the text of the system error `err` (an errno value).
QString SystemErrorText(int err);

// Fills a constant pattern's %1, %2, ... in one pass, so a "%1" or "%s"
// inside an argument stays as it is.
inline QString LogArg(const QString& s)
{
    return s;
}
inline QString LogArg(const char* s)
{
    return QString::fromUtf8(s);
}
template <typename N, typename = std::enable_if_t<std::is_integral_v<N>>>
QString LogArg(N n)
{
    return QString::number(n);
}
template <typename... Args>
QString FillPattern(const char* pattern, const Args&... args)
{
    if constexpr (sizeof...(Args) == 0) {
        return QString::fromUtf8(pattern);
    } else {
        return QString::fromUtf8(pattern).arg(LogArg(args)...);
    }
}

class TDLogFile {
public:
    // An empty `fileName` means "HHDebug.txt" in the log folder; a name whose
    // folder cannot be written goes into the cache folder under its own name.
    // Unless `appendMode`, an old file is removed (in any mode); in debug mode
    // with `headerDump` the header of `env` follows.
    TDLogFile(const QString& fileName, bool appendMode, bool headerDump, bool timeStamp, bool debugMode,
              const HelpEnvironment& env, const LogPlaces& places, WarningBox warningBox = {});

    const QString& FileName() const { return FFilename; }
    bool DebugMode() const { return FDebugMode; }

    // One line: "-" and "=" make rules of 79 characters; a text starting with
    // "!", "-" or "=" loses that character and gets no time stamp.
    void WriteLine(const QString& text);
    template <typename... Args>
    void WriteLine(const char* pattern, const Args&... args)
    {
        WriteLine(FillPattern(pattern, args...));
    }

    // Only in debug mode.
    void DebugWrite(const QString& text);
    template <typename... Args>
    void DebugWrite(const char* pattern, const Args&... args)
    {
        if (FDebugMode) WriteLine(FillPattern(pattern, args...));
    }

    // Shows the text in the warning box and, in debug mode, logs it.
    void ErrorReport(const QString& text);

private:
    void WriteHeader(const HelpEnvironment& env);

    QString FFilename;
    bool FDebugMode = false;
    bool FTimeStamp = true;
    bool FHeaderDump = true;
    bool FAppendMode = false;
    WarningBox FWarningBox;
};

}  // namespace lx
