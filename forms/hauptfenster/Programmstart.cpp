#include "Programmstart.h"

#include <filesystem>

#include "AmountText.h"
#include "DatumUnit.h"
#include "Hauptfenster.h"
#include "Rechengroessen.h"
#include "optionen/TeilmonatTeilzeit.h"
#include "stammdaten/Stammdaten.h"

namespace lx {

namespace {

// --- FormCreate

void HilfeDateiPruefen(ProgrammZustand& p)  // steps 1 and 2
{
    p.hilfeDatei = p.programmOrdner + "/" + kHilfeDateiName;
    std::error_code fehler;
    if (!std::filesystem::exists(p.hilfeDatei, fehler)) {
        p.dialoge.Fehler("Hilfe-Datei nicht gefunden\r" + p.hilfeDatei);
    }
}

void HilfeLaufzeitPruefen(ProgrammZustand& p)  // step 3; the start goes on
{
    if (p.hilfe != nullptr && !p.hilfe->LaufzeitBereit()) p.dialoge.Fehler(kHilfeLaufzeitFehlt);
}

void HilfeHookAnlegen(ProgrammZustand& p)  // step 4
{
    if (p.hilfe != nullptr) p.hilfe->HookAnlegen(p.hilfeDatei);
}

void MonatVorbelegen(ProgrammZustand& p)  // step 5
{
    const Datum heute = p.uhr.heute();
    auto& monat = p.haupt[Haupt::ComboMonat];
    const std::size_t index = heute.jahr < StrToInt(p.haupt.text(Haupt::ComboJahr)) ? 0 : heute.monat - 1;
    monat.text = monat.items.at(index);
}

// The extra health rate is the year's, as "Neue Abrechnung" sets it; the
// record "Standard" may set another one when the window is first shown.
void KVZusatzDesJahres(ProgrammZustand& p)
{
    KVZusatzVorgabe(p);
    MEdiKVChange(p);
}

// Step 7, the two engines, needs nothing here: they are members of the state,
// created with it and all zero until their year is set.

// --- FormShow

// Steps 1 to 4 (master-data folder, record list, lists copied into the
// options, "Standard") are in Stammdaten.h.

void EngineJahrMonat(ProgrammZustand& p)  // step 5
{
    p.LohnGehalt.SetJahr(StrToInt(p.haupt.text(Haupt::ComboJahr)));
    p.LohnGehalt.SetMonat(MonatNr(p.haupt.text(Haupt::ComboMonat)));
}

void OptionenJahrMonat(ProgrammZustand& p)  // step 6
{
    p.opt.text(Opt::ComboMonat) = p.haupt.text(Haupt::ComboMonat);
    p.opt.text(Opt::ComboJahr) = p.haupt.text(Haupt::ComboJahr);
}

void RVVollFreigeben(ProgrammZustand& p)  // step 7: no longer possible from July 2019
{
    p.opt[Opt::SVComboRVVoll].enabled = RVVollWaehlbar(p.LohnGehalt.FJahr, p.LohnGehalt.FMonat);
}

void TeilmonatBis(ProgrammZustand& p)  // step 8: the to-day, and its maximum, the engine's last day
{
    const int tage = TageImMonat(MonatNr(p.haupt.text(Haupt::ComboMonat)), StrToInt(p.haupt.text(Haupt::ComboJahr)));
    p.opt.text(Opt::TBVEdiBis) = std::to_string(tage);
    p.opt[Opt::TBVEdiBis].max = Currency::fromUnits(tage);
}

void VortageUndTeilmonat(ProgrammZustand& p)  // step 9
{
    ActSetSVVorTage(p);
    optionen::ActTeilmonatGrund(p);
}

// --- FormDestroy

void HilfeSchliessen(ProgrammZustand& p)  // close all help windows, then free the hook
{
    if (p.hilfe != nullptr) p.hilfe->HookFreigeben();
}

}  // namespace

void FormCreate(ProgrammZustand& p)
{
    HilfeDateiPruefen(p);
    HilfeLaufzeitPruefen(p);
    HilfeHookAnlegen(p);
    MonatVorbelegen(p);
    KVZusatzDesJahres(p);
    ActLVGrundExecute(p);
}

void FormShow(ProgrammZustand& p)
{
    if (p.haupt.formShowGelaufen) return;
    p.haupt.formShowGelaufen = true;
    StammPfadLesen(p);
    StammdatenAuflisten(p);
    StammlistenKopieren(p);
    StandardLaden(p);
    EngineJahrMonat(p);
    OptionenJahrMonat(p);
    RVVollFreigeben(p);
    TeilmonatBis(p);
    VortageUndTeilmonat(p);
}

void FormDestroy(ProgrammZustand& p)
{
    HilfeSchliessen(p);
}

}  // namespace lx
