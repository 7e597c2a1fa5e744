#include "TeilmonatTeilzeit.h"

#include <algorithm>
#include <string>

#include "AmountText.h"
#include "DatumUnit.h"
#include "LxMath.h"
#include "Teilmonat.h"
#include "Teilzeit.h"
#include "erfassung/Erfassung.h"

namespace lx {

namespace {

// Cells of the mirrored lists.
enum TAZelle { kTAName, kTAKuerzen, kTAVoll, kTAGekuerzt };
enum TZZelle { kTZName, kTZMarke, kTZRundung, kTZVollzeit, kTZTeilzeit };
enum ATZZelle { kATZName, kATZAufstockung, kATZTeilzeit, kATZVollzeit };
enum PfdZelle { kPfdName, kPfdBetrag, kPfdMarke };

constexpr std::size_t kPanelTeilzeitStunden = 2;  // the entry dialog's panel of the hours

std::string& zelle(Zeile& z, std::size_t i)
{
    if (z.cells.size() <= i) z.cells.resize(i + 1);
    return z.cells[i];
}

std::vector<Zeile>& liste(ProgrammZustand& p, Opt id)
{
    return p.opt[id].rows;
}

// An amount cell; an empty one counts as `sonst` (a list rebuilt by the
// mirroring holds no reduced or part-time amount yet).
Currency betrag(const std::string& text, const std::string& sonst)
{
    return BetragAusText(text.empty() ? sonst : text);
}

std::string text(Currency c)
{
    return formatAmount(c);
}

// --- status panels: the entry dialog's and the main window's

std::string& erfassPanel(ProgrammZustand& p, std::size_t nummer)
{
    auto& items = p.erfass[Erfass::StatusBar1].items;
    if (items.size() <= nummer) items.resize(nummer + 1);
    return items[nummer];
}

void panelsTeilmonat(ProgrammZustand& p, const std::string& eintritt, const std::string& austritt)
{
    erfassPanel(p, kPanelEintritt) = eintritt;
    erfassPanel(p, kPanelAustritt) = austritt;
    p.haupt.panel(kPanelEintritt) = eintritt;
    p.haupt.panel(kPanelAustritt) = austritt;
}

void panelsStunden(ProgrammZustand& p, const std::string& stunden)
{
    erfassPanel(p, kPanelTeilzeitStunden) = stunden;
    p.haupt.panel(kPanelStunden) = stunden;
}

// --- entry rows named by the index list

Lohnart* erfassZeile(ProgrammZustand& p, std::size_t listenZeile)
{
    const auto& index = p.opt[Opt::TZLiBo].items;
    if (listenZeile >= index.size()) return nullptr;
    const int i = StrToInt(index[listenZeile]);
    if (i < 0 || static_cast<std::size_t>(i) >= p.erfass.zeilen.size()) return nullptr;
    return &p.erfass.zeilen[static_cast<std::size_t>(i)];
}

// The amount of list row i into its entry row and into the partial-retirement
// list's "Teilzeit".
void eintragen(ProgrammZustand& p, std::size_t i, Currency wert)
{
    if (Lohnart* z = erfassZeile(p, i)) z->betrag = wert;
    auto& atz = liste(p, Opt::ATZLView);
    if (i < atz.size()) zelle(atz[i], kATZTeilzeit) = text(wert);
}

// The garnishment rows take the entry rows' amounts, row by row.
void pfaendungAbgleichen(ProgrammZustand& p)
{
    auto& pfd = liste(p, Opt::PfdLView);
    const auto& zeilen = p.erfass.zeilen;
    for (std::size_t j = 0; j < pfd.size() && j < zeilen.size(); ++j)
        zelle(pfd[j], kPfdBetrag) = text(zeilen[j].betrag);
}

// After amounts were written into the entry rows.
void erfassNachrechnen(ProgrammZustand& p)
{
    pfaendungAbgleichen(p);
    erfass::ActATZAktualis(p);
    erfass::ActBrutti(p);
}

// --- partial month

int monat(const ProgrammZustand& p)
{
    return MonatNr(p.haupt.text(Haupt::ComboMonat));
}

int jahr(const ProgrammZustand& p)
{
    return StrToInt(p.haupt.text(Haupt::ComboJahr));
}

TeilmonatPruefung pruefen(const ProgrammZustand& p)
{
    const auto& o = p.opt;
    const TeilmonatTage tage{.von = o.text(Opt::TBVEdiVon),
                             .bis = o.text(Opt::TBVEdiBis),
                             .ub1Von = o.text(Opt::TBVEdiUB1Von),
                             .ub1Bis = o.text(Opt::TBVEdiUB1Bis),
                             .ub2Von = o.text(Opt::TBVEdiUB2Von),
                             .ub2Bis = o.text(Opt::TBVEdiUB2Bis)};
    return PruefeTeilmonat(tage, monat(p), jahr(p));
}

int regel(const ProgrammZustand& p)
{
    const auto& z = p.opt[Opt::TBComboRegel];
    const auto it = std::find(z.items.begin(), z.items.end(), z.text);
    return it == z.items.end() ? 3 : static_cast<int>(it - z.items.begin()) + 1;
}

// The "gekürzt" amounts by a valid check; outside a partial month they are the
// full amounts.
void kuerzen(ProgrammZustand& p, const TeilmonatPruefung& c)
{
    const int r = TeilmonatRegel(regel(p));
    p.opt.teilmonat.tage = r == 1 ? std::min(c.D, 30) : c.D;
    for (Zeile& z : liste(p, Opt::TALView)) {
        const Currency voll = betrag(zelle(z, kTAVoll), "0,00");
        zelle(z, kTAGekuerzt) = text(TeilmonatBetrag(c, r, voll, zelle(z, kTAKuerzen) == "x"));
    }
}

// After the "voll" amounts changed under a partial month that is on: the
// reduced amounts anew, without boxes; a check that fails now leaves them
// empty, so that applying cannot write stale reductions.
void stillKuerzen(ProgrammZustand& p)
{
    if (p.erfass.taStatus == Status::Aus || liste(p, Opt::TALView).empty()) return;
    const TeilmonatPruefung c = pruefen(p);
    if (c.gueltig()) {
        panelsTeilmonat(p, c.eintritt, c.austritt);
        kuerzen(p, c);
        return;
    }
    for (Zeile& z : liste(p, Opt::TALView)) zelle(z, kTAGekuerzt).clear();
}

void tageSichern(ProgrammZustand& p)
{
    auto& t = p.opt.teilmonat;
    if (t.tageGesichert) return;
    t.steuertage = p.opt.text(Opt::LSTVEdiStTage);
    t.svTage = p.opt.text(Opt::SVVEdiSVTage);
    t.tageGesichert = true;
}

void tageZurueck(ProgrammZustand& p)
{
    auto& t = p.opt.teilmonat;
    if (!t.tageGesichert) return;
    p.opt.text(Opt::LSTVEdiStTage) = t.steuertage;
    p.opt.text(Opt::SVVEdiSVTage) = t.svTage;
    t.tageGesichert = false;
}

// The entry rows no longer hold the reduced amounts: the partial month counts
// as switched on but not applied.
void teilmonatNichtMehrUebernommen(ProgrammZustand& p)
{
    if (p.erfass.taStatus != Status::Uebernommen) return;
    p.erfass.taStatus = Status::An;
    p.opt[Opt::TABtnUebernehmen].enabled = true;
    for (Lohnart& z : p.erfass.zeilen) z.ta.clear();
    tageZurueck(p);
}

// --- part time

struct Stunden {
    Currency teilzeit;
    Currency vollzeit;
};

Currency stundenWert(const std::string& t)
{
    return t.empty() ? Currency() : BetragAusText(t);
}

// The hours, or nullopt after the box when the full-time hours cannot divide.
std::optional<Stunden> stunden(ProgrammZustand& p)
{
    const Stunden s{stundenWert(p.opt.text(Opt::TZVEdiWoStd)), stundenWert(p.opt.text(Opt::TZVEdiWoVZ))};
    if (auto meldung = PruefeTeilzeitStunden(s.vollzeit)) {
        p.dialoge.Fehler(*meldung);
        return std::nullopt;
    }
    return s;
}

void teilzeitRechnen(Zeile& z, const Stunden& s)
{
    const Currency voll = betrag(zelle(z, kTZVollzeit), "0,00");
    zelle(z, kTZTeilzeit) = text(TeilzeitBetrag(voll, s.teilzeit, s.vollzeit, zelle(z, kTZRundung)));
}

Zeile* gewaehlt(ProgrammZustand& p, Opt id)
{
    auto& z = p.opt[id];
    if (z.selected < 0 || static_cast<std::size_t>(z.selected) >= z.rows.size()) return nullptr;
    return &z.rows[static_cast<std::size_t>(z.selected)];
}

void jaNein(ProgrammZustand& p, Opt id, bool ja)
{
    p.opt.text(id) = ja ? "ja" : "nein";
    p.opt[id].colour = ja ? Farbe::Green : Farbe::Red;
}

void anzeigenNachUebernahme(ProgrammZustand& p)
{
    p.dialoge.Zeigen(Fenster::Erfass);
    p.dialoge.Verbergen(Fenster::Optionen);
}

}  // namespace

namespace optionen {

void ActTeilmonatGrund(ProgrammZustand& p)
{
    const int m = monat(p);
    const int j = jahr(p);
    const int tage = TageImMonat(m, j);
    auto& o = p.opt;
    o.text(Opt::TBVEdiVon) = "1";
    o.text(Opt::TBVEdiBis) = std::to_string(tage);
    for (Opt id :
         {Opt::TBVEdiVon, Opt::TBVEdiBis, Opt::TBVEdiUB1Von, Opt::TBVEdiUB1Bis, Opt::TBVEdiUB2Von, Opt::TBVEdiUB2Bis}) {
        o[id].max = Currency::fromUnits(tage);
    }
    o.teilmonat.tage = 0;
    o.text(Opt::TALabCapTage) = TeilmonatCaption(p.haupt.text(Haupt::ComboMonat), j);
    o.text(Opt::TALabKalArb) = TeilmonatKalArb(m, j);
    panelsTeilmonat(p, "", "");
}

void ActTAAktualis(ProgrammZustand& p)
{
    if (liste(p, Opt::TALView).empty()) return;
    const TeilmonatPruefung c = pruefen(p);
    if (!c.gueltig()) {
        for (const std::string& m : c.meldungen) p.dialoge.Fehler(m);
        return;
    }
    panelsTeilmonat(p, c.eintritt, c.austritt);
    kuerzen(p, c);
}

void ActTAUebernehmen(ProgrammZustand& p)
{
    auto& rows = liste(p, Opt::TALView);
    if (p.erfass.taStatus == Status::Aus || rows.empty() || p.erfass.zeilen.empty()) return;
    const TeilmonatPruefung c = pruefen(p);
    if (!c.gueltig()) {
        for (const std::string& m : c.meldungen) p.dialoge.Fehler(m);
        return;
    }
    tageSichern(p);
    const SteuerSVTage tage = TeilmonatSteuerSVTage(c);
    p.opt.text(Opt::LSTVEdiStTage) = std::to_string(tage.steuertage);
    p.opt.text(Opt::SVVEdiSVTage) = std::to_string(tage.svTage);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        Zeile& z = rows[i];
        if (Lohnart* e = erfassZeile(p, i)) e->ta = zelle(z, kTAKuerzen);
        eintragen(p, i, betrag(zelle(z, kTAGekuerzt), zelle(z, kTAVoll)));
    }
    erfassNachrechnen(p);
    p.opt[Opt::TABtnUebernehmen].enabled = false;
    p.erfass.taStatus = Status::Uebernommen;
    anzeigenNachUebernahme(p);
}

void TeilmonatZuruecknehmen(ProgrammZustand& p)
{
    if (p.erfass.taStatus != Status::Uebernommen) return;
    auto& rows = liste(p, Opt::TALView);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Zeile& z = rows[i];
        const Lohnart* e = erfassZeile(p, i);
        // A row edited since applying keeps what was typed.
        if (e != nullptr && e->betrag == betrag(zelle(z, kTAGekuerzt), zelle(z, kTAVoll))) {
            eintragen(p, i, betrag(zelle(z, kTAVoll), "0,00"));
        }
    }
    teilmonatNichtMehrUebernommen(p);
    erfassNachrechnen(p);
}

void ActTZAktualis(ProgrammZustand& p)
{
    auto& rows = liste(p, Opt::TZLView);
    if (rows.empty()) return;
    if (p.erfass.tzStatus == Status::Aus) {
        p.dialoge.Information("Bitte erst Teilzeitrechnung aktivieren");
        return;
    }
    const std::optional<Stunden> s = stunden(p);
    if (!s) return;
    panelsStunden(p, p.opt.text(Opt::TZVEdiWoStd) + " Wo.Std.");
    for (Zeile& z : rows) {
        if (zelle(z, kTZMarke) == "x") teilzeitRechnen(z, *s);
    }
    if (p.erfass.tzStatus == Status::Uebernommen && !p.opt[Opt::TZBtnUebernehmen].enabled) ActTZUebernehmen(p);
}

void ActTZUebernehmen(ProgrammZustand& p)
{
    auto& rows = liste(p, Opt::TZLView);
    if (p.erfass.tzStatus == Status::Aus || rows.empty() || p.erfass.zeilen.empty()) return;
    auto& ta = liste(p, Opt::TALView);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        Zeile& z = rows[i];
        const Currency wert = betrag(zelle(z, kTZTeilzeit), zelle(z, kTZVollzeit));
        if (Lohnart* e = erfassZeile(p, i)) e->tz = zelle(z, kTZMarke);
        eintragen(p, i, wert);
        if (i < ta.size()) zelle(ta[i], kTAVoll) = text(wert);
    }
    teilmonatNichtMehrUebernommen(p);
    stillKuerzen(p);
    erfassNachrechnen(p);
    p.opt[Opt::TZBtnUebernehmen].enabled = false;
    p.erfass.tzStatus = Status::Uebernommen;
    anzeigenNachUebernahme(p);
}

void TBComboJaNeinChange(ProgrammZustand& p)
{
    erfass::ActTBAktiv(p, p.opt.text(Opt::TBComboJaNein) == "ja");
}

void TZComboJaNeinChange(ProgrammZustand& p)
{
    erfass::ActTZAktiv(p, p.opt.text(Opt::TZComboJaNein) == "ja");
}

void TALohnartKuerzen(ProgrammZustand& p, bool kuerzen)
{
    Zeile* z = gewaehlt(p, Opt::TALView);
    if (z == nullptr) return;
    zelle(*z, kTAKuerzen) = kuerzen ? "x" : "";
    ActTAAktualis(p);
}

void TZHerunterrechnen(ProgrammZustand& p, bool herunter)
{
    Zeile* z = gewaehlt(p, Opt::TZLView);
    if (z == nullptr) return;
    if (!herunter) {
        zelle(*z, kTZMarke).clear();
        zelle(*z, kTZRundung) = "kfm";
        zelle(*z, kTZTeilzeit) = zelle(*z, kTZVollzeit);
        return;
    }
    const std::optional<Stunden> s = stunden(p);
    if (!s) return;
    zelle(*z, kTZMarke) = "x";
    if (zelle(*z, kTZRundung).empty()) zelle(*z, kTZRundung) = "kfm";
    teilzeitRechnen(*z, *s);
}

void TZRunden(ProgrammZustand& p, const char* code)
{
    Zeile* z = gewaehlt(p, Opt::TZLView);
    if (z == nullptr || zelle(*z, kTZMarke) != "x") return;
    const std::optional<Stunden> s = stunden(p);
    if (!s) return;
    zelle(*z, kTZRundung) = code;
    teilzeitRechnen(*z, *s);
}

void TeilErzeugen(ProgrammZustand& p)
{
    ActTeilmonatGrund(p);
    p.opt.text(Opt::TZVEdiWoStd) = "20,00";
    p.opt.text(Opt::TZVEdiWoVZ) = "37,00";
}

void GrundstellungTeilmonat(ProgrammZustand& p)
{
    p.opt.teilmonat.tageGesichert = false;
    erfass::ActTBAktiv(p, false);
}

void GrundstellungTeilzeit(ProgrammZustand& p)
{
    p.opt.teilmonat.tageGesichert = false;
    erfass::ActTZAktiv(p, false);
}

}  // namespace optionen

namespace erfass {

void ActTZAktiv(ProgrammZustand& p, bool ein)
{
    ErfassZustand& e = p.erfass;
    if (ein == (e.tzStatus != Status::Aus)) return;
    auto& rows = liste(p, Opt::TZLView);
    jaNein(p, Opt::TZComboJaNein, ein);
    if (ein) {
        e.tzStatus = Status::An;
        panelsStunden(p, p.opt.text(Opt::TZVEdiWoStd) + " Wo.Std.");
        p.haupt.panel(kPanelTZ) = "TZ";
        for (Zeile& z : rows) {
            zelle(z, kTZMarke) = "x";
            zelle(z, kTZRundung) = "kfm";
        }
        if (!rows.empty()) optionen::ActTZAktualis(p);
        return;
    }
    if (e.tzStatus == Status::Uebernommen) {
        // The full-time amounts go back wherever applying put the part-time ones.
        auto& ta = liste(p, Opt::TALView);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const Currency voll = betrag(zelle(rows[i], kTZVollzeit), "0,00");
            eintragen(p, i, voll);
            if (i < ta.size()) zelle(ta[i], kTAVoll) = text(voll);
        }
        teilmonatNichtMehrUebernommen(p);
        stillKuerzen(p);
        erfassNachrechnen(p);
    }
    p.opt[Opt::TZBtnUebernehmen].enabled = true;
    panelsStunden(p, "");
    p.haupt.panel(kPanelTZ).clear();
    e.tzStatus = Status::Aus;
    for (Lohnart& z : e.zeilen) z.tz.clear();
    for (Zeile& z : rows) {
        zelle(z, kTZMarke).clear();
        zelle(z, kTZRundung).clear();
        zelle(z, kTZTeilzeit).clear();
    }
}

void ActTBAktiv(ProgrammZustand& p, bool ein)
{
    ErfassZustand& e = p.erfass;
    if (ein == (e.taStatus != Status::Aus)) return;
    auto& rows = liste(p, Opt::TALView);
    jaNein(p, Opt::TBComboJaNein, ein);
    if (ein) {
        e.taStatus = Status::An;
        p.haupt.panel(kPanelTA) = "TA";
        for (Zeile& z : rows) {
            zelle(z, kTAKuerzen) = "x";
            zelle(z, kTAGekuerzt) = zelle(z, kTAVoll);
        }
        optionen::ActTAAktualis(p);
        return;
    }
    if (e.taStatus == Status::Uebernommen) {
        // The full amounts and the days go back, as before applying.
        for (std::size_t i = 0; i < rows.size(); ++i) eintragen(p, i, betrag(zelle(rows[i], kTAVoll), "0,00"));
        tageZurueck(p);
        erfassNachrechnen(p);
    }
    p.opt[Opt::TABtnUebernehmen].enabled = true;
    panelsTeilmonat(p, "", "");
    p.haupt.panel(kPanelTA).clear();
    e.taStatus = Status::Aus;
    for (Lohnart& z : e.zeilen) z.ta.clear();
    for (Zeile& z : rows) {
        zelle(z, kTAKuerzen).clear();
        zelle(z, kTAGekuerzt).clear();
    }
}

void ActTZAktualis(ProgrammZustand& p)
{
    optionen::ActTZAktualis(p);
}

}  // namespace erfass

}  // namespace lx
