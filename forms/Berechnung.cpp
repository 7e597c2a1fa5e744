#include "Berechnung.h"

#include "AmountText.h"
#include "Dez.h"
#include "LxMath.h"
#include "Optionen.h"
#include "OptionenZustand.h"
#include "PlanRundung.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

std::optional<Stopp> bereich(std::string_view name, int wert, int von, int bis, std::optional<OptionenSeite> seite,
                             std::string_view fokus)
{
    if (wert >= von && wert <= bis) return std::nullopt;
    return Stopp{std::string(name) + ": \"" + std::to_string(wert) + "\" ist kein gültiger Wert (" +
                     std::to_string(von) + " bis " + std::to_string(bis) + ")",
                 seite ? SeitenNr(*seite) : kHauptfenster, std::string(fokus)};
}

// The health and care parts of a net, by the special cases.
Currency kvPvAnteile(const TLohnGehalt& lg, Currency n)
{
    if (lg.KVFreiwillig()) {
        n = n - lg.FKVAN + lg.FKVAG;
    } else if (lg.FKVBes == Besonderheit::PrivatSelbstzahler) {
        n += lg.FKVAG;
    } else {
        n -= lg.FKVAN;
    }
    if (lg.PVFreiwillig()) {
        n = n - lg.FPVAN + lg.FPVAG;
    } else if (lg.FPVBes == Besonderheit::PrivatSelbstzahler) {
        n += lg.FPVAG;
    } else {
        n -= lg.FPVAN;
    }
    return n;
}

Currency halbAufCent(Currency x)
{
    return RundeCentExakt(Haelfte(dez(x)));
}

}  // namespace

std::optional<Stopp> PruefeEingaben(const BerechnungsEingaben& w)
{
    if (w.vbBlock() && w.vbErsterVers == 0_cur) {
        return Stopp{"Bitte Grundlagen für Versor-\rgungsfreibetrag eingeben",
                     SeitenNr(OptionenSeite::Versorgungsbezuege), "VBVEdiErsterVers"};
    }
    if (ZeichenAn(w.bgr, 1) != "0" && w.rvBes != RVBesonderheit::Keine) {
        return Stopp{"RV Versorgungswerk nur bei RV-BGR 0 möglich", kHauptfenster, ""};
    }
    if (w.zvArt == "individuell" && w.zvSatzAG == 0_cur && w.zvSatzAN == 0_cur) {
        return Stopp{"Bitte-ZV-Umlagesätze eingeben", SeitenNr(OptionenSeite::Zusatzversicherung), "ZVVEdiPAGA"};
    }
    if (auto s = bereich("Steuerklasse", w.stKl, 0, 6, std::nullopt, "LEdiStKl")) return s;
    if (auto s = bereich("Steuertage", w.stTage, 1, 30, OptionenSeite::Lohnsteuer, "LSTVEdiStTage")) return s;
    if (auto s = bereich("SV-Tage", w.svTage, 1, 30, OptionenSeite::Sozialversicherung, "SVVEdiSVTage")) return s;
    if (auto s = bereich("SV-Tage bis einschl. Vormonat", w.svTageVorher, 0, 330, OptionenSeite::Einmalbezuege,
                         "EBVEdiTgVor"))
        return s;
    if (w.vbBlock()) {
        if (auto s = bereich("Zahl der Monate, für die Versorgungsbezug gezahlt wird", w.vbMonate, 1, 12,
                             OptionenSeite::Versorgungsbezuege, "VBVEdiMonate")) {
            return s;
        }
    }
    return std::nullopt;
}

Currency NettoLaufend(const TLohnGehalt& lg, Currency G)
{
    const Currency n = G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
    return kvPvAnteile(lg, n);
}

Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto)
{
    Currency n = gesamtbrutto - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
    n -= lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB;
    n -= lg.FLStLMJ + lg.FSolZLMJ + lg.FKiStEvLMJ + lg.FKiStRkLMJ;
    n -= lg.FKVANEB + lg.FRVANEB + lg.FAVANEB + lg.FPVANEB;
    return kvPvAnteile(lg, n);
}

NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6)
{
    lg.Berechnen();
    const Currency erstesNetto = NettoLaufend(lg, wunschNetto);
    auto netto = [&lg, zv](Currency G) {
        lg.SetStBrutto(G);
        lg.SetSVBrutto(G);
        if (zv) lg.SetZVBrutto(G);
        // The garnishable net and the payslip take the trial as the total gross.
        lg.SetGesamtbrutto(G);
        lg.Berechnen();
        return NettoLaufend(lg, G);
    };
    NettoIterationRegeln regeln;
    regeln.steuerklasse6 = steuerklasse6;
    return NettoIterationNachErster(wunschNetto, erstesNetto, wunschNetto, netto, regeln);
}

Currency PfaendungsKorrektur(const std::vector<PfaendungsZeile>& zeilen)
{
    Currency summe;
    for (const PfaendungsZeile& z : zeilen) {
        const Currency x = z.betrag;
        if (z.marke.empty()) {
            summe += x;
        } else if (z.marke == "ÜbStd.") {
            summe += halbAufCent(x);
        } else if (z.marke == "WG") {
            const Currency haelfte = halbAufCent(x);
            summe += haelfte > 500.00_cur ? 500.00_cur : x - haelfte;
        } else if (z.marke == "VL-Abzug") {
            summe -= x;
        }
    }
    return summe;
}

PfaendungsPlan PlanePfaendung(const BerechnungsEingaben& w)
{
    PfaendungsPlan plan;
    const bool an = w.pfaendung == 1;
    for (const PfaendungsZeile& z : w.pfdZeilen) {
        if (z.marke != "x") plan.sonderflag = true;
    }
    if (an && w.pfdEntUmwNein && w.bavAN != 0_cur && w.bavArt != BAVArt::Keine) plan.sonderflag = true;
    if (an && w.zvArt != "keine") plan.sonderflag = true;
    // A sum of zero is passed as it is: nothing of the pay is exempt then.
    if (an && plan.sonderflag) plan.korrektur = PfaendungsKorrektur(w.pfdZeilen);
    plan.sonderberechnung = an && plan.sonderflag;
    plan.berechnePfaendung = an && (!plan.sonderflag || w.pfdBruttomethode);
    return plan;
}

std::optional<Currency> Geringfuegigkeitsgrenze(std::string_view bgr, int jahr, int monat)
{
    if (bgr != "6500" && bgr != "0500" && bgr != "6100") return std::nullopt;
    if (jahr < kErstesListenjahr) return std::nullopt;
    return GleitzoneUntergrenze(jahr, monat);
}

std::optional<std::string> MinijobHinweis(std::string_view bgr, int jahr, int monat, Currency svBrutto)
{
    const auto grenze = Geringfuegigkeitsgrenze(bgr, jahr, monat);
    if (!grenze || *grenze >= svBrutto) return std::nullopt;
    return "Die Geringfügigkeitsgrenze beträgt " + formatAmount(*grenze, 0, false) + " Euro";
}

}  // namespace lx
