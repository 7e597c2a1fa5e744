#include "Hauptfenster.h"

#include <optional>

#include "AmountText.h"
#include "DatumUnit.h"
#include "LxMath.h"
#include "NeueAbrechnung.h"
#include "Rechengroessen.h"
#include "erfassung/Erfassung.h"
#include "optionen/OptionenDialog.h"
#include "optionen/PVKinderliste.h"
#include "optionen/TeilmonatTeilzeit.h"
#include "stammdaten/Stammdaten.h"

namespace lx {

namespace {

using enum Haupt;

// A year the program computes, written with four digits, else nullopt.
std::optional<int> jahrAusText(std::string_view text)
{
    if (text.size() != 4) return std::nullopt;
    int jahr = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        jahr = jahr * 10 + (c - '0');
    }
    if (jahr < kErstesRechenjahr || jahr > kLetztesRechenjahr) return std::nullopt;
    return jahr;
}

int angenommenesJahr(const ProgrammZustand& p)
{
    return jahrAusText(p.haupt.jahrAngenommen).value_or(kLetztesRechenjahr);
}

int monatDerListe(const ProgrammZustand& p)
{
    return MonatNr(p.haupt.text(ComboMonat));
}

std::string prozent(Currency satz)
{
    return formatAmount(satz) + "%";
}

// The extra health rate field's text: "+ 1,30%".
std::string kvZusatzText(int jahr)
{
    return "+ " + prozent(KVZusatzVorgabeFuer(jahr));
}

void setzeKVZus(ProgrammZustand& p, const std::string& text)
{
    p.haupt.text(MEdiKVZus) = text;
    MEdiKVChange(p);
}

// The health rate, the extra rate's field and the options dialog's rate
// panels for the engine's year and month. The panels show the rates the engine
// computes with.
void SatzAnzeigen(ProgrammZustand& p)
{
    const TLohnGehalt& lg = p.LohnGehalt;
    const int jahr = lg.FJahr;
    const int monat = lg.FMonat;
    auto& opt = p.opt;
    const std::string& code = p.haupt.text(LxEdiBGR);
    // Until the law set the health rate in 2009 it is typed.
    const std::string satz = KVSatzText(jahr, monat, code.empty() ? '1' : code[0]);
    if (satz.empty()) {
        p.haupt[MEdiKV].enabled = true;
    } else if (code.size() == 4) {
        p.haupt[MEdiKV].enabled = false;
        p.haupt.text(MEdiKV) = satz;
        MEdiKVChange(p);
        if (KVZusatzJeKasse(jahr)) {
            p.haupt[MEdiKVZus].enabled = true;
            opt.text(Opt::PnlZaehne) = p.haupt.text(MEdiKVZus);
        }
        if (!BAVZusatzMoeglich(jahr)) {
            opt.text(Opt::AVCombo1ZStFrei) = "nichts zusätzlich";
            opt[Opt::AVCombo1ZStFrei].enabled = false;
        } else if (jahr >= 2010) {  // the window leaves the list of 2009 as it is
            opt.text(Opt::AVCombo1ZStFrei) = "zusätzlich 1800 Euro";
            opt[Opt::AVCombo1ZStFrei].enabled = true;
        }
    }
    opt.text(Opt::PnlAVSatz) = prozent(lg.FAVSatz);
    opt.text(Opt::PnlRVSatz) = prozent(lg.FRVSatz);
    opt.text(Opt::PnlPVSatz) = prozent(lg.FPVSatz);
    if (jahr >= kErstesListenjahr) opt.text(Opt::PnlPVKinder) = "+ " + prozent(PVZuschlagFuer(jahr, monat));
    const bool kinderListe = PVKinderAbschlagGilt(jahr, monat);
    opt[Opt::SVComboPVKi].visible = kinderListe;
    opt[Opt::SVLabPVAnzKi].visible = kinderListe;
}

void SteuerfreiheitZV(ProgrammZustand& p)
{
    optionen::ZVSteuerfreiheitListe(p, jahrAusText(p.opt.text(Opt::ComboJahr)).value_or(p.LohnGehalt.FJahr));
}

void RVVoll(ProgrammZustand& p)
{
    auto& liste = p.opt[Opt::SVComboRVVoll];
    const int jahr = p.LohnGehalt.FJahr;
    if (RVVollWaehlbar(jahr, 12)) {
        liste.enabled = true;
        return;
    }
    liste.text = "nein";
    liste.enabled = RVVollWaehlbar(jahr, p.LohnGehalt.FMonat);
}

// The children list locked at "0 Kinder", as for the childless.
void KinderlosSperren(ProgrammZustand& p)
{
    p.opt[Opt::PnlPVKinder].visible = true;
    p.opt.text(Opt::SVComboPVKi) = "0 Kinder";
    p.opt[Opt::SVComboPVKi].enabled = false;
}

// The number of children the allowances stand for: 0,5 and 1,0 one child,
// each further full allowance one more, above 4,0 five.
int kinderAusFreibetrag(Currency freibetrag)
{
    if (freibetrag <= 0_cur) return 0;
    for (int kinder = 1; kinder <= 4; ++kinder) {
        if (freibetrag <= Currency::fromUnits(kinder)) return kinder;
    }
    return 5;
}

}  // namespace

std::string KVSatzText(int jahr, int monat, char kvZiffer)
{
    const auto satz = KVSatzFuer(jahr, monat, kvZiffer - '0');
    return satz ? prozent(*satz) : std::string();
}

void ActMMJJChange(ProgrammZustand& p)
{
    auto& h = p.haupt;
    const std::optional<int> jahr = jahrAusText(h.text(ComboJahr));
    if (!jahr) {
        p.dialoge.Fehler(kJahrUngueltig);
        h.text(ComboJahr) = h.jahrAngenommen;
        return;
    }
    h.jahrAngenommen = h.text(ComboJahr);
    TLohnGehalt& lg = p.LohnGehalt;
    // The options dialog's year is already the new one when the change comes
    // from there; the engine still holds the year before.
    const int vorher = lg.FJahr;
    const bool neuesJahr = vorher != *jahr;
    const int monat = monatDerListe(p);

    lg.SetRechtskreis(p.opt.text(Opt::SVComboRechtskreis) == "West" ? 1 : 0);
    lg.SetJahr(*jahr);
    lg.SetMonat(monat);
    h[MEdiKVZus].enabled = false;
    // Another year brings its own average rate; a rate typed or loaded for
    // this year stays while only the month changes.
    if (neuesJahr) setzeKVZus(p, kvZusatzText(*jahr));
    p.opt.text(Opt::ComboMonat) = h.text(ComboMonat);
    p.opt.text(Opt::ComboJahr) = h.text(ComboJahr);
    ActSetSVVorTage(p);
    optionen::ActTeilmonatGrund(p);
    if (neuesJahr) optionen::ActZVAktualis(p);
    lg.SetJahr(*jahr);
    lg.SetMonat(monat);
    RVVoll(p);
    SteuerfreiheitZV(p);
    SatzAnzeigen(p);
    LEdiStKlChange(p);
}

void LxEdiBGRChange(ProgrammZustand& p)
{
    const std::string& code = p.haupt.text(LxEdiBGR);
    if (code.size() == 4) {
        const std::string satz = KVSatzText(angenommenesJahr(p), monatDerListe(p), code[0]);
        if (!satz.empty()) {
            p.haupt.text(MEdiKV) = satz;
            MEdiKVChange(p);
        }
    }
    if (code == "6100") p.opt.text(Opt::SVComboGfERV) = "kein Verzicht auf RV-Pflicht";
}

bool LxEdiBGRKeyPress(char32_t taste)
{
    return (taste >= U'0' && taste <= U'9') || taste == U'\b';
}

void MEdiKVChange(ProgrammZustand& p)
{
    p.opt.text(Opt::PnlKVSatz) = p.haupt.text(MEdiKV);
    p.opt.text(Opt::PnlZaehne) = p.haupt.text(MEdiKVZus);
}

void LEdiStKlChange(ProgrammZustand& p)
{
    p.haupt[LEdiFaktor].visible = p.haupt.text(LEdiStKl) == "4" && VorsorgepauschaleAb2010(angenommenesJahr(p));
}

void LEdiStFBChange(ProgrammZustand& p)
{
    const std::string& monatlich = p.haupt.text(LEdiStFB);
    if (monatlich.empty() || !p.opt[Opt::LSTChkFBJahr].checked) return;
    const std::optional<Currency> wert = BetragAusTextOderNichts(monatlich);
    if (wert) p.opt.text(Opt::LSTVEdiFBJahr) = formatAmount(*wert * 12);
}

void ComboZVChange(ProgrammZustand& p)
{
    p.opt.text(Opt::ZVComboArt) = p.haupt.text(ComboZV);
    optionen::ActZVAktualis(p);
}

void ComboPVerhChange(ProgrammZustand& p)
{
    p.haupt.pvAltersregel = false;
    if (p.haupt.text(ComboPVerh) == "ja") {
        KinderlosSperren(p);
    } else {
        p.opt[Opt::PnlPVKinder].visible = false;
        p.opt[Opt::SVComboPVKi].enabled = true;
    }
}

void ActPVKinder(ProgrammZustand& p)
{
    auto& h = p.haupt;
    TLohnGehalt& lg = p.LohnGehalt;
    const Currency freibetrag = BetragAusTextOderNichts(h.text(LEdiKiFB)).value_or(0_cur);
    // the birth year as the driver passes it on
    const int gebJahr = GebJahrDesFelds(h.text(LEdiGebJahr));
    // under 23 in the calculation year, or born before 1940: no surcharge
    const bool altersregel = gebJahr > angenommenesJahr(p) - 23 || gebJahr < 1940;
    if (h.pvAltersregel && !altersregel && h.text(ComboPVerh) == "nein") {
        h.text(ComboPVerh) = "ja";
        KinderlosSperren(p);
    }
    h.pvAltersregel = h.pvAltersregel && altersregel && h.text(ComboPVerh) == "nein";
    if (freibetrag != 0_cur && h.text(ComboPVerh) == "ja") {
        h.text(ComboPVerh) = "nein";
        p.opt[Opt::PnlPVKinder].visible = false;
        p.opt[Opt::SVComboPVKi].enabled = true;
    }
    if (altersregel && h.text(ComboPVerh) == "ja") {
        h.text(ComboPVerh) = "nein";
        p.opt[Opt::PnlPVKinder].visible = false;
        p.opt.text(Opt::SVComboPVKi) = "0 Kinder";
        p.opt[Opt::SVComboPVKi].enabled = false;
        h.pvAltersregel = true;
    }
    if (!PVKinderAbschlagGilt(lg.FJahr, lg.FMonat)) return;
    const int e = kinderAusFreibetrag(freibetrag);
    const int gezeigt = PVKinderAnzahl(p.opt.text(Opt::SVComboPVKi));
    if (e >= gezeigt) {
        lg.SetPVKinder(static_cast<Byte>(e));
        return;
    }
    if (e >= 1) p.opt.text(Opt::SVComboPVKi) = PVKinderText(e);
    const int kinder = PVKinderAnzahl(p.opt.text(Opt::SVComboPVKi));
    lg.SetPVKinder(static_cast<Byte>(kinder));
    p.opt.text(Opt::PnlPVSatz) = PnlPVSatz(GetPVSatz(p), kinder);
}

void ActSetSVVorTage(ProgrammZustand& p)
{
    const int tage = 30 * (p.LohnGehalt.FMonat - 1);
    p.opt.text(Opt::EBVEdiTgVor) = std::to_string(tage < 0 ? 0 : tage);
}

void ActMainGrund(ProgrammZustand& p)
{
    auto& h = p.haupt;
    for (const auto& eintrag : h.tabelle()) {
        if (eintrag.e.reset) h.text(eintrag.id) = *eintrag.e.reset;
    }
    h[BtnBruttoNeu].visible = false;
    h[BtnNettoNeu].visible = false;
    // With the net "0,00" no net to gross is left to repeat: the next
    // calculation of entered rows goes from gross to net.
    h[LEdiNetto].tag = 0;
    erfass::ActGrundstellung(p);
    optionen::ActGrundstellung(p);
    auto& opt = p.opt;
    for (Opt liste : {Opt::TZLView, Opt::ATZLView, Opt::PfdLView}) opt[liste].rows.clear();
    opt[Opt::TZLiBo].items.clear();
    for (Opt feld : {Opt::ATZLabAufst, Opt::ATZLabRegEnt, Opt::ATZmanReg}) opt.text(feld) = "0,00";
    h[PnlVB].visible = false;
    h[PnlVB].tag = 0;
    KVZusatzVorgabe(p);
    for (auto& panel : h[StatusBar].items) panel.clear();
    LxEdiBGRChange(p);
    LEdiStKlChange(p);
    LEdiStFBChange(p);
    MEdiKVChange(p);
    ComboPVerhChange(p);
    ComboZVChange(p);
}

void KVZusatzVorgabe(ProgrammZustand& p)
{
    const int jahr = angenommenesJahr(p);
    if (KVZusatzJeKasse(jahr)) p.haupt.text(MEdiKVZus) = kvZusatzText(jahr);
}

void BtnNeuClick(ProgrammZustand& p)
{
    ActNeuGrund(p);
    LadeStandard(p);
}

}  // namespace lx
