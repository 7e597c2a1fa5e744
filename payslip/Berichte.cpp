#include "Berichte.h"

#include <algorithm>

#include "AmountText.h"
#include "Beitragsrundung.h"
#include "DetailZeilen.h"
#include "Detailabrechnung.h"
#include "LxMath.h"
#include "Pfaendung.h"
#include "PlanRundung.h"

namespace lx {

namespace {

std::string titelZusatz(const std::string& druckName, const std::string& monat, const std::string& jahr)
{
    return (druckName.empty() ? std::string() : druckName + " ") + monat + " " + jahr;
}

void kopf(std::vector<std::string>& z, const PfaendungsEingaben& ein)
{
    z.push_back("Pfändungsberechnung (" + ein.PfdComboMethode + ") " +
                titelZusatz(ein.LEdiDruckName, ein.ComboMonat, ein.ComboJahr));
    z.emplace_back(70, '_');
    z.emplace_back();
}

void abzuege(std::vector<std::string>& z, const TLohnGehalt& lg)
{
    z.push_back(FormatDetailZeile("Lohnsteuer", -(lg.FLSt + lg.FLStEB + lg.FLStLMJ)));
    z.push_back(FormatDetailZeile("Solidaritätszuschlag", -(lg.FSolZ + lg.FSolZEB + lg.FSolZLMJ)));
    z.push_back(FormatDetailZeile(
        "Kirchensteuer", -(lg.FKiStEv + lg.FKiStRk + lg.FKiStEvEB + lg.FKiStRkEB + lg.FKiStEvLMJ + lg.FKiStRkLMJ)));
    z.push_back(FormatDetailZeile("Krankenversicherung", KVAbzug(lg)));
    z.push_back(FormatDetailZeile("Rentenversicherung", -(lg.FRVAN + lg.FRVANEB)));
    z.push_back(FormatDetailZeile("Arbeitslosenversicherung", -(lg.FAVAN + lg.FAVANEB)));
    z.push_back(FormatDetailZeile("Pflegeversicherung", PVAbzug(lg)));
}

// What a self-paying member pays his insurer less the subsidy, which the
// garnishable net has lost beside the seven deductions.
void selbstgezahlt(std::vector<std::string>& z, const TLohnGehalt& lg)
{
    const Currency s = lg.SelbstgezahlteVorsorge();
    if (s.isZero()) return;
    z.push_back(FormatDetailZeile("KV/PV selbst gez. abzgl. Zuschuss", -s));
    z.emplace_back();
}

void schluss(std::vector<std::string>& z, const TLohnGehalt& lg)
{
    z.push_back(FormatDetailZeile("Unterhaltsber. Personen", std::to_string(lg.FUnterhaltPers), false));
    if (lg.FPfaendVerbleib > 0_cur) {
        z.emplace_back();
        z.push_back(FormatDetailZeile("Verbleibendes Netto", lg.FPfaendVerbleib));
    }
}

// The partial-retirement steps; `z` gets the lines when given.
ATZZusatzbeitrag atzSchritte(const TLohnGehalt& lg, std::vector<std::string>* z)
{
    auto zeile = [z](std::string_view label, Currency betrag) {
        if (z) z->push_back(FormatDetailZeile(label, betrag));
    };
    auto leer = [z] {
        if (z) z->emplace_back();
    };
    // A pay at or above the caps leaves no base; the engine floors it at 0 too.
    auto nichtNegativ = [](Currency b) { return std::max(b, 0_cur); };

    Currency b = RundeCentExakt(Prozent(lg.FATZRegelentgelt, lg.FATZAufstRV));
    zeile(shortestText(lg.FATZAufstRV) + "% vom Regelarbeitsentgelt", b);
    leer();
    const Currency c90 = RundeCentExakt(Prozent(lg.FBBGRV, 90_cur));
    if (b > c90 - lg.FATZRegelentgelt) {
        zeile("max. Diff. 90% RV-BBG / Regelarb.", c90 - lg.FATZRegelentgelt);
        leer();
        b = nichtNegativ(c90 - lg.FATZRegelentgelt);
    }
    if (lg.FBBGRV < b + lg.FRVBasis) {
        zeile("RV-BBG", lg.FBBGRV);
        leer();
        zeile("RV-Brutto", lg.FRVBasis);
        leer();
        zeile("maximal Diff. RV-BBG / RV-Brutto", lg.FBBGRV - lg.FRVBasis);
        b = nichtNegativ(lg.FBBGRV - lg.FRVBasis);
    }
    const Currency k = RundeCentExakt(Prozent(b, lg.FRVSatz));
    zeile("RV - Beitrag " + formatAmount(lg.FRVSatz) + "%", k);
    return {b, k};
}

}  // namespace

std::string FormatAbrZeile(std::string_view label, std::string_view wert, bool geld, bool negativ)
{
    return FormatDetailZeile(label, wert, geld, negativ);
}

Currency PfaendbaresNetto(const TLohnGehalt& lg)
{
    return lg.NettoVon(lg.FGesamtbrutto) - lg.SelbstgezahlteVorsorge();
}

std::vector<std::string> NettoPfaendungsabrechnung(const TLohnGehalt& lg2, const PfaendungsEingaben& ein)
{
    std::vector<std::string> z;
    kopf(z, ein);
    z.push_back(FormatDetailZeile("Steuerbrutto lfd.", lg2.FStBrutto));
    if (lg2.FStBruttoEB > 0_cur) z.push_back(FormatDetailZeile("Steuerbrutto EBZ", lg2.FStBruttoEB));
    if (lg2.FStBruttoLMJ > 0_cur) z.push_back(FormatDetailZeile("Steuerbrutto LMJ", lg2.FStBruttoLMJ));
    z.push_back(FormatDetailZeile("KV-Brutto lfd.", lg2.FKVBasis));
    if (lg2.FKVBasisEB > 0_cur) z.push_back(FormatDetailZeile("KV-Brutto EBZ", lg2.FKVBasisEB));
    z.push_back(FormatDetailZeile("RV-Brutto lfd.", lg2.FRVBasis));
    if (lg2.FRVBasisEB > 0_cur) z.push_back(FormatDetailZeile("RV-Brutto EBZ", lg2.FRVBasisEB));
    z.push_back(FormatDetailZeile("Pfändungsbrutto", lg2.FGesamtbrutto));
    z.emplace_back();
    abzuege(z, lg2);
    z.emplace_back();
    selbstgezahlt(z, lg2);

    Currency q = PfaendbaresNetto(lg2);
    Currency v;
    for (const PfaendungsListenZeile& p : ein.zeilen) {
        if (p.marke == "VL-Abzug") v += BetragAusText(p.betrag);
    }
    if (v < 0_cur) {
        q += v;
        z.push_back(FormatDetailZeile("VL-Abzug", v));
        z.emplace_back();
    }
    z.push_back(FormatDetailZeile("Pfändbarer Nettobetrag", q));
    z.emplace_back();
    z.push_back(FormatDetailZeile("Pfändungsbetrag", lg2.FPfaendBetrag));
    z.emplace_back();
    z.emplace_back();
    schluss(z, lg2);
    return z;
}

std::vector<std::string> BruttoPfaendungsabrechnung(const TLohnGehalt& lg, const PfaendungsEingaben& ein)
{
    std::vector<std::string> z;
    kopf(z, ein);
    z.push_back(FormatDetailZeile("Brutto", lg.FGesamtbrutto));
    z.emplace_back();
    abzuege(z, lg);
    z.emplace_back();
    selbstgezahlt(z, lg);

    Currency q = PfaendbaresNetto(lg);
    if (!lg.FPfaendKorrektur.isZero()) {
        Currency verdienst;
        for (const PfaendungsListenZeile& p : ein.zeilen) {
            const Currency a = BetragAusText(p.betrag);
            if (p.marke != "WG" && a > 0_cur) verdienst += a;
        }
        for (const PfaendungsListenZeile& p : ein.zeilen) {
            if (p.marke.empty()) {
                z.push_back(FormatDetailZeile(p.bezeichnung, -BetragAusText(p.betrag)));
            } else if (p.marke == "ÜbStd.") {
                z.push_back(FormatDetailZeile("1/2 Überstunden", -UeberstundenHaelfte(BetragAusText(p.betrag))));
            } else if (p.marke == "WG") {
                // The exempt part, as the correction below takes it off.
                z.push_back(FormatDetailZeile(
                    "Weihnachtsgeld",
                    -UnpfaendbaresWeihnachtsgeld(BetragAusText(p.betrag), lg.FJahr, lg.FMonat, verdienst)));
            }
        }
        q -= lg.FPfaendKorrektur;
        z.emplace_back();
    }
    z.push_back(FormatDetailZeile("Pfändbarer Nettobetrag", q));
    z.emplace_back();
    z.push_back(FormatDetailZeile("Pfändungsbetrag", lg.FPfaendBetrag));
    z.emplace_back();
    z.emplace_back();
    schluss(z, lg);
    return z;
}

ATZZusatzbeitrag ATZZusatzbeitragFuer(const TLohnGehalt& lg)
{
    return atzSchritte(lg, nullptr);
}

std::vector<std::string> ATZAbrechnung(const TLohnGehalt& lg, const ATZEingaben& ein)
{
    std::vector<std::string> z;
    z.push_back("Altersteilzeitberechnung " + titelZusatz(ein.LEdiDruckName, ein.ComboMonat, ein.ComboJahr));
    z.emplace_back(70, '_');
    z.emplace_back();
    z.emplace_back("Grundlage: ab 01.07.2004 (Regelarbeitsentgelt)");
    z.emplace_back();
    if (lg.FATZ == 0) return z;

    for (const ATZZeile& p : ein.zeilen) {
        std::string zeile = FormatDetailZeile(p.bezeichnung, p.teilzeit, true);
        if (p.aufstocken == "nein") zeile += "  nicht aufstocken";
        z.push_back(std::move(zeile));
    }
    z.emplace_back();
    z.push_back(FormatDetailZeile("Regelarbeitsentgelt", lg.FATZRegelentgelt));
    z.emplace_back();
    z.push_back(FormatDetailZeile("Aufstockung " + shortestText(lg.FATZAufstockung) + "%", lg.FATZAufstBetrag));
    z.emplace_back();
    z.emplace_back(70, '_');
    z.emplace_back();
    z.emplace_back("Zusätzlicher AG-Beitrag zur Rentenversicherung:");
    z.emplace_back();
    atzSchritte(lg, &z);
    return z;
}

}  // namespace lx
