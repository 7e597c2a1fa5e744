// The master-data pages of the options dialog and the record list of the main
// window as widgets: names, labels and presets; real key presses in
// `ComboStamm`; the save button; where the settings file lies.

#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "GuiTest.h"
#include "MainUnit.h"
#include "Program.h"
#include "StammOrte.h"
#include "TempDir.h"
#include "UnitOpt.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class StammdatenGuiTest : public test::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ordner = test::uniqueTempDir("lx-stammgui");
        fs::remove_all(ordner);
        fs::create_directories(ordner);
        std::ofstream(ordner / kHilfeDateiName) << "x";
        fenster = startProgram(
            *qApp, {.dialoge = &dialoge, .uhr = &uhr, .programmOrdner = QString::fromStdString(ordner.string())});
    }
    void TearDown() override
    {
        fenster.reset();
        fs::remove_all(ordner);
        GuiTest::TearDown();
    }
    template <class W = QWidget>
    W* opt(const char* name)
    {
        auto* w = fenster->frmOpt->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString label(const char* name)
    {
        auto* l = fenster->frmOpt->findChild<QLabel*>(QStringLiteral("Lab") + QString::fromUtf8(name));
        return l != nullptr ? l->text() : QStringLiteral("<kein Label>");
    }
    static QStringList spalten(QTreeWidget* liste)
    {
        QStringList titel;
        for (int i = 0; i < liste->columnCount(); ++i) titel.append(liste->headerItem()->text(i));
        return titel;
    }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    std::unique_ptr<ProgramWindows> fenster;
};

TEST_F(StammdatenGuiTest, ListPagesHaveTheirControlsWithLabelsAndPresets)
{
    auto* seiten = fenster->frmOpt->PageCtrl;
    for (const auto& [name, seite] : std::vector<std::pair<const char*, int>>{{"ATZComboJaNein", 6},
                                                                              {"ATZLView", 6},
                                                                              {"ATZBtnAktualis", 6},
                                                                              {"PfdLView", 7},
                                                                              {"PfdComboEntUmw", 7},
                                                                              {"JVEdiPfad", 11},
                                                                              {"AllgLiBoNameStamm", 11},
                                                                              {"AllgLiBoDatenStamm", 11}}) {
        auto* w = opt(name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(seiten->widget(seite)->isAncestorOf(w)) << name;
    }

    struct Feld {
        const char* name;
        const char* beschriftung;
        const char* vorgabe;
    };
    for (const Feld& f :
         {Feld{"ATZLxVEdiAufst", "Aufstockung:", "20"}, Feld{"ATZneuAufstRV", "Aufst. Rentenvers.:", "80"},
          Feld{"ATZmanReg", "Regelarbeitsentgelt manuell:", ""},
          Feld{"PfdVEdiUntPers", "Anzahl unterhaltsber. Personen:", "0"},
          Feld{"PfdVEdiVerbleib", "Zu verbleibendes Netto:", "0,00"},
          Feld{"JVEdiPfad", "Pfad für gespeicherte Stammdaten:", "Programmpfad"}}) {
        auto* e = opt<QLineEdit>(f.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(label(f.name), QString::fromUtf8(f.beschriftung)) << f.name;
        EXPECT_EQ(e->text(), QString::fromUtf8(f.vorgabe)) << f.name;
    }
    for (const Feld& f :
         {Feld{"ATZComboJaNein", "Altersteilzeit:", "nein"}, Feld{"PfdComboJaNein", "Pfändung rechnen:", "nein"},
          Feld{"PfdComboMethode", "Berechnungsmethode:", "Nettomethode"},
          Feld{"PfdComboEntUmw", "ZV und AV berücksichtigen:", "nein"}}) {
        auto* c = opt<QComboBox>(f.name);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(label(f.name), QString::fromUtf8(f.beschriftung)) << f.name;
        EXPECT_EQ(c->currentText(), QString::fromUtf8(f.vorgabe)) << f.name;
    }
    for (const Feld& f : {Feld{"ATZLabRegEnt", "Regelarbeitsentgelt autom.:", "0,00"},
                          Feld{"ATZLabAufst", "Aufstockungsbetrag:", "0,00"}}) {
        EXPECT_EQ(label(f.name), QString::fromUtf8(f.beschriftung)) << f.name;
        EXPECT_EQ(opt<QLabel>(f.name)->text(), QString::fromUtf8(f.vorgabe)) << f.name;
    }
    EXPECT_EQ(spalten(opt<QTreeWidget>("ATZLView")), (QStringList{"Lohnart", "Aufstockung", "Teilzeit", "Vollzeit"}));
    EXPECT_EQ(spalten(opt<QTreeWidget>("PfdLView")), (QStringList{"Lohnart", "Betrag", "pfändbar"}));
    EXPECT_EQ(opt<QPushButton>("AllgBtnPfadSpeichern")->text(), "Stammdatenpfad speichern");
    EXPECT_EQ(opt<QPushButton>("AllgBtnAktualisieren")->text(), "Stammdatenanzeige aktualisieren");
    EXPECT_EQ(opt<QPushButton>("ATZBtnAktualis")->toolTip(), "Berechnung aktualisieren");
    EXPECT_EQ(opt<QComboBox>("ATZComboJaNein")->palette().color(QPalette::Button), QColor(Qt::red));
}

TEST_F(StammdatenGuiTest, TypedRecordNameLoadsOnEnterOnlyAndOnce)
{
    ZeigeAktiv(fenster->form1.get());
    // The program's folder is the master-data folder; the record comes after the start.
    EXPECT_EQ(opt<QLineEdit>("JVEdiPfad")->text(), QString::fromStdString(ordner.string()));
    std::ofstream(ordner / "Standard.abr", std::ios::binary)
        << "[HauptForm]\r\nSteuerklasse=3\r\nGeburtsjahr=1961\r\n[OptPfd]\r\nMethode=Bruttomethode\r\n";

    auto* stamm = fenster->form1->findChild<QComboBox*>(QStringLiteral("ComboStamm"));
    ASSERT_NE(stamm, nullptr);
    stamm->setFocus();
    Tippe(stamm->lineEdit(), "Sta");
    EXPECT_EQ(fenster->zustand.haupt.text(Haupt::ComboStamm), "Sta");
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
    EXPECT_EQ(opt<QComboBox>("PfdComboMethode")->currentText(), "Nettomethode");

    Tippe(stamm->lineEdit(), "ndard\r");
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
    EXPECT_EQ(opt<QComboBox>("PfdComboMethode")->currentText(), "Bruttomethode");
    EXPECT_EQ(stamm->currentText(), "Standard");
    EXPECT_EQ(fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiStKl"))->text(), "3");
    EXPECT_EQ(fenster->form1->findChild<QLineEdit*>(QStringLiteral("LEdiGebJahr"))->text(), "1961");
    EXPECT_EQ(opt<QListWidget>("AllgLiBoDatenStamm")->count(), 5);

    // Once: neither a second ENTER nor leaving the field loads it again.
    fenster->zustand.opt.text(Opt::PfdComboMethode) = "Nettomethode";
    Tippe(stamm->lineEdit(), "\r");
    fenster->form1->findChild<QTreeWidget*>(QStringLiteral("LVAbz"))->setFocus();
    Ereignisse();
    EXPECT_EQ(fenster->zustand.opt.text(Opt::PfdComboMethode), "Nettomethode");
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(StammdatenGuiTest, SaveButtonWritesTheChosenFile)
{
    ZeigeAktiv(fenster->form1.get());
    const fs::path datei = ordner / "Max.abr";
    dialoge.dateien.push_back(datei.string());
    auto* knopf = fenster->form1->findChild<QToolButton*>(QStringLiteral("BtnStammSpeichern"));
    ASSERT_NE(knopf, nullptr);
    EXPECT_EQ(knopf->toolTip(), "Stammdaten speichern");
    knopf->click();
    EXPECT_TRUE(fs::is_regular_file(datei));
    auto* stamm = fenster->form1->findChild<QComboBox*>(QStringLiteral("ComboStamm"));
    EXPECT_EQ(stamm->currentText(), "Max");
    EXPECT_EQ(stamm->count(), 1);
    EXPECT_EQ(opt<QListWidget>("AllgLiBoNameStamm")->count(), 1);
    EXPECT_TRUE(fehlerTexte.isEmpty()) << fehlerTexte.join(u'\n').toStdString();
}

TEST(StammOrteTest, BesideTheProgramElseTheUsersFolders)
{
    QStandardPaths::setTestModeEnabled(true);
    const fs::path wurzel = test::uniqueTempDir("lx-stammorte");
    fs::create_directories(wurzel / "Programm Ł");
    std::ofstream(wurzel / "Datei") << "x";

    const QString programm = QString::fromStdString((wurzel / "Programm Ł").string());
    StammOrte beim = waehleStammOrte(programm);
    EXPECT_EQ(beim.einstellungsDatei, (wurzel / "Programm Ł" / "Stammpfad.ini").string());
    EXPECT_EQ(beim.stammOrdner, (wurzel / "Programm Ł").string());
    EXPECT_EQ(QDir(programm).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());

    // Beneath a regular file nothing can be created.
    StammOrte aus = waehleStammOrte(QString::fromStdString((wurzel / "Datei" / "Programm").string()));
    EXPECT_EQ(
        aus.einstellungsDatei,
        (fs::path(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString()) / "Stammpfad.ini")
            .string());
    EXPECT_EQ(aus.stammOrdner, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    EXPECT_TRUE(fs::is_directory(aus.stammOrdner));
    fs::remove_all(wurzel);
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
}  // namespace lx
