#include <gtest/gtest.h>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "TempDir.h"
#include "abrechnung/Abrechnungsfenster.h"
#include "hauptfenster/Hauptfenster.h"
#include "stammdaten/Stammdaten.h"

namespace lx {
namespace {

using test::Art;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kDaten = std::filesystem::path(LX_TEST_DATA_DIR) / "abrechnung";

struct Aufzeichnung : DruckGeraet {
    std::vector<std::vector<DruckZeile>> auftraege;
    std::vector<DruckZiel> ziele;
    std::optional<std::string> antwort;
    std::optional<std::string> drucken(const std::vector<DruckZeile>& auftrag, const DruckZiel& ziel) override
    {
        auftraege.push_back(auftrag);
        ziele.push_back(ziel);
        return antwort;
    }
};

struct FakeKatalog : DruckerKatalog {
    std::vector<std::string> namen;
    std::string standard;
    std::vector<std::string> drucker() const override { return namen; }
    std::string standardDrucker() const override { return standard; }
};

std::vector<std::string> abrechnung(int zeilen)
{
    std::vector<std::string> z = {"Zudezivudirodeded" + std::string(67, ' ') + "Januar 2024"};
    for (int i = 1; i < zeilen; ++i) z.push_back("Zeile " + std::to_string(i));
    return z;
}

class Abrechnungsfenster : public testing::Test {
protected:
    Abrechnungsfenster()
    {
        p.haupt.text(Haupt::ComboMonat) = "März";
        p.haupt.text(Haupt::ComboJahr) = "2024";
        FakeKatalog k;
        k.namen = {"Büro", "Keller"};
        k.standard = "Keller";
        DruckerListeFuellen(p, k);
        p.druckGeraet = &geraet;
    }

    test::FakeDialoge d;
    test::FesteUhr uhr{2026, 12, 9};
    ProgrammZustand p{d, uhr};
    Aufzeichnung geraet;
};

TEST_F(Abrechnungsfenster, ViewButtonsShowTheirTextsAndMarkTheView)
{
    p.abr[Abr::LiBoPfd].items = {"Pfändungsberechnung (Nettomethode) ", "pfändbar"};
    p.abr[Abr::LiBoATZ].items = {"Altersteilzeitberechnung ", "Aufstockung"};
    AbrechnungZeigen(p, abrechnung(3));
    BtnPfdClick(p);
    EXPECT_EQ(p.abr.text(Abr::MemoAbr), "Pfändungsberechnung (Nettomethode) \npfändbar");
    BtnATZClick(p);
    EXPECT_EQ(p.abr.text(Abr::MemoAbr), "Altersteilzeitberechnung \nAufstockung");
    EXPECT_EQ((std::vector<int>{p.abr[Abr::BtnAbr].tag, p.abr[Abr::BtnPfd].tag, p.abr[Abr::BtnATZ].tag}),
              (std::vector<int>{0, 0, 1}));
    AbrechnungZeigen(p, abrechnung(4));
    EXPECT_EQ(AbrGezeigteZeilen(p), abrechnung(4));
    EXPECT_EQ(p.abr[Abr::BtnAbr].tag, 1);
    EXPECT_EQ(p.abr[Abr::BtnATZ].tag, 0);
    EXPECT_TRUE(p.abr[Abr::LiBoPrintAbr].items.empty());
    BtnPfdClick(p);
    BtnAbrClick(p);
    EXPECT_EQ(AbrGezeigteZeilen(p), abrechnung(4));
}

TEST_F(Abrechnungsfenster, PrinterListAndNewPayslip)
{
    EXPECT_EQ(p.abr[Abr::ComboDrucker].items, (std::vector<std::string>{"Büro", "Keller", "PDF-Datei"}));
    EXPECT_EQ(p.abr.text(Abr::ComboDrucker), "Keller");
    for (Abr k : {Abr::BtnAbr, Abr::BtnPfd, Abr::BtnATZ}) p.abr[k].visible = true;
    p.abr.text(Abr::LEdiDruckName) = "Erika";
    BtnNeuClick(p);
    for (Abr k : {Abr::BtnAbr, Abr::BtnPfd, Abr::BtnATZ}) EXPECT_FALSE(p.abr[k].visible) << p.abr.name(k);
    EXPECT_EQ(p.abr.text(Abr::LEdiDruckName), "");
    AbrSchliessenClick(p);
    AbrHilfeClick(p);
    EXPECT_EQ(d.protokoll(), (std::vector<std::string>{"Verbergen: Abrechnung", "Hilfe: 5000"}));
}

TEST_F(Abrechnungsfenster, PrintsTheViewShownOnTheChosenPrinter)
{
    AbrechnungZeigen(p, abrechnung(5));
    ActDrucken(p);
    EXPECT_TRUE(geraet.auftraege.empty());

    AbrechnungZeigen(p, abrechnung(6));
    p.abr.text(Abr::LEdiDruckName) = "Erika Muster";
    ActDrucken(p);
    ASSERT_EQ(geraet.auftraege.size(), 1u);
    EXPECT_EQ(geraet.ziele[0].drucker, "Keller");
    EXPECT_FALSE(geraet.ziele[0].pdfDatei);
    const auto& job = geraet.auftraege[0];
    ASSERT_EQ(job.size(), 12u);
    EXPECT_EQ(job[4].text, "      Zudezivudirodeded Erika Muster März 2024");
    EXPECT_EQ(job.back().text, "        Erstellt am 09.12.2026 mit Programm RiVodozazavudidavaz 1.1.1.1");

    // the garnishment view prints the report under the options' method
    p.abr[Abr::LiBoPfd].items = {"Pfändungsberechnung (Bruttomethode)", "a", "b", "c", "d", "e"};
    p.opt.text(Opt::PfdComboMethode) = "Nettomethode";
    p.abr.text(Abr::ComboDrucker) = "Büro";
    BtnPfdClick(p);
    ActDrucken(p);
    ASSERT_EQ(geraet.auftraege.size(), 2u);
    EXPECT_EQ(geraet.ziele[1].drucker, "Büro");
    EXPECT_EQ(geraet.auftraege[1][4].text, "      Pfändungsberechnung (Nettomethode) Erika Muster März 2024");
    EXPECT_EQ(geraet.auftraege[1][5].text, "       a");
    EXPECT_TRUE(d.aufrufe.empty());
}

TEST_F(Abrechnungsfenster, PrintingRefusals)
{
    AbrechnungZeigen(p, abrechnung(10));
    p.abr.text(Abr::ComboDrucker) = "kein Drucker installiert";
    ActDrucken(p);
    geraet.antwort = "Der Drucker Keller kann nicht geöffnet werden.";
    p.abr.text(Abr::ComboDrucker) = "Keller";
    ActDrucken(p);
    EXPECT_EQ(d.texte(Art::Fehler), (std::vector<std::string>{"Es ist kein Drucker installiert.",
                                                              "Der Drucker Keller kann nicht geöffnet werden."}));
    EXPECT_EQ(geraet.auftraege.size(), 1u);
}

TEST_F(Abrechnungsfenster, PrintsIntoAPdfFileAskedFor)
{
    AbrechnungZeigen(p, abrechnung(8));
    p.abr.text(Abr::ComboDrucker) = "PDF-Datei";
    d.dateien = {std::nullopt, "/tmp/x.pdf"};
    ActDrucken(p);
    EXPECT_TRUE(geraet.auftraege.empty());
    ActDrucken(p);
    ASSERT_EQ(geraet.ziele.size(), 1u);
    EXPECT_EQ(geraet.ziele[0].pdfDatei, "/tmp/x.pdf");
    ASSERT_EQ(d.aufrufe.size(), 2u);
    const DateiAuswahl& a = d.aufrufe[0].auswahl;
    EXPECT_EQ(d.aufrufe[0].art, Art::DateiSpeichern);
    EXPECT_EQ(a.titel, "Abrechnung als PDF-Datei drucken");
    EXPECT_EQ(a.endung, "pdf");
    EXPECT_EQ(a.filter, "PDF-Dateien|*.pdf");
}

TEST_F(Abrechnungsfenster, SavesTheViewShownAndOpensItBack)
{
    TempDir dir;
    const std::vector<std::string> umlaute = {
        "Zudezivudirodeded                                                                Januar 2024",
        "_____",
        "",
        "Gehalt für März nach § 3   ",
        "Zuschläge € 1.234,56",
        "  ",
    };
    p.abr[Abr::LiBoPfd].items = umlaute;
    AbrechnungZeigen(p, abrechnung(7));
    BtnPfdClick(p);
    d.dateien = {std::nullopt, (dir / "abrechnung.txt").string(), (dir / "zweite.txt").string()};
    ActAbrSave(p);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{});
    ActAbrSave(p);
    EXPECT_EQ(readBytes(dir / "abrechnung.txt"), readBytes(kDaten / "umlaute-crlf.txt"));
    ActAbrSave(p);
    ASSERT_EQ(d.aufrufe.size(), 3u);
    const DateiAuswahl& a = d.aufrufe[0].auswahl;
    EXPECT_EQ(a.titel, "Abrechnung speichern");
    EXPECT_EQ(a.endung, "txt");
    EXPECT_EQ(a.filter, "Textdateien|*.txt|Alle Dateien|*.*");
    // the next question starts where the last one saved
    EXPECT_EQ(d.aufrufe[2].auswahl.ordner, dir.path().string());

    BtnAbrClick(p);
    d.dateien = {std::nullopt, (kDaten / "umlaute-crlf.txt").string()};
    AbrOeffnenClick(p);
    EXPECT_EQ(AbrGezeigteZeilen(p), abrechnung(7));
    AbrOeffnenClick(p);
    EXPECT_EQ(AbrGezeigteZeilen(p), umlaute);
    EXPECT_EQ(d.aufrufe[3].auswahl.titel, "Abrechnung öffnen");
    EXPECT_EQ(d.aufrufe[3].auswahl.endung, "txt");
    EXPECT_EQ(d.aufrufe[3].auswahl.filter, "Textdateien|*.txt|Alle Dateien|*.*");
    EXPECT_TRUE(d.texte(Art::Fehler).empty());
}

TEST_F(Abrechnungsfenster, RecordSaveAndPayslipSaveShareTheStartFolder)
{
    TempDir stamm;
    TempDir anderswo;
    p.opt.text(Opt::JVEdiPfad) = stamm.path().string();
    AbrechnungZeigen(p, abrechnung(7));
    d.dateien = {std::nullopt, std::nullopt, (anderswo / "x.abr").string(), std::nullopt};
    ActStammSaveExecute(p);
    ActAbrSave(p);
    ActStammSaveExecute(p);
    ActAbrSave(p);
    ASSERT_EQ(d.aufrufe.size(), 4u);
    EXPECT_EQ(d.aufrufe[1].auswahl.ordner, stamm.path().string());
    EXPECT_EQ(d.aufrufe[3].auswahl.ordner, anderswo.path().string());
}

TEST_F(Abrechnungsfenster, FailedSaveAndOpenSayWhy)
{
    TempDir dir;
    writeBytes(dir / "datei", "x");
    writeBytes(dir / "gross.txt", std::string(2 * 1024 * 1024, 'a'));
    AbrechnungZeigen(p, abrechnung(7));
    const auto ziel = dir / "datei" / "a.txt";
    writeBytes(dir / "binaer.txt", std::string("Lohn\0\0\x01", 7));
    d.dateien = {ziel.string(), (dir / "gross.txt").string(), (dir / "binaer.txt").string()};
    ActAbrSave(p);
    AbrOeffnenClick(p);
    AbrOeffnenClick(p);
    EXPECT_EQ(
        d.texte(Art::Fehler),
        (std::vector<std::string>{
            "Die Datei " + ziel.string() + " kann nicht gespeichert werden (ein Teil des Pfades ist kein Ordner).",
            "Die Datei " + (dir / "gross.txt").string() + " ist größer als 1 MB und wird nicht geöffnet.",
            "Die Datei " + (dir / "binaer.txt").string() +
                " ist keine Abrechnung als Textdatei und wird nicht geöffnet."}));
    EXPECT_EQ(AbrGezeigteZeilen(p), abrechnung(7));
    EXPECT_EQ(readBytes(dir / "datei"), "x");
}

}  // namespace
}  // namespace lx
