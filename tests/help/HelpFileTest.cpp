#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>

#include "HelpFakes.h"
#include "abrechnung/AbrZustand.h"
#include "erfassung/ErfassZustand.h"
#include "hauptfenster/HauptZustand.h"
#include "optionen/OptionenZustand.h"

namespace {

// Every help context the windows use.
std::set<int> ExpectedContexts()
{
    std::set<int> c{1001, 4000, 4005, 4007, 4008, 4013, 6000};
    for (int i = 2000; i <= 2006; ++i) c.insert(i);
    for (int i = 3000; i <= 3012; ++i) c.insert(i);
    for (int i = 5000; i <= 5015; ++i) c.insert(i);
    return c;
}

QString Chmls(const QStringList& arguments, const QString& dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(QStringLiteral("chmls"), arguments);
    EXPECT_TRUE(p.waitForFinished(20000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(HelpFile, EveryContextHasAPageInTheFile)
{
    const QString built = QStringLiteral(LX_HELP_FILE);
    if (built.isEmpty()) GTEST_SKIP() << "chmcmd was not found: the help file is not built";
    ASSERT_TRUE(QFileInfo::exists(built)) << built.toStdString();
    QTemporaryDir dir;
    const QString chm = dir.filePath(QStringLiteral("LxRarivizezoderizu.chm"));
    ASSERT_TRUE(QFile::copy(built, chm));
    Chmls({QStringLiteral("extractalias"), chm}, dir.path());
    const QStringList ali = lxtest::ReadLines(dir.filePath(QStringLiteral("LxRarivizezoderizu.ali")));
    const QString listing = Chmls({QStringLiteral("-n"), QStringLiteral("list"), chm}, dir.path());

    std::set<int> found;
    const QRegularExpression line(QStringLiteral("^helpid(\\d+)=(.*)$"));
    for (const QString& l : ali) {
        const QRegularExpressionMatch m = line.match(l.trimmed());
        ASSERT_TRUE(m.hasMatch()) << l.toStdString();
        found.insert(m.captured(1).toInt());
        const QString page = QStringLiteral("/") + QFileInfo(m.captured(2)).fileName();
        EXPECT_TRUE(listing.contains(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(page) + "$",
                                                        QRegularExpression::MultilineOption)))
            << m.captured(1).toStdString() << " -> " << page.toStdString();
    }
    for (int c : ExpectedContexts()) EXPECT_TRUE(found.count(c) == 1) << "context " << c << " has no page";
    // Whatever the windows' control tables name is in the file too.
    const auto tabelle = [&found](auto eintraege) {
        for (const auto& e : eintraege) {
            if (e.e.help != 0) {
                EXPECT_TRUE(found.count(e.e.help) == 1) << e.e.name << ": " << e.e.help;
            }
        }
    };
    tabelle(lx::hauptTabelle());
    tabelle(lx::erfassTabelle());
    tabelle(lx::optionenTabelle());
    tabelle(lx::abrTabelle());
}

}  // namespace
