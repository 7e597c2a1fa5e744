#include "Abrechnungsfenster.h"

#include <filesystem>

#include "AbrDatei.h"
#include "IniDocument.h"
#include "ProgrammZustand.h"
#include "gemeinsam/Version.h"
#include "optionen/Teilmonat.h"

namespace lx {

namespace {

using enum Abr;

constexpr int kHilfeAbrechnung = 5000;

void zeigen(ProgrammZustand& p, AbrAnsicht ansicht)
{
    AbrTexte t = AbrTexteLesen(p.abr);
    AnsichtZeigen(t, ansicht);
    AbrTexteSchreiben(p.abr, t);
}

DateiAuswahl textDatei(std::string titel, std::string ordner)
{
    return {.titel = std::move(titel),
            .ordner = std::move(ordner),
            .filter = "Textdateien|*.txt|Alle Dateien|*.*",
            .endung = "txt"};
}

}  // namespace

AbrTexte AbrTexteLesen(const AbrZustand& abr)
{
    AbrTexte t;
    t.memo = MemoZeilen(abr.text(MemoAbr));
    t.printAbr = abr[LiBoPrintAbr].items;
    t.pfd = abr[LiBoPfd].items;
    t.atz = abr[LiBoATZ].items;
    if (abr[BtnPfd].tag == 1)
        t.ansicht = AbrAnsicht::Pfaendung;
    else if (abr[BtnATZ].tag == 1)
        t.ansicht = AbrAnsicht::Altersteilzeit;
    return t;
}

void AbrTexteSchreiben(AbrZustand& abr, const AbrTexte& t)
{
    abr.text(MemoAbr) = MemoText(t.memo);
    abr[LiBoPrintAbr].items = t.printAbr;
    abr[LiBoPfd].items = t.pfd;
    abr[LiBoATZ].items = t.atz;
    abr[BtnAbr].tag = AnsichtTag(t, AbrAnsicht::Abrechnung);
    abr[BtnPfd].tag = AnsichtTag(t, AbrAnsicht::Pfaendung);
    abr[BtnATZ].tag = AnsichtTag(t, AbrAnsicht::Altersteilzeit);
}

void BtnAbrClick(ProgrammZustand& p)
{
    zeigen(p, AbrAnsicht::Abrechnung);
}
void BtnPfdClick(ProgrammZustand& p)
{
    zeigen(p, AbrAnsicht::Pfaendung);
}
void BtnATZClick(ProgrammZustand& p)
{
    zeigen(p, AbrAnsicht::Altersteilzeit);
}

void AbrechnungZeigen(ProgrammZustand& p, std::vector<std::string> zeilen)
{
    AbrTexte t = AbrTexteLesen(p.abr);
    lx::AbrechnungZeigen(t, std::move(zeilen));
    AbrTexteSchreiben(p.abr, t);
}

void AbrechnungLeeren(ProgrammZustand& p)
{
    AbrechnungZeigen(p, MemoZeilen(p.abr.element(MemoAbr).preset));
    for (Abr knopf : {BtnAbr, BtnPfd, BtnATZ}) p.abr[knopf].visible = false;
    p.abr[LiBoPfd].items.clear();
    p.abr[LiBoATZ].items.clear();
}

void AbrGrundstellung(ProgrammZustand& p)
{
    for (Abr knopf : {BtnAbr, BtnPfd, BtnATZ}) p.abr[knopf].visible = false;
    p.abr.text(LEdiDruckName).clear();
}

void DruckerListeFuellen(ProgrammZustand& p, const DruckerKatalog& katalog)
{
    DruckerAuswahl a = DruckerListe(katalog);
    p.abr[ComboDrucker].items = std::move(a.eintraege);
    p.abr[ComboDrucker].selected = a.gewaehlt;
    p.abr.text(ComboDrucker) = std::move(a.text);
}

std::vector<std::string> AbrGezeigteZeilen(const ProgrammZustand& p)
{
    return MemoZeilen(p.abr.text(MemoAbr));
}

void ActDrucken(ProgrammZustand& p)
{
    const std::vector<std::string> zeilen = AbrGezeigteZeilen(p);
    if (zeilen.size() <= 5) return;
    const std::string drucker = p.abr.text(ComboDrucker);
    if (drucker == kKeinDrucker || p.druckGeraet == nullptr) {
        p.dialoge.Fehler("Es ist kein Drucker installiert.");
        return;
    }
    DruckZiel ziel{.drucker = drucker, .pdfDatei = std::nullopt};
    if (drucker == kPdfDatei) {
        ziel.pdfDatei = p.dialoge.DateiSpeichern(
            {.titel = "Abrechnung als PDF-Datei drucken", .filter = "PDF-Dateien|*.pdf", .endung = "pdf"});
        if (!ziel.pdfDatei) return;
    }
    const Datum heute = p.uhr.heute();
    DruckAngaben angaben{.pfdMethode = p.opt.text(Opt::PfdComboMethode),
                         .druckName = p.abr.text(LEdiDruckName),
                         .monat = p.haupt.text(Haupt::ComboMonat),
                         .jahr = p.haupt.text(Haupt::ComboJahr),
                         .datum = TeilmonatDatum(heute.tag, heute.monat, heute.jahr),
                         .programm = kAppTitle,
                         .version = kVersion};
    if (auto fehler = p.druckGeraet->drucken(DruckAuftragErstellen(zeilen, angaben), ziel)) p.dialoge.Fehler(*fehler);
}

void ActAbrSave(ProgrammZustand& p)
{
    auto datei = p.dialoge.DateiSpeichern(textDatei("Abrechnung speichern", p.speicherOrdner));
    if (!datei) return;
    const std::filesystem::path pfad = pathFromUtf8(*datei);
    p.speicherOrdner = pathText(pfad.parent_path());
    try {
        AbrSpeichern(pfad, AbrGezeigteZeilen(p));
    } catch (const AbrDateiFehler& e) {
        p.dialoge.Fehler(e.what());
    }
}

void AbrOeffnenClick(ProgrammZustand& p)
{
    auto datei = p.dialoge.DateiOeffnen(textDatei("Abrechnung öffnen", ""));
    if (!datei) return;
    try {
        p.abr.text(MemoAbr) = MemoText(AbrOeffnen(pathFromUtf8(*datei)));
    } catch (const AbrDateiFehler& e) {
        p.dialoge.Fehler(e.what());
    }
}

void AbrSchliessenClick(ProgrammZustand& p)
{
    p.dialoge.Verbergen(Fenster::Abrechnung);
}

void AbrHilfeClick(ProgrammZustand& p)
{
    p.dialoge.Hilfe(kHilfeAbrechnung);
}

}  // namespace lx
