// The help in the running program: the main window's creation makes the hook
// on the help file beside the program, F1 shows the focused window's context
// in the viewer, and the program's end closes the viewer it started.

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "HelpStart.h"
#include "MainUnit.h"
#include "Program.h"
#include "TempDir.h"
#include "UnitAbout.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class AufzeichnenderStarter : public ProcessStarter {
public:
    qint64 Start(const QString& program, const QStringList& arguments, int&) override
    {
        gestartet.push_back(program + u' ' + arguments.join(u' '));
        return static_cast<qint64>(gestartet.size());
    }
    void Stop(qint64 id) override { beendet.push_back(id); }

    QStringList gestartet;
    std::vector<qint64> beendet;
};

class HilfeTest : public test::GuiTest {
protected:
    // `eigeneDialoge`: the program's own message boxes instead of the fake.
    void Starten(bool mitViewer, bool eigeneDialoge = false)
    {
        ordner = test::uniqueTempDir("lx-hilfe");
        fs::create_directories(ordner);
        std::ofstream(ordner / "LxRarivizezoderizu.chm") << "x";
        LogPlaces orte;
        orte.programDir = QString::fromStdString(ordner.string());
        orte.cacheDir = orte.programDir + QStringLiteral("/cache");
        hilfe = std::make_unique<HelpStart>(
            QStringList{QStringLiteral("prog")}, QStringLiteral("1.1.1.1"), &starter, orte,
            [mitViewer] { return mitViewer ? QStringLiteral("/usr/bin/xchm") : QString(); });
        hilfe->SetWarningBox([this](const QString& t) { dialoge.Warnung(t.toStdString()); });
        fenster = startProgram(*qApp, {.dialoge = eigeneDialoge ? nullptr : &dialoge,
                                       .uhr = &uhr,
                                       .programmOrdner = orte.programDir,
                                       .hilfe = hilfe.get()});
    }
    void TearDown() override
    {
        fenster.reset();
        hilfe.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    QString Datei() const { return QString::fromStdString((ordner / "LxRarivizezoderizu.chm").string()); }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    AufzeichnenderStarter starter;
    std::unique_ptr<HelpStart> hilfe;
    std::unique_ptr<ProgramWindows> fenster;
};

TEST_F(HilfeTest, F1ShowsTheWindowsContextAndTheEndClosesTheViewer)
{
    Starten(true);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << ::testing::PrintToString(dialoge.protokoll());
    // The deductions list has its own context; the about box's buttons have
    // none, so the window's counts.
    ZeigeAktiv(fenster->form1.get());
    QWidget* liste = fenster->form1->findChild<QWidget*>(QStringLiteral("LVAbz"));
    ASSERT_NE(liste, nullptr);
    liste->setFocus();
    QTest::keyClick(liste, Qt::Key_F1);
    ZeigeAktiv(fenster->aboutBox.get());
    QWidget* ok = fenster->aboutBox->findChild<QWidget*>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_F1);
    EXPECT_EQ(starter.gestartet,
              (QStringList{"/usr/bin/xchm --contextid=2000 " + Datei(), "/usr/bin/xchm --contextid=6000 " + Datei()}));
    EXPECT_EQ(starter.beendet, std::vector<qint64>{1});
    fenster.reset();
    EXPECT_EQ(starter.beendet, (std::vector<qint64>{1, 2}));
}

TEST_F(HilfeTest, TheToolbarsHelpButtonShowsTheMainWindowsContext)
{
    // The program's own Dialoge hand the request to the hook.
    Starten(true, true);
    ZeigeAktiv(fenster->form1.get());
    auto* knopf = fenster->form1->findChild<QToolButton*>(QStringLiteral("BtnHilfe"));
    ASSERT_NE(knopf, nullptr);
    knopf->click();
    EXPECT_EQ(starter.gestartet, QStringList{"/usr/bin/xchm --contextid=1001 " + Datei()});
}

TEST_F(HilfeTest, WithoutTheViewerTheStartSaysSoAndF1Warns)
{
    Starten(false);
    EXPECT_EQ(dialoge.texte(test::Art::Fehler), std::vector<std::string>{kHilfeLaufzeitFehlt});
    ZeigeAktiv(fenster->form1.get());
    QTest::keyClick(fenster->form1.get(), Qt::Key_F1);
    EXPECT_EQ(dialoge.texte(test::Art::Warnung), std::vector<std::string>{"MS Html Help is not installed on this PC."});
    EXPECT_TRUE(starter.gestartet.isEmpty());
}

}  // namespace
}  // namespace lx
