#include "Hochrechnung.h"

#include <array>
#include <string>

#include "AmountText.h"
#include "Dez.h"
#include "EingabenKopieren.h"
#include "LxMath.h"
#include "Nettobetrag.h"
#include "ProgrammZustand.h"
#include "erfassung/Erfassung.h"

namespace lx {

namespace {

bool zvHochrechnen(const ProgrammZustand& p)
{
    return p.opt.text(Opt::ZVComboHochr) == "ja";
}

// The scheme's part is grossed up only where there is a scheme: otherwise the
// difference of target and first net is the marked items' deductions, which
// would move the regular gross for items of other kinds.
bool zvAnteilHochrechnen(const ProgrammZustand& p)
{
    return zvHochrechnen(p) && p.haupt.text(Haupt::ComboZV) != "keine";
}

// Puts the rows taken out back when the comparison ends, also by an error.
class ZeilenZurueck {
public:
    explicit ZeilenZurueck(ProgrammZustand& p) : p_(p) {}
    ~ZeilenZurueck()
    {
        erfass::ActErfZurueck(p_);
        erfass::ActNTBrutti(p_);
    }
    ZeilenZurueck(const ZeilenZurueck&) = delete;
    ZeilenZurueck& operator=(const ZeilenZurueck&) = delete;

private:
    ProgrammZustand& p_;
};

// A LiBoUniversal line back to its amount; an empty line is 0.
Currency zeilenBetrag(const std::vector<std::string>& zeilen, std::size_t i)
{
    return i < zeilen.size() && !zeilen[i].empty() ? StrToCurr(zeilen[i]) : 0_cur;
}

// Regular, one-off, multi-year.
std::array<Currency, 3> nachArt(const NTSummen& s)
{
    return {s.lfd, s.ebz, s.lmj};
}

}  // namespace

std::vector<NTZeile> NTZeilen(const std::vector<Lohnart>& zeilen)
{
    std::vector<NTZeile> z;
    z.reserve(zeilen.size());
    for (const Lohnart& l : zeilen) {
        z.push_back({.betrag = formatAmount(l.betrag),
                     .nt = flagText(l.flags[kNT]),
                     .eb = flagText(l.flags[kEB]),
                     .lmj = flagText(l.flags[kLMJ]),
                     .art = l.typ});
    }
    return z;
}

Currency SummeNTBetraege(const ProgrammZustand& p, Currency start)
{
    return SummeNTBetraege(start, NTZeilen(p.erfass.zeilen));
}

KopieVorgaben BruttoVorgaben(const Bruttosummen& b, Currency zvBrutto)
{
    KopieVorgaben v;
    v.svBrutto = b[kSVBrutto];
    v.svBruttoEB = b[kSVBruttoEB];
    v.stBrutto = b[kSteuerbrutto];
    v.stBruttoEB = b[kSteuerbruttoEB];
    v.stBruttoLMJ = b[kSteuerbruttoLMJ];
    v.gesamtbrutto = b[kGesamtbrutto];
    v.zvBrutto = zvBrutto;
    v.vbBrutto = b[kVBBrutto];
    return v;
}

void SetzeBruttosummen(TLohnGehalt& lg, const Bruttosummen& b)
{
    lg.SetGesamtbrutto(b[kGesamtbrutto]);
    lg.SetStBrutto(b[kSteuerbrutto]);
    lg.SetSVBrutto(b[kSVBrutto]);
    lg.SetStBruttoEB(b[kSteuerbruttoEB]);
    lg.SetStBruttoLMJ(b[kSteuerbruttoLMJ]);
    lg.SetSVBruttoEB(b[kSVBruttoEB]);
    lg.SetZVBrutto(b[kZVBrutto]);
}

Currency PrepareNettoHochrechnung(ProgrammZustand& p)
{
    erfass::ActErfSichern(p);
    const ZeilenZurueck zurueck(p);
    auto& universal = p.haupt[Haupt::LiBoUniversal].items;
    universal.clear();
    p.NTSummeLfd = p.NTSummeEBZ = p.NTSummeLMJ = 0_cur;
    auto& zeilen = p.erfass.zeilen;
    const NTSummen s = NTSummenNachArt(NTZeilen(zeilen));
    std::erase_if(zeilen, [](const Lohnart& z) { return z.flags[kNT]; });
    p.NTSummeLfd = s.lfd;
    p.NTSummeEBZ = s.ebz;
    p.NTSummeLMJ = s.lmj;
    universal = {shortestText(s.lfd), shortestText(s.ebz), shortestText(s.lmj)};

    erfass::ActNTBrutti(p);
    const Bruttosummen& b = p.erfass.brutto;
    // The birth year and the pension-benefit ceiling are the fields the
    // driver has just given the working engine; the copy keeps them.
    KopieVorgaben vorgaben = BruttoVorgaben(b, b[kZVBrutto]);
    vorgaben.zvKeine = zvHochrechnen(p);
    EingabenKopieren(p.LohnGehalt, p.LohnGehalt2, vorgaben);
    p.LohnGehalt2.Berechnen();
    return NettoBrutto(p.LohnGehalt2, b[kGesamtbrutto]);
}

void SetzeHochrechnungsBrutto(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen, const NTSummen& summen, Currency G)
{
    const Bruttosummen start = BerechneBrutto(zeilen, false);
    const auto anteil = nachArt(HochrechnungAnteile(G - start[kGesamtbrutto], summen));
    const auto summe = nachArt(summen);
    const auto zeilenSumme = nachArt(NTSummenNachArt(NTZeilen(zeilen)));

    // Each net-marked payment takes its kind's share in proportion to its
    // amount, so every total it counts in moves with it; the last row of its
    // kind takes the rest.
    std::vector<Lohnart> versuch = zeilen;
    std::array<Currency, 3> verteilt{};
    std::array<Currency, 3> offen = zeilenSumme;
    for (Lohnart& z : versuch) {
        if (!z.flags[kNT] || z.typ != kBezug) continue;
        const std::size_t k = z.flags[kEB] ? 1 : z.flags[kLMJ] ? 2 : 0;
        offen[k] -= z.betrag;
        Currency teil;
        if (summe[k] <= 0_cur) {
            teil = 0_cur;  // a kind that does not move
        } else if (offen[k] == 0_cur && summe[k] == zeilenSumme[k]) {
            teil = anteil[k] - verteilt[k];
        } else {
            teil = (dez(anteil[k]) * dez(z.betrag)).divide<kCents>(dez(summe[k]), Round::HalfUp).toCurrency(Round::Cut);
        }
        verteilt[k] += teil;
        z.betrag += teil;
    }
    Bruttosummen b = BerechneBrutto(versuch, false);
    // The scheme's taxable part belongs to no row: regular tax and SV gross.
    const Currency ohneZeile = anteil[0] - verteilt[0];
    b[kSteuerbrutto] += ohneZeile;
    b[kSVBrutto] += ohneZeile;
    b[kGesamtbrutto] = G;
    SetzeBruttosummen(lg, b);
}

HochrechnungsErgebnis Hochrechnen(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen,
                                  const std::function<HochrechnungsZiel()>& zielBestimmen, bool zvHochrechnen,
                                  const NettoFunktion& netto)
{
    lg.Berechnen();
    const Currency start = BerechneBrutto(zeilen, false)[kGesamtbrutto];
    const HochrechnungsZiel z = zielBestimmen();
    HochrechnungsErgebnis e;
    e.summen = z.summen;
    e.ziel = z.vergleichsnetto + z.summen.lfd + z.summen.ebz + z.summen.lmj;
    const Currency ersteNetto = netto(lg, start);
    if (zvHochrechnen) e.summen.lfd += e.ziel - ersteNetto;

    const NettoIterationRegeln regeln{
        .grenze = kSchrittgrenze, .steuerklasse6 = lg.GegebeneEingaben().FStKl == 6, .zuschlag = HochrechnungZuschlag};
    e.iteration = NettoSucheNachErster(
        start, ersteNetto, e.ziel,
        [&](Currency G) {
            SetzeHochrechnungsBrutto(lg, zeilen, e.summen, G);
            lg.Berechnen();
            return netto(lg, G);
        },
        regeln);
    return e;
}

void ActNettoHochrechnung(ProgrammZustand& p)
{
    ActNettoHochrechnung(p, NettoBrutto);
}

void ActNettoHochrechnung(ProgrammZustand& p, const NettoFunktion& netto)
{
    p.FNTHochrechnung = 1;
    const std::vector<Lohnart> zeilen = p.erfass.zeilen;
    const HochrechnungsErgebnis e = Hochrechnen(
        p.LohnGehalt, zeilen,
        [&p] {
            const Currency vergleich = PrepareNettoHochrechnung(p);
            const auto& ntZeilen = p.haupt[Haupt::LiBoUniversal].items;
            return HochrechnungsZiel{vergleich,
                                     {zeilenBetrag(ntZeilen, 0), zeilenBetrag(ntZeilen, 1), zeilenBetrag(ntZeilen, 2)}};
        },
        zvAnteilHochrechnen(p), netto);
    // The scheme's taxable part stays in the regular sum for the payslip.
    p.NTSummeLfd = e.summen.lfd;
    p.haupt.text(Haupt::LEdiBrutto) = formatAmount(e.iteration.brutto);
    p.haupt.text(Haupt::LEdiNetto) = formatAmount(e.iteration.netto);
    if (e.iteration.abgebrochen) Melden(p, AbbruchMeldung());
}

}  // namespace lx
