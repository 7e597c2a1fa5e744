#pragma once
// A process starter that only records, and a help set-up around it.

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>
#include <vector>

#include "DLogFile.h"
#include "HelpFacts.h"
#include "hh.h"
#include "hh_funcs.h"

// gtest shows QStrings as text.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lxtest {

class RecordingStarter final : public lx::ProcessStarter {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };
    qint64 Start(const QString& program, const QStringList& arguments, int& error) override
    {
        starts.push_back({program, arguments});
        if (failWith != 0) {
            error = failWith;
            return 0;
        }
        return ++lastId;
    }
    void Stop(qint64 id) override { stops.push_back(id); }

    std::vector<Started> starts;
    std::vector<qint64> stops;
    qint64 lastId = 0;
    int failWith = 0;
};

// The help units as the program sets them up, with a temporary program folder
// and cache folder, the recording starter and a recorded warning box.
struct HelpRig {
    explicit HelpRig(const QStringList& arguments = {QStringLiteral("prog")}, bool withViewer = true,
                     bool programDirWritable = true)
        : runtime(starter, [withViewer] { return withViewer ? QStringLiteral("/usr/bin/xchm") : QString(); })
    {
        places.programDir = programDir.path();
        places.cacheDir = cacheDir.path() + QStringLiteral("/cache/lx");
        // Tests run as root: an unwritable program folder is one the probe refuses.
        places.writable = [programDirWritable, prog = places.programDir](const QString& dir) {
            return (programDirWritable || dir != prog) && lx::ProbeWritable(dir);
        };
        runtime.LoadRuntime();
        env = lx::ComputeHelpEnvironment(programDir.filePath(QStringLiteral("RiVodozazavudidavaz")), arguments,
                                         QStringLiteral("1.1.1.1"), places, runtime.ViewerPath());
        log = std::make_unique<lx::TDLogFile>(QString(), false, true, true, env.debugMode, env, places);
        help = std::make_unique<lx::HelpUtilities>(env, *log, runtime,
                                                   [this](const QString& text) { warnings.push_back(text); });
    }

    QTemporaryDir programDir{QDir::tempPath() + QStringLiteral("/prog-XXXXXX")};
    QTemporaryDir cacheDir;
    lx::LogPlaces places;
    RecordingStarter starter;
    lx::HHRuntime runtime;
    lx::HelpEnvironment env;
    std::unique_ptr<lx::TDLogFile> log;
    std::unique_ptr<lx::HelpUtilities> help;
    QStringList warnings;
};

QStringList ReadLines(const QString& path);

}  // namespace lxtest
