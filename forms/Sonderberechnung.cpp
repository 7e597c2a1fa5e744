#include "Sonderberechnung.h"

#include <algorithm>
#include <string>

#include "AmountText.h"
#include "Berichte.h"
#include "CopyInputs.h"
#include "Erfassung.h"
#include "LxMath.h"
#include "NettoIteration.h"
#include "PlanRundung.h"
#include "ProgrammZustand.h"

namespace lx {

namespace {

Currency betragAus(std::string_view text)
{
    return StrToCurr(OhnePunkte(text));
}

const std::string& zelle(const Zeile& z, std::size_t i)
{
    static const std::string leer;
    return i < z.cells.size() ? z.cells[i] : leer;
}

Currency haelfte(Currency a)
{
    return RundeCentExakt(Haelfte(dez(a)));
}

// Health and care as the net pays them: a voluntary member keeps the
// employer's subsidy, a self-payer gets it on top.
Currency kvPvAnteile(const TLohnGehalt& lg, Currency n)
{
    if (lg.FBGRKV == 9 || lg.FKVBes == 2) {
        n += lg.FKVAG - lg.FKVAN;
    } else if (lg.FKVBes == 4) {
        n += lg.FKVAG;
    } else {
        n -= lg.FKVAN;
    }
    if (lg.FBGRKV == 9 || lg.FPVBes == 2) {
        n += lg.FPVAG - lg.FPVAN;
    } else if (lg.FPVBes == 4) {
        n += lg.FPVAG;
    } else {
        n -= lg.FPVAN;
    }
    return n;
}

// The net of the pay period from the trial gross (the net-mode search).
Currency nettoLaufend(const TLohnGehalt& lg, Currency G)
{
    return kvPvAnteile(lg, G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN));
}

// The net of the total gross with the one-off and multi-year deductions, as
// the gross-up of net-marked items forms it.
Currency nettoGesamt(const TLohnGehalt& lg, Currency G)
{
    Currency n = G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
    n -= lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB;
    n -= lg.FLStLMJ + lg.FSolZLMJ + lg.FKiStEvLMJ + lg.FKiStRkLMJ;
    n -= lg.FKVANEB + lg.FRVANEB + lg.FAVANEB + lg.FPVANEB;
    return kvPvAnteile(lg, n);
}

// Puts the entry rows and their totals back as they were, whatever happens
// in between.
class ZeilenSicherung {
public:
    explicit ZeilenSicherung(ProgrammZustand& p) : p_(p), brutto_(p.erfass.brutto) { erfass::ActErfSichern(p); }
    ~ZeilenSicherung()
    {
        erfass::ActErfZurueck(p_);
        p_.erfass.brutto = brutto_;
    }
    ZeilenSicherung(const ZeilenSicherung&) = delete;
    ZeilenSicherung& operator=(const ZeilenSicherung&) = delete;

private:
    ProgrammZustand& p_;
    Bruttosummen brutto_;
};

// The scheme's taxable and contribution-liable levy as net-marked benefits in
// kind, named after the main window's scheme. Appended to the rows directly:
// the entry band keeps what the user typed.
bool ZVZeilenAnhaengen(ProgrammZustand& p, Currency stPfl, Currency svPfl)
{
    if (stPfl <= 0_cur && svPfl <= 0_cur) return false;
    const std::string name = p.haupt.text(Haupt::ComboZV) + "-";
    auto zeile = [&](std::string suffix, Currency betrag, bool lst, bool sv) {
        Lohnart z{.name = name + suffix, .betrag = betrag, .typ = kSachbezug};
        z.flags[kLST] = lst;
        z.flags[kSV] = sv;
        z.flags[kNT] = true;
        if (p.erfass.zeilen.size() < kMaxZeilen) p.erfass.zeilen.push_back(std::move(z));
    };
    if (stPfl != svPfl) {
        if (stPfl > 0_cur) zeile("steuerpflichtig", stPfl, true, false);
        if (svPfl > 0_cur) zeile("sozialvers.pfl.", svPfl, false, true);
    } else {
        zeile("steuer- u. sv-pfl.", stPfl, true, true);
    }
    return true;
}

Currency SummeNTZahlungen(const std::vector<Lohnart>& zeilen)
{
    Currency s;
    for (const Lohnart& z : zeilen) {
        if (z.flags[kNT] && z.typ == kBezug) s += z.betrag;
    }
    return s;
}

// The reports' inputs from the windows: method, print name, month, year and
// the garnishment list's rows.
PfaendungsEingaben PfaendungsBerichtEingaben(const ProgrammZustand& p)
{
    PfaendungsEingaben e{.PfdComboMethode = p.opt.text(Opt::PfdComboMethode),
                         .LEdiDruckName = p.abr.text(Abr::LEdiDruckName),
                         .ComboMonat = p.haupt.text(Haupt::ComboMonat),
                         .ComboJahr = p.haupt.text(Haupt::ComboJahr),
                         .zeilen = {}};
    for (const Zeile& z : p.opt[Opt::PfdLView].rows) e.zeilen.push_back({zelle(z, 0), zelle(z, 1), zelle(z, 2)});
    return e;
}

class Sonderrechnung {
public:
    Sonderrechnung(ProgrammZustand& p, const SonderNettoErsatz& ersatz) : p_(p), lg2_(p.LohnGehalt2), ersatz_(ersatz) {}

    void run()
    {
        const std::size_t eintraege = p_.erfass.zeilen.size();
        const PfaendbareZeilen reduziert = ReduziereZeilen(p_.erfass.zeilen, p_.opt[Opt::PfdLView].rows);
        p_.erfass.zeilen = reduziert.zeilen;
        erfass::ActNTBrutti(p_);
        Kopieren();
        lg2_.SetPfaendKorrektur(reduziert.korrektur);

        if (p_.haupt[Haupt::LEdiNetto].tag == 1) {
            NettoSuche();
        } else {
            BruttoModus();
        }
        lg2_.BerechnePfaendung();
        // The report's "VL-Abzug" rows are those the correction took.
        PfaendungsEingaben ein = PfaendungsBerichtEingaben(p_);
        ein.zeilen.resize(std::min(ein.zeilen.size(), eintraege));
        p_.abr[Abr::LiBoPfd].items = NettoPfaendungsabrechnung(lg2_, ein);
    }

private:
    bool entUmwNein() const { return p_.opt.text(Opt::PfdComboEntUmw) == "nein"; }
    bool zvHaupt() const { return p_.haupt.text(Haupt::ComboZV) != "keine"; }
    bool steuerklasse6() const { return p_.LohnGehalt.GegebeneEingaben().FStKl == 6; }
    Currency zvBrutto(const Bruttosummen& b) const { return entUmwNein() ? 0_cur : b[kZVBrutto]; }

    Currency vergleiche(Currency n, Currency ziel) const { return ersatz_ ? ersatz_(n, ziel) : n; }

    void Kopieren()
    {
        const Bruttosummen& b = p_.erfass.brutto;
        const OptionenZustand& o = p_.opt;
        KopieVorgaben v;
        v.svBrutto = b[kSVBrutto];
        v.stBrutto = b[kSteuerbrutto];
        v.svBruttoEB = b[kSVBruttoEB];
        v.stBruttoEB = b[kSteuerbruttoEB];
        v.stBruttoLMJ = b[kSteuerbruttoLMJ];
        v.gesamtbrutto = b[kGesamtbrutto];
        v.zvBrutto = zvBrutto(b);
        v.vbBrutto = b[kVBBrutto];
        const bool ohneVersorgung = entUmwNein();
        v.weitere = [&o, ohneVersorgung](LohnEingaben& w) {
            if (ohneVersorgung) {
                w.FBAVAN = 0_cur;
                w.FBAVArt = 0;
                w.FZVArt = "keine";
            }
            w.FATZ = 0;
            w.FSVTageVorher = StrToInt(o.text(Opt::EBVEdiTgVor));
            w.FStAuto = o[Opt::EBChkStAuto].checked ? 1 : 0;
            w.FSVAuto = o[Opt::EBChkSVAuto].checked ? 1 : 0;
            w.FStBruttoJahr = betragAus(o.text(Opt::EBVEdiStJahr));
            w.FVBBruttoJahr = betragAus(o.text(Opt::EBVEdiVBJahr));
            w.FKVBruttoVor = betragAus(o.text(Opt::EBVEdiKVBrVor));
            w.FRVBruttoVor = betragAus(o.text(Opt::EBVEdiRVBrVor));
            w.FFBJahr = betragAus(o.text(Opt::LSTVEdiFBJahr));
            w.FPfaendung = o.text(Opt::PfdComboJaNein) == "ja" ? 1 : 0;
            w.FUnterhaltPers = static_cast<Byte>(StrToInt(o.text(Opt::PfdVEdiUntPers)));
            w.FPfaendVerbleib = betragAus(o.text(Opt::PfdVEdiVerbleib));
        };
        CopyInputs(p_.LohnGehalt, lg2_, v);
    }

    // Net mode: the gross whose net is the wanted net, each trial the total
    // gross too, so that the garnishable net is the trial's.
    void NettoSuche()
    {
        const Currency W = betragAus(p_.haupt.text(Haupt::LEdiNetto));
        const bool zv = zvHaupt() && !entUmwNein();
        auto netto = [&](Currency G) {
            lg2_.SetStBrutto(G);
            lg2_.SetSVBrutto(G);
            if (zv) lg2_.SetZVBrutto(G);
            lg2_.SetGesamtbrutto(G);
            lg2_.Berechnen();
            return vergleiche(nettoLaufend(lg2_, G), W);
        };
        NettoIterationRegeln regeln;
        regeln.steuerklasse6 = steuerklasse6();
        if (NettoIteration(W, W, netto, regeln).abgebrochen) {
            p_.dialoge.Information("Hochrechnung nach 300 Schritten abgebrochen");
        }
    }

    void BruttoModus()
    {
        // The calculation's own flag stays as it is; this one starts from it.
        bool hochrechnen = p_.FNTHochrechnung != 0 || std::any_of(p_.erfass.zeilen.begin(), p_.erfass.zeilen.end(),
                                                                  [](const Lohnart& z) { return z.flags[kNT]; });
        const bool zvHochr = p_.opt.text(Opt::ZVComboHochr) == "ja";
        if (zvHochr && zvHaupt()) {
            lg2_.Berechnen();
            if (ZVZeilenAnhaengen(p_, lg2_.FZVStPfl, lg2_.FZVSVPfl)) hochrechnen = true;
            erfass::ActBrutti(p_);
        }
        if (hochrechnen) {
            Hochrechnen(zvHochr);
        } else {
            lg2_.Berechnen();
        }
    }

    void SetzeNebenBrutti(const Bruttosummen& b)
    {
        lg2_.SetStBruttoEB(b[kSteuerbruttoEB]);
        lg2_.SetStBruttoLMJ(b[kSteuerbruttoLMJ]);
        lg2_.SetSVBruttoEB(b[kSVBruttoEB]);
        lg2_.SetZVBrutto(zvBrutto(b));
        lg2_.SetVBBrutto(b[kVBBrutto]);
    }

    // The net-marked rows grossed up on the second engine: the target is the
    // net of the other rows plus the marked payments; the trial gross moves
    // the tax and contribution gross of those rows by the same amount.
    void Hochrechnen(bool zvHochr)
    {
        erfass::ActNTBrutti(p_);
        const Bruttosummen ohneNT = p_.erfass.brutto;
        const Currency G0 = ohneNT[kGesamtbrutto];
        // The totals, not the engine's adjusted gross: that has the tax days,
        // the transition zone, the levy and deferred compensation in it.
        const Currency T0 = ohneNT[kSteuerbrutto];
        const Currency S0 = ohneNT[kSVBrutto];
        lg2_.SetSVBrutto(S0);
        lg2_.SetStBrutto(T0);
        SetzeNebenBrutti(ohneNT);
        lg2_.SetGesamtbrutto(G0);
        lg2_.Berechnen();
        const Currency W = nettoGesamt(lg2_, G0) + SummeNTZahlungen(p_.erfass.zeilen);

        erfass::ActBrutti(p_);
        const Bruttosummen alle = p_.erfass.brutto;
        SetzeNebenBrutti(alle);
        if (zvHochr) {
            lg2_.SetSVBrutto(alle[kSVBrutto]);
            lg2_.SetStBrutto(alle[kSteuerbrutto]);
        }
        lg2_.SetGesamtbrutto(G0);
        lg2_.Berechnen();
        const Currency n1 = vergleiche(nettoGesamt(lg2_, G0), W);

        auto netto = [&](Currency G) {
            lg2_.SetStBrutto(T0 + (G - G0));
            lg2_.SetSVBrutto(S0 + (G - G0));
            lg2_.SetGesamtbrutto(G);
            lg2_.Berechnen();
            return vergleiche(nettoGesamt(lg2_, G), W);
        };
        NettoIterationRegeln regeln;
        regeln.steuerklasse6 = steuerklasse6();
        regeln.zuschlag = HochrechnungZuschlag;
        if (NettoIterationNachErster(G0, n1, W, netto, regeln).abgebrochen) {
            p_.dialoge.Information("Hochr.in Sonderber. nach 300 Schritten abgebrochen");
        }
    }

    ProgrammZustand& p_;
    TLohnGehalt& lg2_;
    const SonderNettoErsatz& ersatz_;
};

}  // namespace

Currency PfaendbaresWeihnachtsgeld(Currency betrag)
{
    const Currency h = haelfte(betrag);
    return h > 500_cur ? betrag - 500_cur : h;
}

PfaendbareZeilen ReduziereZeilen(const std::vector<Lohnart>& zeilen, const std::vector<Zeile>& pfaendung)
{
    PfaendbareZeilen r;
    Currency vl;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        Lohnart z = zeilen[i];
        if (i < pfaendung.size()) {
            const std::string& marke = zelle(pfaendung[i], 2);
            const Currency a = betragAus(zelle(pfaendung[i], 1));
            if (marke.empty()) continue;
            if (marke == "WG") {
                z.betrag = PfaendbaresWeihnachtsgeld(a);
            } else if (marke == "ÜbStd.") {
                z.betrag = haelfte(a);
            } else if (marke == "VL-Abzug") {
                vl += a;
            }
        }
        r.zeilen.push_back(std::move(z));
    }
    r.korrektur = -vl;
    return r;
}

void ActSonderberechnung(ProgrammZustand& p)
{
    ActSonderberechnung(p, {});
}

void ActSonderberechnung(ProgrammZustand& p, const SonderNettoErsatz& ersatz)
{
    const ZeilenSicherung sicherung(p);
    Sonderrechnung(p, ersatz).run();
}

void ActBPfaendungsabrechnung(ProgrammZustand& p)
{
    p.abr[Abr::LiBoPfd].items = BruttoPfaendungsabrechnung(p.LohnGehalt, PfaendungsBerichtEingaben(p));
}

}  // namespace lx
