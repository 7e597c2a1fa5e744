#include "HauptLayout.h"

#include "abrechnung/Abrechnungsfenster.h"
#include "berechnung/Berechnungslauf.h"
#include "hauptfenster/Hauptfenster.h"
#include "stammdaten/Stammdaten.h"

namespace lx {

namespace {

using enum Haupt;

// The two recalculate buttons, of which at most one shows, share one row
// under the gross and net fields, right-aligned so that they widen no column.
// The row keeps its height while both are hidden: the fields and the
// deductions list stay where they are in either mode.
constexpr HauptPlatz neuBerechnen(Haupt id, HauptHandler klick)
{
    return {.id = id,
            .gruppe = HauptGruppe::PnlBrutto,
            .stelle = Stelle::Zelle,
            .reihe = 2,
            .spalte = 0,
            .spannweite = 3,
            .ausrichtung = Qt::AlignRight,
            .haeltPlatz = true,
            .beiAenderung = klick};
}

}  // namespace

std::span<const HauptWerkzeug> hauptWerkzeuge()
{
    static const HauptWerkzeug werkzeuge[] = {
        {BtnNeu, "neu", BtnNeuClick},
        {BtnBrErfass, "erfassen", BtnBrErfassClick},
        {BtnBerechnen, "berechnen", [](ProgrammZustand& p) { BtnBruttoNeuClick(p, BtnBerechnen); }},
        {BtnDetailberechnung, "detail", BtnDetailberechnungClick},
        {BtnDrucken, "drucken", ActDrucken},
        {BtnSpeichern, "speichern", ActAbrSave},
        {BtnOptionen, "optionen", [](ProgrammZustand& p) { BtnOptionenClick(p); }},
        {BtnStammSpeichern, "stammdaten", ActStammSaveExecute},
        {BtnHilfe, "hilfe", BtnHilfeClick},
        {BtnProgInto, "info", BtnProgIntoClick},
        {BtnSchliessen, "beenden", BtnSchliessenClick},
    };
    return werkzeuge;
}

std::span<const HauptGruppenPlatz> hauptGruppen()
{
    using enum HauptGruppe;
    static const HauptGruppenPlatz gruppen[] = {
        {.id = PnlJahrMonat, .name = "PnlJahrMonat", .hilfe = 2000},
        {.id = PnlSteuer, .name = "PnlSteuer", .hilfe = 2002},
        {.id = PnlSozVers, .name = "PnlSozVers", .hilfe = 3002},
        {.id = PnlZV, .name = "PnlZV", .hilfe = 2005},
        // Narrow gaps: the fields take the widest amount and the window
        // still keeps its width.
        {.id = PnlBrutto,
         .name = "PnlBrutto",
         .hilfe = 2006,
         .rechts = true,
         .rand = {4, 4, 4, 4},
         .spaltenAbstand = 4,
         .zeilenAbstand = -1},
        {.id = Abzuege, .art = GruppenArt::Allein, .rechts = true},
        {.id = Stamm, .art = GruppenArt::Raster, .rechts = true},
    };
    static_assert(std::size(gruppen) == static_cast<std::size_t>(HauptGruppe::kAnzahl));
    return gruppen;
}

// The widths fit the fields' longest texts; the panels share the window's
// width with the deductions list.
std::span<const HauptPlatz> hauptPlaetze()
{
    using enum HauptGruppe;
    static const HauptPlatz plaetze[] = {
        {.id = ComboJahr, .gruppe = PnlJahrMonat, .breite = 70},
        {.id = ComboMonat,
         .gruppe = PnlJahrMonat,
         .stelle = Stelle::Zelle,
         .breite = 98,
         .beiAenderung = ActMMJJChange},

        // The factor beside the tax class, within the width of the fields
        // below: shown for class IV it moves and widens nothing.
        {.id = LEdiStKl, .gruppe = PnlSteuer, .breite = 50, .beiAenderung = LEdiStKlChange},
        {.id = LEdiFaktor, .gruppe = PnlSteuer, .stelle = Stelle::NebenFeld, .breite = 44},
        {.id = LEdiKiFB, .gruppe = PnlSteuer, .reihe = 1, .breite = 64},
        {.id = LEdiStFB, .gruppe = PnlSteuer, .reihe = 2, .breite = 100, .beiAenderung = LEdiStFBChange},
        {.id = ComboKiJaNein, .gruppe = PnlSteuer, .reihe = 3, .breite = 75},
        {.id = BtnSteuerErfass,
         .gruppe = PnlSteuer,
         .stelle = Stelle::Zelle,
         .reihe = 3,
         .breite = 30,
         .beiAenderung = [](ProgrammZustand& p) { BtnOptionenClick(p, 0); }},

        {.id = LxEdiBGR, .gruppe = PnlSozVers, .breite = 50, .beiAenderung = LxEdiBGRChange},
        {.id = PnlVB, .gruppe = PnlSozVers, .stelle = Stelle::Zelle, .ausrichtung = Qt::AlignLeft, .breite = 30},
        {.id = MEdiKV, .gruppe = PnlSozVers, .reihe = 1, .breite = 64, .beiAenderung = MEdiKVChange},
        {.id = MEdiKVZus,
         .gruppe = PnlSozVers,
         .stelle = Stelle::Zelle,
         .reihe = 1,
         .breite = 64,
         .beiAenderung = MEdiKVChange},
        {.id = ComboPVerh, .gruppe = PnlSozVers, .reihe = 2, .breite = 64, .beiAenderung = ComboPVerhChange},
        {.id = LEdiGebJahr, .gruppe = PnlSozVers, .reihe = 3, .breite = 50},
        {.id = BtnSozVersErfass,
         .gruppe = PnlSozVers,
         .stelle = Stelle::Zelle,
         .reihe = 3,
         .breite = 30,
         .beiAenderung = [](ProgrammZustand& p) { BtnOptionenClick(p, 1); }},

        {.id = ComboZV, .gruppe = PnlZV, .breite = 100, .beiAenderung = ComboZVChange},
        {.id = BtnZVErfass,
         .gruppe = PnlZV,
         .stelle = Stelle::Zelle,
         .breite = 30,
         .beiAenderung = [](ProgrammZustand& p) { BtnOptionenClick(p, 2); }},

        // ENTER in the gross or net field computes.
        {.id = LEdiBrutto,
         .gruppe = PnlBrutto,
         .breite = 100,
         .betragsBreite = true,
         .beiEnter = [](ProgrammZustand& p) { LEdiBruttoKeyDown(p, LEdiBrutto); }},
        {.id = BtnBruttoErfass,
         .gruppe = PnlBrutto,
         .stelle = Stelle::Zelle,
         .bild = "erfassen",
         .beiAenderung = BtnBrErfassClick},
        {.id = LEdiNetto,
         .gruppe = PnlBrutto,
         .reihe = 1,
         .breite = 100,
         .betragsBreite = true,
         .beiEnter = [](ProgrammZustand& p) { LEdiBruttoKeyDown(p, LEdiNetto); }},
        neuBerechnen(BtnBruttoNeu, [](ProgrammZustand& p) { BtnBruttoNeuClick(p, BtnBruttoNeu); }),
        neuBerechnen(BtnNettoNeu, [](ProgrammZustand& p) { BtnBruttoNeuClick(p, BtnNettoNeu); }),

        {.id = LVAbz, .gruppe = Abzuege},
        {.id = ComboStamm, .gruppe = Stamm},
    };
    return plaetze;
}

}  // namespace lx
