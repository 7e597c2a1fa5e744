#include "Sonderberechnung.h"

#include <algorithm>
#include <memory>
#include <string>

#include "AmountText.h"
#include "Berichte.h"
#include "EingabenKopieren.h"
#include "Hochrechnung.h"
#include "LxMath.h"
#include "NettoIteration.h"
#include "NettoZuBrutto.h"
#include "Nettobetrag.h"
#include "Pfaendung.h"
#include "ProgrammZustand.h"
#include "erfassung/Erfassung.h"

namespace lx {

namespace {

const std::string& zelle(const Zeile& z, std::size_t i)
{
    static const std::string leer;
    return i < z.cells.size() ? z.cells[i] : leer;
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
        const PfaendbareZeilen reduziert =
            ReduziereZeilen(p_.erfass.zeilen, p_.opt[Opt::PfdLView].rows, p_.LohnGehalt.FJahr, p_.LohnGehalt.FMonat);
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
        ActNPfaendungsabrechnung(eintraege);
    }

private:
    // The net-method report; its "VL-Abzug" rows are those the correction
    // took, the first `eintraege` of the garnishment list.
    void ActNPfaendungsabrechnung(std::size_t eintraege)
    {
        PfaendungsEingaben ein = PfaendungsBerichtEingaben(p_);
        ein.zeilen.resize(std::min(ein.zeilen.size(), eintraege));
        p_.abr[Abr::LiBoPfd].items = NettoPfaendungsabrechnung(lg2_, ein);
    }

    bool entUmwNein() const { return p_.opt.text(Opt::PfdComboEntUmw) == "nein"; }
    bool zvHaupt() const { return p_.haupt.text(Haupt::ComboZV) != "keine"; }
    bool steuerklasse6() const { return p_.LohnGehalt.GegebeneEingaben().FStKl == 6; }
    Currency zvBrutto(const Bruttosummen& b) const { return entUmwNein() ? 0_cur : b[kZVBrutto]; }

    Currency vergleiche(Currency n, Currency ziel) const { return ersatz_ ? ersatz_(n, ziel) : n; }

    void Kopieren()
    {
        const Bruttosummen& b = p_.erfass.brutto;
        const OptionenZustand& o = p_.opt;
        KopieVorgaben v = BruttoVorgaben(b, zvBrutto(b));
        const bool ohneVersorgung = entUmwNein();
        v.weitere = [&o, ohneVersorgung](Monatseingaben& e) {
            if (ohneVersorgung) {
                e.BAVAN = 0_cur;
                e.BAVArt = 0;
                e.ZVArt = "keine";
            }
            e.ATZ = 0;
            e.SVTageVorher = StrToInt(o.text(Opt::EBVEdiTgVor));
            e.StAuto = o[Opt::EBChkStAuto].checked ? 1 : 0;
            e.SVAuto = o[Opt::EBChkSVAuto].checked ? 1 : 0;
            e.StBruttoJahr = BetragAusText(o.text(Opt::EBVEdiStJahr));
            e.VBBruttoJahr = BetragAusText(o.text(Opt::EBVEdiVBJahr));
            e.KVBruttoVor = BetragAusText(o.text(Opt::EBVEdiKVBrVor));
            e.RVBruttoVor = BetragAusText(o.text(Opt::EBVEdiRVBrVor));
            e.FBJahr = BetragAusText(o.text(Opt::LSTVEdiFBJahr));
            e.Pfaendung = o.text(Opt::PfdComboJaNein) == "ja" ? 1 : 0;
            e.UnterhaltPers = static_cast<Byte>(StrToInt(o.text(Opt::PfdVEdiUntPers)));
            e.PfaendVerbleib = BetragAusText(o.text(Opt::PfdVEdiVerbleib));
        };
        EingabenKopieren(p_.LohnGehalt, lg2_, v);
    }

    // Net mode: the gross whose net is the wanted net, each trial the total
    // gross too, so that the garnishable net is the trial's.
    void NettoSuche()
    {
        const Currency W = BetragAusText(p_.haupt.text(Haupt::LEdiNetto));
        const bool zv = zvHaupt() && !entUmwNein();
        auto netto = [&](Currency G) { return vergleiche(NettoBeiBrutto(lg2_, G, zv), W); };
        NettoIterationRegeln regeln;
        regeln.steuerklasse6 = steuerklasse6();
        if (NettoIteration(W, W, netto, regeln).abgebrochen) {
            Melden(p_, AbbruchMeldung());
        }
    }

    void BruttoModus()
    {
        // As the calculation decides on its gross-up, with a flag of its own
        // started from the calculation's.
        const bool zvHochr = p_.opt.text(Opt::ZVComboHochr) == "ja";
        const bool zvAnteil = zvHochr && zvHaupt();
        const bool hochrechnen = p_.FNTHochrechnung != 0 || zvAnteil ||
                                 std::any_of(p_.erfass.zeilen.begin(), p_.erfass.zeilen.end(),
                                             [](const Lohnart& z) { return z.flags[kNT]; });
        if (hochrechnen) {
            NTHochrechnen(zvHochr, zvAnteil && !entUmwNein());
        } else {
            lg2_.Berechnen();
        }
    }

    // The net-marked rows grossed up on the second engine the way the
    // calculation grosses them up on the working engine: the comparison net of
    // the other rows (on an engine of its own, so the second engine keeps its
    // inputs), then trial grosses moving the totals the marked rows count in.
    void NTHochrechnen(bool zvKeineImVergleich, bool zvAnteil)
    {
        const std::vector<Lohnart> zeilen = p_.erfass.zeilen;
        Bruttosummen alle = BerechneBrutto(zeilen, false);
        alle[kZVBrutto] = zvBrutto(alle);
        SetzeBruttosummen(lg2_, alle);
        lg2_.SetVBBrutto(alle[kVBBrutto]);

        Currency ziel;
        auto zielBestimmen = [&] {
            const Bruttosummen ohne = BerechneBrutto(zeilen, true);
            KopieVorgaben v = BruttoVorgaben(ohne, zvBrutto(ohne));
            v.zvKeine = zvKeineImVergleich;
            const auto vergleich = std::make_unique<TLohnGehalt>();
            EingabenKopieren(lg2_, *vergleich, v);
            vergleich->Berechnen();
            const HochrechnungsZiel z{NettoBrutto(*vergleich, ohne[kGesamtbrutto]), NTSummenNachArt(NTZeilen(zeilen))};
            ziel = z.vergleichsnetto + z.summen.lfd + z.summen.ebz + z.summen.lmj;
            return z;
        };
        auto netto = [&](const TLohnGehalt& lg, Currency G) { return vergleiche(NettoBrutto(lg, G), ziel); };
        if (Hochrechnen(lg2_, zeilen, zielBestimmen, zvAnteil, netto).iteration.abgebrochen) {
            Melden(p_, AbbruchMeldung(true));
        }
    }

    ProgrammZustand& p_;
    TLohnGehalt& lg2_;
    const SonderNettoErsatz& ersatz_;
};

}  // namespace

PfaendbareZeilen ReduziereZeilen(const std::vector<Lohnart>& zeilen, const std::vector<Zeile>& pfaendung, int jahr,
                                 int monat)
{
    PfaendbareZeilen r;
    // the month's pay beside the Christmas bonus, which caps its exempt part up to 2021
    Currency verdienst;
    for (const Zeile& z : pfaendung) {
        const Currency a = BetragAusText(zelle(z, 1));
        if (zelle(z, 2) != "WG" && a > 0_cur) verdienst += a;
    }
    Currency vl;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        Lohnart z = zeilen[i];
        if (i < pfaendung.size()) {
            const std::string& marke = zelle(pfaendung[i], 2);
            const Currency a = BetragAusText(zelle(pfaendung[i], 1));
            if (marke.empty()) continue;
            if (marke == "WG") {
                z.betrag = PfaendbaresWeihnachtsgeld(a, jahr, monat, verdienst);
            } else if (marke == "ÜbStd.") {
                z.betrag = UeberstundenHaelfte(a);
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
