#include "Berechnungslauf.h"

#include <algorithm>

#include "AmountText.h"
#include "EingabenLesen.h"
#include "EingabenPruefen.h"
#include "EingabenSetzen.h"
#include "Geringfuegigkeitsgrenze.h"
#include "Hochrechnung.h"
#include "LxMath.h"
#include "NettoZuBrutto.h"
#include "Nettobetrag.h"
#include "Pfaendungsplan.h"
#include "ProgrammZustand.h"
#include "Sonderberechnung.h"
#include "abrechnung/Abrechnungsfenster.h"
#include "abrechnung/Detailausgabe.h"
#include "erfassung/Erfassung.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx {

namespace {

using enum Haupt;

// The field's range as leaving it would apply it.
void bereich(ProgrammZustand& p, Haupt feld)
{
    BereichAnwenden(p.haupt[feld], p.haupt.element(feld));
}

// The amount of a field for the entry dialog's amount field, "#,##0.00".
void insErfassen(ProgrammZustand& p, Haupt feld, bool zvMarke)
{
    ErfassZustand& e = p.erfass;
    bereich(p, feld);
    if (feld == LEdiBrutto) {
        e.text(Erfass::VEdiBetrag) = formatAmount(BetragAusText(p.haupt.text(LEdiBrutto)));
        p.haupt[BtnBruttoNeu].visible = true;
        p.haupt[BtnNettoNeu].visible = false;
    } else {
        e.text(Erfass::VEdiBetrag) = p.haupt.text(LEdiNetto);
        e.text(Erfass::AEdiNT) = "x";
        p.haupt[BtnBruttoNeu].visible = false;
        p.haupt[BtnNettoNeu].visible = true;
        p.haupt[LEdiNetto].tag = 1;
    }
    if (zvMarke) e.text(Erfass::AEdiZV) = "x";
    erfass::ActUebernehmen(p);
    erfass::ActBrutti(p);
}

bool zvGewaehlt(const ProgrammZustand& p)
{
    return p.haupt.text(ComboZV) != "keine";
}

void stoppAnzeigen(ProgrammZustand& p, const Stopp& s)
{
    p.dialoge.Fehler(s.text);
    if (s.seite != kHauptfenster) {
        p.dialoge.OptionenZeigen(s.seite, s.fokus);
    } else if (!s.fokus.empty()) {
        p.dialoge.Fokus(Fenster::Haupt, s.fokus);
    }
}

// A run that a check stopped leaves none of an earlier run's figures beside
// the new inputs: the deductions and the mode's result field "0,00", no
// recalculate button, the payslip window back to its title without reports.
// The entry rows and every input stay.
void ergebnisseLeeren(ProgrammZustand& p)
{
    auto& h = p.haupt;
    ActLVGrundExecute(p);
    h.text(h[LEdiNetto].tag == 1 ? LEdiBrutto : LEdiNetto) = "0,00";
    h[BtnBruttoNeu].visible = false;
    h[BtnNettoNeu].visible = false;
    AbrechnungLeeren(p);
}

// The messages of a run's steps wait for its end; a run that throws drops them.
class MeldungenHalten {
public:
    explicit MeldungenHalten(ProgrammZustand& p) : p_(p) { p_.laufMeldungen.emplace(); }
    ~MeldungenHalten() { p_.laufMeldungen.reset(); }
    MeldungenHalten(const MeldungenHalten&) = delete;
    MeldungenHalten& operator=(const MeldungenHalten&) = delete;

private:
    ProgrammZustand& p_;
};

void abzuegeAnzeigen(ProgrammZustand& p)
{
    const auto betraege = AbzugsBetraege(p.LohnGehalt);
    auto& rows = p.haupt[LVAbz].rows;
    ActLVGrundExecute(p);
    for (std::size_t i = 0; i < betraege.size() && i < rows.size(); ++i)
        rows[i].cells.at(1) = formatAmount(betraege[i]);
}

}  // namespace

void LEdiBruttoKeyDown(ProgrammZustand& p, Haupt feld)
{
    bereich(p, feld);
    if (IstNullText(p.haupt.text(feld))) return;
    p.haupt[LEdiNetto].tag = 0;
    erfass::ActGrundstellung(p);
    insErfassen(p, feld, zvGewaehlt(p));
    if (feld == LEdiBrutto) erfass::ActTZUebernehmen(p);
    ActBerechnen(p);
}

void BtnBruttoNeuClick(ProgrammZustand& p, Haupt sender)
{
    p.haupt[LEdiNetto].tag = sender == BtnNettoNeu ? 1 : 0;
    if (sender == BtnBerechnen) {
        p.haupt[BtnBruttoNeu].visible = true;
        p.haupt[BtnNettoNeu].visible = false;
    }
    ActBerechnen(p);
}

void ActBerechnen(ProgrammZustand& p)
{
    ActBerechnenExecute(p);
}

void ActBerechnenExecute(ProgrammZustand& p)
{
    auto& h = p.haupt;
    TLohnGehalt& lg = p.LohnGehalt;
    const MeldungenHalten halten(p);

    // 1. Partial retirement, and the totals over all rows: a net to gross or a
    // gross-up before may have left other totals.
    erfass::ActATZAktualis(p);
    p.FNTHochrechnung = 0;
    erfass::ActBrutti(p);

    // 2.-3. An empty list takes the gross or else the net field.
    if (p.erfass.zeilen.empty() && !IstNullText(h.text(LEdiBrutto))) insErfassen(p, LEdiBrutto, zvGewaehlt(p));
    if (p.erfass.zeilen.empty() && !IstNullText(h.text(LEdiNetto))) insErfassen(p, LEdiNetto, zvGewaehlt(p));
    if (p.erfass.zeilen.empty()) {
        ergebnisseLeeren(p);
        p.dialoge.Fehler("Bitte erst Beträge eingeben");
        return;
    }
    // Net to gross needs a wanted net: without one the rows are computed gross
    // to net (a reset has left the net field "0,00").
    if (h[LEdiNetto].tag == 1) {
        bereich(p, LEdiNetto);
        if (IstNullText(h.text(LEdiNetto))) {
            h[LEdiNetto].tag = 0;
            h[BtnBruttoNeu].visible = true;
            h[BtnNettoNeu].visible = false;
        }
    }

    // 4. The checks, before anything reaches the engine.
    std::optional<Stopp> stopp;
    try {
        stopp = PruefeEingaben(LeseEingaben(p));
    } catch (const ConversionError&) {
        ergebnisseLeeren(p);
        throw;
    }
    if (stopp) {
        ergebnisseLeeren(p);
        stoppAnzeigen(p, *stopp);
        return;
    }

    // 5. Care children; a field without a birth year shows the year taken.
    ActPVKinder(p);
    if (!GebJahrAngegeben(h.text(LEdiGebJahr))) h.text(LEdiGebJahr) = std::to_string(kGebJahrVorgabe);

    // 6. Every input, converted first, then set.
    const BerechnungsEingaben w = LeseEingaben(p);
    SetzeEingaben(lg, w);

    // 7. The computation.
    Currency netto;
    bool nettoSchreiben = false;
    std::optional<NettoIterationErgebnis> nachBrutto;
    if (w.nettoModus) {
        nachBrutto = NettoZuBruttoZeilen(lg, p.erfass.zeilen, w.wunschNetto, w.stKl == 6);
        // The first row now holds the running pay found: without its net mark
        // a later gross to net (or a saved record) takes it as it is, beside
        // the other rows as they were entered.
        Lohnart& erste = p.erfass.zeilen.front();
        erste.betrag = nachBrutto->brutto;
        erste.flags[kNT] = false;
        erfass::ActBrutti(p);
        const auto& zeilen = p.erfass.zeilen;
        if (std::any_of(zeilen.begin(), zeilen.end(), [](const Lohnart& z) { return z.flags[kNT]; })) {
            // Net-marked rows besides: grossed up as gross to net does, which
            // reaches the wanted net where the search found it.
            SetzeBruttosummen(lg, p.erfass.brutto);
            ActNettoHochrechnung(p);
        } else {
            h.text(LEdiBrutto) = formatAmount(p.erfass.brutto[kGesamtbrutto]);
            h.text(LEdiNetto) = formatAmount(nachBrutto->netto);
        }
    } else if (w.ntZeilen || (w.zvHochrechnen && w.zvHaupt)) {
        ActNettoHochrechnung(p);
    } else {
        lg.Berechnen();
        netto = NettoBrutto(lg, w.brutto[kGesamtbrutto]);
        nettoSchreiben = true;
        // The gross field shows the gross of the rows computed, also where the
        // rows were taken as they stand or part time changed them.
        h.text(LEdiBrutto) = formatAmount(w.brutto[kGesamtbrutto]);
    }
    if (nachBrutto && nachBrutto->abgebrochen) Melden(p, AbbruchMeldung());

    // 8. Garnishment.
    const PfaendungsPlan pfaendung = PlanePfaendung(w);
    p.opt[Opt::PfdComboJaNein].tag = pfaendung.sonderflag ? 1 : 0;
    lg.SetPfaendKorrektur(pfaendung.korrektur);
    if (pfaendung.sonderberechnung) ActSonderberechnung(p);
    if (pfaendung.berechnePfaendung) lg.BerechnePfaendung();

    // 9.-11. Deductions and net.
    abzuegeAnzeigen(p);
    if (nettoSchreiben) h.text(LEdiNetto) = formatAmount(netto);

    // 12.-13. Payslip, garnishment report, mini-job limit. The limit is
    // checked after every calculation: it has nothing to do with garnishment.
    ActDetailabrechnung(p);
    if (!pfaendung.sonderflag) ActBPfaendungsabrechnung(p);
    if (const auto hinweis = MinijobHinweis(w.bgr, w.jahr, w.monat, lg.FSVBrutto)) Melden(p, *hinweis);

    // The windows hold every figure of the run now: its messages follow.
    const std::vector<std::string> meldungen = std::move(*p.laufMeldungen);
    p.laufMeldungen.reset();
    for (const std::string& m : meldungen) p.dialoge.Information(m);
}

// The gross field takes "Gesamtbrutto" and the mode's recalculate button
// shows with the main window's fields.
void ErfassBerechnen(ProgrammZustand& p)
{
    erfass::ActBrutti(p);
    p.haupt.text(Haupt::LEdiBrutto) = formatAmount(p.erfass.brutto[kGesamtbrutto]);
    ActBerechnen(p);
    // A run that found no pay items has hidden both buttons.
    if (!p.erfass.zeilen.empty()) {
        const bool netto = p.haupt[Haupt::LEdiNetto].tag == 1;
        p.haupt[Haupt::BtnBruttoNeu].visible = !netto;
        p.haupt[Haupt::BtnNettoNeu].visible = netto;
    }
    p.dialoge.Verbergen(Fenster::Erfass);
}

}  // namespace lx
