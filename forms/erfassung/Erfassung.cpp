#include "Erfassung.h"

#include <algorithm>
#include <string>

#include "AmountText.h"
#include "Beitragsrundung.h"
#include "LxMath.h"
#include "optionen/TeilmonatTeilzeit.h"

namespace lx {

namespace {

using enum Erfass;

constexpr std::array<Erfass, kFlagAnzahl> kFlagZellen = {AEdiLST, AEdiSV, AEdiZV, AEdiEB, AEdiLMJ, AEdiNT, AEdiVB};

constexpr std::array<const char*, kBruttoAnzahl> kBruttoNamen = {
    "Gesamtbrutto",        "Steuerbrutto", "Steuerbrutto EB", "Steuerbrutto LMJ", "SV-Brutto ungek.",
    "SV-Brutto EB ungek.", "ZV-Brutto",    "VB-Brutto lfd.",  "VB-Brutto EB"};

std::string text(Currency c)
{
    return formatAmount(c);
}

bool teilzeitAn(const ProgrammZustand& p)
{
    return p.opt.text(Opt::TZComboJaNein) == "ja";
}

std::vector<std::string>& indexListe(ProgrammZustand& p)
{
    return p.opt[Opt::TZLiBo].items;
}

std::vector<Zeile>& liste(ProgrammZustand& p, Opt id)
{
    return p.opt[id].rows;
}

// The typed amount with the sign rule of deductions.
Currency getippterBetrag(const ProgrammZustand& p)
{
    Currency b = BetragAusText(p.erfass.text(VEdiBetrag));
    if (p.erfass.typ == kAbzug && p.erfass[ChkAbzSteuerung].checked) b = -b;
    return b;
}

// EB and LMJ together: EB is cleared and the user told so.
void EbLmjPruefen(ProgrammZustand& p)
{
    if (!p.erfass.text(AEdiEB).empty() && !p.erfass.text(AEdiLMJ).empty()) {
        p.erfass.text(AEdiEB).clear();
        p.dialoge.Information("Bei LMJ nicht auch EB ankreuzen!");
    }
}

void EingabeGrundstellung(ErfassZustand& e)
{
    for (Erfass id : {AEdiLOA, VEdiBetrag, AEdiLST, AEdiSV, AEdiZV, AEdiEB, AEdiLMJ, AEdiNT, AEdiVB}) {
        grundstellung(e[id], e.element(id));
    }
    e.typ = kBezug;
    e.editiert.reset();
}

std::string pfaendbarMarke(const Lohnart& z)
{
    if (z.typ == kAbzug) return z.name == "VL-Abzug" ? "VL-Abzug" : "Abzug";
    if (z.name == "Weihnachtsgeld") return "WG";
    if (z.name == "Überstunden") return "ÜbStd.";
    if (z.name == "Urlaubsgeld") return "";
    return "x";
}

Zeile tzZeile(const Lohnart& z, bool an)
{
    return {.cells = {z.name, an ? "x" : "", an ? "kfm" : "", text(z.betrag), ""}, .image = z.typ};
}
Zeile taZeile(const Lohnart& z)
{
    return {.cells = {z.name, "", text(z.betrag), ""}, .image = z.typ};
}
Zeile pfdZeile(const Lohnart& z)
{
    return {.cells = {z.name, text(z.betrag), pfaendbarMarke(z)}, .image = z.typ};
}
Zeile atzZeile(const Lohnart& z)
{
    return {.cells = {z.name, "ja", text(z.betrag), text(z.betrag * 2)}, .image = z.typ};
}

// Appends entry row i to the mirrored lists.
void Spiegeln(ProgrammZustand& p, std::size_t i, bool an)
{
    const Lohnart& z = p.erfass.zeilen[i];
    liste(p, Opt::PfdLView).push_back(pfdZeile(z));
    if (z.typ == kAbzug) return;
    liste(p, Opt::TZLView).push_back(tzZeile(z, an));
    indexListe(p).push_back(std::to_string(i));
    liste(p, Opt::TALView).push_back(taZeile(z));
    liste(p, Opt::ATZLView).push_back(atzZeile(z));
}

void SpiegelLeeren(ProgrammZustand& p)
{
    for (Opt id : {Opt::TZLView, Opt::TALView, Opt::PfdLView, Opt::ATZLView}) liste(p, id).clear();
    indexListe(p).clear();
}

// The position in TZLiBo of entry row i, if it has one.
std::optional<std::size_t> indexPosition(ProgrammZustand& p, std::size_t i)
{
    const auto& idx = indexListe(p);
    const auto it = std::find(idx.begin(), idx.end(), std::to_string(i));
    if (it == idx.end()) return std::nullopt;
    return static_cast<std::size_t>(it - idx.begin());
}

// Where entry row i's entries go: before the first entry naming a later row.
std::size_t einfuegePosition(ProgrammZustand& p, std::size_t i)
{
    const auto& idx = indexListe(p);
    std::size_t pos = 0;
    while (pos < idx.size() && static_cast<std::size_t>(StrToInt(idx[pos])) < i) ++pos;
    return pos;
}

void EintraegeEntfernen(ProgrammZustand& p, std::size_t pos)
{
    for (Opt id : {Opt::TZLView, Opt::TALView, Opt::ATZLView}) {
        auto& rows = liste(p, id);
        if (pos < rows.size()) rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(pos));
    }
    auto& idx = indexListe(p);
    idx.erase(idx.begin() + static_cast<std::ptrdiff_t>(pos));
}

template <class T>
void setzeZelle(std::vector<T>& rows, std::size_t pos, std::size_t zelle, const std::string& wert)
{
    if (pos < rows.size() && zelle < rows[pos].cells.size()) rows[pos].cells[zelle] = wert;
}

// After an edit with part time on: entry row i's mirrored rows take its new
// name and amounts in place, their marks kept; a row that became or ceased to
// be a deduction loses or gains its entries at its position.
void SpiegelAktualisieren(ProgrammZustand& p, std::size_t i)
{
    const Lohnart& z = p.erfass.zeilen[i];
    auto& pfd = liste(p, Opt::PfdLView);
    if (i < pfd.size()) {
        const bool warAbzug = pfd[i].cells.size() > 2 && (pfd[i].cells[2] == "Abzug" || pfd[i].cells[2] == "VL-Abzug");
        if (warAbzug != (z.typ == kAbzug)) {
            pfd[i] = pfdZeile(z);
        } else {
            pfd[i].cells[0] = z.name;
            pfd[i].cells[1] = text(z.betrag);
            pfd[i].image = z.typ;
        }
    }
    const std::optional<std::size_t> pos = indexPosition(p, i);
    if (z.typ == kAbzug) {
        if (pos) EintraegeEntfernen(p, *pos);
        return;
    }
    if (!pos) {
        const std::size_t neu = einfuegePosition(p, i);
        auto einfuegen = [&](Opt id, Zeile zeile) {
            auto& rows = liste(p, id);
            rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(std::min(neu, rows.size())), std::move(zeile));
        };
        einfuegen(Opt::TZLView, tzZeile(z, true));
        einfuegen(Opt::TALView, taZeile(z));
        einfuegen(Opt::ATZLView, atzZeile(z));
        auto& idx = indexListe(p);
        idx.insert(idx.begin() + static_cast<std::ptrdiff_t>(neu), std::to_string(i));
        return;
    }
    auto& tz = liste(p, Opt::TZLView);
    setzeZelle(tz, *pos, 0, z.name);
    setzeZelle(tz, *pos, 3, text(z.betrag));
    setzeZelle(tz, *pos, 4, "");
    auto& ta = liste(p, Opt::TALView);
    setzeZelle(ta, *pos, 0, z.name);
    setzeZelle(ta, *pos, 2, text(z.betrag));
    setzeZelle(ta, *pos, 3, "");
    auto& atz = liste(p, Opt::ATZLView);
    setzeZelle(atz, *pos, 0, z.name);
    setzeZelle(atz, *pos, 2, text(z.betrag));
    setzeZelle(atz, *pos, 3, text(z.betrag * 2));
    for (Opt id : {Opt::TZLView, Opt::TALView, Opt::ATZLView}) {
        auto& rows = liste(p, id);
        if (*pos < rows.size()) rows[*pos].image = z.typ;
    }
}

Currency zellenBetrag(const Zeile& z, std::size_t zelle)
{
    return zelle < z.cells.size() && !z.cells[zelle].empty() ? BetragAusText(z.cells[zelle]) : Currency();
}

// The regular pay from the partial-retirement rows and, with a percentage,
// the top-up on `basis` (nullopt: the regular pay itself).
void ATZAufstockung(ProgrammZustand& p, bool manuelleBasis)
{
    Currency regel;
    for (const Zeile& z : liste(p, Opt::ATZLView)) {
        if (z.cells.size() > 1 && z.cells[1] != "nein") regel += zellenBetrag(z, 2);
    }
    p.opt.text(Opt::ATZLabRegEnt) = text(regel);
    const std::string& prozent = p.opt.text(Opt::ATZLxVEdiAufst);
    if (p.opt.text(Opt::ATZLabRegEnt) == "0,00" || prozent.empty()) return;
    Currency basis = regel;
    const std::string& manuell = p.opt.text(Opt::ATZmanReg);
    if (manuelleBasis && !manuell.empty() && manuell != "0,00") basis = BetragAusText(manuell);
    p.opt.text(Opt::ATZLabAufst) = text(RundeCentExakt(Prozent(basis, BetragAusText(prozent))));
}

}  // namespace

Bruttosummen BerechneBrutto(const std::vector<Lohnart>& zeilen, bool ohneNT)
{
    Bruttosummen s{};
    for (const Lohnart& z : zeilen) {
        if (ohneNT && z.flags[kNT]) continue;
        const auto& f = z.flags;
        const Currency b = z.betrag;
        if (z.typ == kBezug) s[kGesamtbrutto] += b;
        if (f[kLST] && !f[kEB] && !f[kLMJ]) s[kSteuerbrutto] += b;
        if (f[kLST] && f[kEB]) s[kSteuerbruttoEB] += b;
        if (f[kLMJ]) s[kSteuerbruttoLMJ] += b;
        if (f[kSV] && !f[kEB] && !f[kLMJ]) s[kSVBrutto] += b;
        if (f[kSV] && (f[kEB] || f[kLMJ])) s[kSVBruttoEB] += b;
        if (f[kZV]) s[kZVBrutto] += b;
        if (f[kVB] && !f[kEB]) s[kVBBrutto] += b;
        if (f[kVB] && f[kEB]) s[kVBBruttoEB] += b;
    }
    return s;
}

namespace erfass {

void ActGrundstellung(ProgrammZustand& p)
{
    ErfassZustand& e = p.erfass;
    e.zeilen.clear();
    ActBrutti(p);
    EingabeGrundstellung(e);
    e.auswahl = 0;
    e[StatusBar1].items.assign(4, "");
    SpiegelLeeren(p);
}

bool ActUebernehmen(ProgrammZustand& p)
{
    ErfassZustand& e = p.erfass;
    const Currency betrag = getippterBetrag(p);
    if (e.zeilen.size() >= kMaxZeilen) {
        p.dialoge.Information("Es können höchstens 255 Zeilen erfasst werden");
        return false;
    }
    EbLmjPruefen(p);
    Lohnart z{.name = e.text(AEdiLOA), .betrag = betrag, .typ = e.typ};
    if (z.typ != kAbzug) {
        for (int f = 0; f < kFlagAnzahl; ++f) z.flags[f] = !e.text(kFlagZellen[f]).empty();
    }
    e.zeilen.push_back(z);
    return true;
}

void ActBrutti(ProgrammZustand& p)
{
    p.erfass.brutto = BerechneBrutto(p.erfass.zeilen, false);
}

void ActNTBrutti(ProgrammZustand& p)
{
    p.erfass.brutto = BerechneBrutto(p.erfass.zeilen, true);
}

void ActTZUebernehmen(ProgrammZustand& p)
{
    const auto& zeilen = p.erfass.zeilen;
    if (zeilen.empty()) return;
    const bool an = teilzeitAn(p);
    if (!an) {
        // The rebuilt lists take the rows' amounts as the full ones.
        optionen::TeilmonatZuruecknehmen(p);
        SpiegelLeeren(p);
        for (std::size_t i = 0; i < zeilen.size(); ++i) Spiegeln(p, i, false);
    } else {
        Spiegeln(p, zeilen.size() - 1, true);
        if (zeilen.back().typ == kAbzug) return;
        ActTZAktualis(p);
    }
    ATZAufstockung(p, false);
}

void ZeileNehmen(ProgrammZustand& p, std::optional<int> typ)
{
    ErfassZustand& e = p.erfass;
    if (e.text(VEdiBetrag).empty()) {
        p.dialoge.Information("Bitte Betrag eingeben");
        p.dialoge.Fokus(Fenster::Erfass, "VEdiBetrag");
        return;
    }
    BereichAnwenden(e[VEdiBetrag], e.element(VEdiBetrag));
    // Said once, the field keeps the focus (a lone "-" of a deduction typed with its sign).
    if (!BetragAusTextOderNichts(e.text(VEdiBetrag))) {
        p.dialoge.Fehler("Betrag: bitte eine Zahl eingeben");
        p.dialoge.Fokus(Fenster::Erfass, "VEdiBetrag");
        return;
    }
    if (typ) e.typ = *typ;
    if (e.editiert) {
        ActEditUebernahme(p);
        return;
    }
    if (!ActUebernehmen(p)) return;
    e.auswahl = 0;
    ActBrutti(p);
    ActTZUebernehmen(p);
    p.dialoge.Fokus(Fenster::Erfass, "AEdiLOA");
}

void ActEditStart(ProgrammZustand& p)
{
    ErfassZustand& e = p.erfass;
    if (e.zeilen.empty() || e.editiert) return;
    const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(std::max(e.auswahl, 0)), e.zeilen.size() - 1);
    const Lohnart& z = e.zeilen[i];
    e.editiert = i;
    e.text(AEdiLOA) = z.name;
    for (int f = 0; f < kFlagAnzahl; ++f) e.text(kFlagZellen[f]) = flagText(z.flags[f]);
    e.typ = z.typ;
    const bool negiert = z.typ == kAbzug && e[ChkAbzSteuerung].checked;
    e.text(VEdiBetrag) = text(negiert ? -z.betrag : z.betrag);
}

void ActEditUebernahme(ProgrammZustand& p)
{
    ErfassZustand& e = p.erfass;
    if (!e.editiert || *e.editiert >= e.zeilen.size()) return;
    const Currency betrag = getippterBetrag(p);
    EbLmjPruefen(p);
    const std::size_t i = *e.editiert;
    Lohnart& z = e.zeilen[i];
    const bool warAbzug = z.typ == kAbzug;
    z.name = e.text(AEdiLOA);
    z.betrag = betrag;
    for (int f = 0; f < kFlagAnzahl; ++f) z.flags[f] = !e.text(kFlagZellen[f]).empty();
    z.typ = e.typ;
    ActBrutti(p);
    e.auswahl = 0;
    e.editiert.reset();
    p.dialoge.Fokus(Fenster::Erfass, "AEdiLOA");
    ActATZBezAktualis(p);
    if (teilzeitAn(p)) {
        SpiegelAktualisieren(p, i);
        if (z.typ != kAbzug || !warAbzug) ActTZAktualis(p);
        ActATZAktualis(p);
    } else {
        ActTZUebernehmen(p);
    }
}

void ActEditAbbruch(ProgrammZustand& p)
{
    EingabeGrundstellung(p.erfass);
}

void ZeileLoeschen(ProgrammZustand& p)
{
    ErfassZustand& e = p.erfass;
    if (e.zeilen.empty() || e.editiert) return;
    const std::size_t i = std::min<std::size_t>(static_cast<std::size_t>(std::max(e.auswahl, 0)), e.zeilen.size() - 1);
    e.zeilen.erase(e.zeilen.begin() + static_cast<std::ptrdiff_t>(i));
    ActBrutti(p);
    auto& pfd = liste(p, Opt::PfdLView);
    if (i < pfd.size()) pfd.erase(pfd.begin() + static_cast<std::ptrdiff_t>(i));
    if (const auto pos = indexPosition(p, i)) EintraegeEntfernen(p, *pos);
    // Every later row moves up by one, deduction or not.
    for (std::string& eintrag : indexListe(p)) {
        const int n = StrToInt(eintrag);
        if (n > static_cast<int>(i)) eintrag = std::to_string(n - 1);
    }
    ActATZAktualis(p);
    e.auswahl = 0;
}

void AlleZeilenLoeschen(ProgrammZustand& p)
{
    if (p.erfass.editiert) return;
    if (!p.erfass.zeilen.empty() && p.dialoge.JaNein("Wirklich alles löschen?")) {
        ActGrundstellung(p);
        ActDelLViews(p);
    }
    p.dialoge.Fokus(Fenster::Erfass, "AEdiLOA");
}

void TypWaehlen(ProgrammZustand& p, int typ)
{
    p.erfass.typ = typ;
}

void ErfassSchliessen(ProgrammZustand& p)
{
    if (p.erfass.editiert) ActEditAbbruch(p);
}

void ActATZAktualis(ProgrammZustand& p)
{
    auto& rows = liste(p, Opt::ATZLView);
    if (rows.empty()) {
        p.opt.text(Opt::ATZLabRegEnt) = "0,00";
        p.opt.text(Opt::ATZLabAufst) = "0,00";
        return;
    }
    for (Zeile& z : rows) {
        if (z.cells.size() < 4) continue;
        const Currency teilzeit = zellenBetrag(z, 2);
        z.cells[3] = z.cells[1] == "ja" ? text(teilzeit * 2) : z.cells[1] == "nein" ? "0,00" : text(teilzeit);
    }
    ATZAufstockung(p, true);
}

void ActDelLViews(ProgrammZustand& p)
{
    SpiegelLeeren(p);
    p.opt.text(Opt::ATZLabRegEnt) = "0,00";
    p.opt.text(Opt::ATZLabAufst) = "0,00";
    p.opt.text(Opt::ATZmanReg) = "0,00";
}

void ActErfSichern(ProgrammZustand& p)
{
    p.erfass.sicherung = p.erfass.zeilen;
}

void ActErfZurueck(ProgrammZustand& p)
{
    p.erfass.zeilen = p.erfass.sicherung;
    ActNTBrutti(p);
}

void PnlTZAktivClick(ProgrammZustand& p, bool links)
{
    if (links) ActTZAktiv(p, p.erfass.tzStatus == Status::Aus);
    p.dialoge.OptionenZeigen(10);
}

void PnlTBAktivClick(ProgrammZustand& p, bool links)
{
    if (links) ActTBAktiv(p, p.erfass.taStatus == Status::Aus);
    p.dialoge.OptionenZeigen(9);
}

}  // namespace erfass

void ErfassAnzeigen(ErfassZustand& e)
{
    const bool tz = e.tzStatus != Status::Aus;
    const bool ta = e.taStatus != Status::Aus;
    auto& lv = e[LView];
    lv.columns = e.element(LView).columns;
    if (tz) lv.columns.push_back({"TZ", 30, Ausrichtung::Mitte});
    if (ta) lv.columns.push_back({"TA", 30, Ausrichtung::Mitte});
    lv.rows.clear();
    for (std::size_t i = 0; i < e.zeilen.size(); ++i) {
        const Lohnart& z = e.zeilen[i];
        Zeile zeile{.cells = {z.name, text(z.betrag)}, .image = z.typ};
        for (bool f : z.flags) zeile.cells.push_back(flagText(f));
        if (tz) zeile.cells.push_back(z.tz);
        if (ta) zeile.cells.push_back(z.ta);
        zeile.colour = z.typ == kSachbezug ? Farbe::Maroon : z.typ == kAbzug ? Farbe::Red : Farbe::Standard;
        if (e.editiert == i) zeile.background = Farbe::Yellow;
        lv.rows.push_back(std::move(zeile));
    }
    lv.selected = e.zeilen.empty() ? -1 : std::min(e.auswahl, static_cast<int>(e.zeilen.size()) - 1);

    auto& brutto = e[LViewBrutti].rows;
    brutto.clear();
    for (int i = 0; i < kBruttoAnzahl; ++i) brutto.push_back({.cells = {kBruttoNamen[i], text(e.brutto[i])}});

    e[PnlBezug].colour = e.typ == kBezug ? Farbe::Lime : Farbe::BtnFace;
    e[PnlSachbezug].colour = e.typ == kSachbezug ? Farbe::Yellow : Farbe::BtnFace;
    e[PnlAbzug].colour = e.typ == kAbzug ? Farbe::Red : Farbe::BtnFace;
    auto statusFarbe = [](Status s) {
        return s == Status::Aus ? Farbe::BtnFace : s == Status::An ? Farbe::Yellow : Farbe::Lime;
    };
    e[PnlTZAktiv].colour = statusFarbe(e.tzStatus);
    e[PnlTBAktiv].colour = statusFarbe(e.taStatus);

    const bool editieren = e.editiert.has_value();
    for (Erfass id : {BtnUebernehmen, BtnEditieren, BtnLoeschen, BtnAllesLoeschen}) e[id].visible = !editieren;
    for (Erfass id : {BtnAenderung, BtnAbbrechen}) e[id].visible = editieren;
}

}  // namespace lx
