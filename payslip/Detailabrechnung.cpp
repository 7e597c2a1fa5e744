#include "Detailabrechnung.h"

#include <algorithm>

#include "AmountText.h"
#include "Beitragsrundung.h"
#include "DetailZeilen.h"
#include "LxMath.h"
#include "Nettobetrag.h"
#include "Optionen.h"
#include "PlanRundung.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

constexpr const char* kNeunLeer = "         ";

bool mitEinmalbezug(const TLohnGehalt& lg)
{
    return lg.FStBruttoEB > 0_cur || lg.FStBruttoLMJ > 0_cur || lg.FSVBruttoEB > 0_cur;
}

// Name of a supplementary scheme: `text`, or the own name of an individual scheme.
std::string zvName(const DetailEingaben& ein, const std::string& text)
{
    return ein.ZVComboArt == "individuell" ? ein.ZVEdiNameIndZV : text;
}

std::string jaNein(bool ja)
{
    return ja ? "ja" : "nein";
}

// Values of one run that several blocks share.
struct Laufwerte {
    Currency e;  // "Gesamtbrutto" total
    Currency m;  // gross the net starts from
    Currency d;  // net-wage difference after a gross-up
    bool differenz = false;
    std::string g;  // gross shown
};

Laufwerte laufwerte(const TLohnGehalt& lg, const DetailEingaben& ein)
{
    Laufwerte w;
    w.e = BetragAusText(ein.gesamtbrutto);
    const bool netto = ein.LEdiNettoTag == 1;
    const bool hoch = ein.FNTHochrechnung == 1;
    // The gross field is read only where it counts: a plain gross run does not need it.
    const Currency b = (netto || hoch) ? BetragAusText(ein.LEdiBrutto) : 0_cur;
    if (hoch) {
        // What the grossed-up gross holds beyond the payments listed (the
        // net-marked ones at their net amounts): so the items marked "GBr"
        // add up to the gross shown.
        Currency gelistet;
        for (const Posten& p : ein.posten) {
            if (p.art == Postenart::Zahlung) gelistet += BetragAusText(p.betrag);
        }
        w.d = b - gelistet;
        w.differenz = !w.d.isZero();
    }
    // The top-up is paid in every mode and counts once, as without a gross-up.
    w.m = ((netto || hoch) ? b : w.e) + lg.FATZAufstBetrag;
    w.g = (hoch || (netto && !b.isZero()) || lg.FATZ == 1) ? formatAmount(w.m) : ein.gesamtbrutto;
    return w;
}

void kopf(std::vector<std::string>& z, const DetailEingaben& ein)
{
    const std::string datum = ein.ComboMonat + " " + ein.ComboJahr;
    const std::size_t laenge = Zeichenzahl(datum);
    z.push_back(std::string(kAbrechnungsTitel) + std::string(laenge < 78 ? 78 - laenge : 0, ' ') + datum);
    z.push_back(std::string(95, '_'));
    z.emplace_back();
    z.emplace_back("Lohnart                       Betrag   GBr  LSt  SoV  ZuV  EBZ  LMJ  Net  VBz");
    z.emplace_back();
}

void postenZeilen(std::vector<std::string>& z, const DetailEingaben& ein)
{
    for (const Posten& p : ein.posten) {
        if (p.art == Postenart::Abzug) continue;
        unsigned marken = p.art == Postenart::Zahlung ? kGBr : 0u;
        if (p.lst == "x") marken |= kLSt;
        if (p.sv == "x") marken |= kSoV;
        if (p.zv == "x") marken |= kZuV;
        if (p.eb == "x") marken |= kEBZ;
        if (p.lmj == "x") marken |= kLMJ;
        if (p.nt == "x") marken |= kNet;
        if (p.vb == "x") marken |= kVBz;
        z.push_back(WertZeile(p.bezeichnung, p.betrag) + MarkZellen(marken, true));
    }
}

// The extra health rate the engine computed with, as the field writes it ("1,70").
std::string kvZusatz(const TLohnGehalt& lg)
{
    return formatAmount(lg.FKVZusatz);
}

// The employer's rates: a mini-job's flat rates where the engine takes them.
Currency kvSatzAG(const TLohnGehalt& lg)
{
    return lg.FBGRKV == KVZiffer::MinijobPauschal ? MinijobKVPauschalsatz(lg.FJahr, lg.FMonat) : lg.FKVSatz;
}

Currency rvSatzAG(const TLohnGehalt& lg)
{
    return lg.RVAGPauschal() ? MinijobRVPauschalsatz(lg.FJahr, lg.FMonat) : lg.FRVSatz;
}

// Rows 6 to 21: gross, deductions of the engine, net and the subsidies.
void hauptblock(std::vector<std::string>& z, const TLohnGehalt& lg, const DetailEingaben& ein, const Laufwerte& w,
                Currency netto)
{
    z.emplace_back();
    z.push_back(WertZeile("Gesamtbrutto", w.g));
    z.emplace_back();
    z.push_back(WertZeile("Lohnsteuer", -(lg.FLSt + lg.FLStEB + lg.FLStLMJ)));
    z.push_back(WertZeile("Solidaritätszuschlag", -(lg.FSolZ + lg.FSolZEB + lg.FSolZLMJ)));
    z.push_back(WertZeile("Kirchensteuer",
                          -(lg.FKiStEv + lg.FKiStRk + lg.FKiStEvEB + lg.FKiStRkEB + lg.FKiStEvLMJ + lg.FKiStRkLMJ)));
    z.push_back(WertZeile("Krankenversicherung", KVAbzug(lg)) + "   " + SatzText(lg.FKVSatz) + " + " + kvZusatz(lg) +
                "%");
    const Currency rv = lg.FRVBes != RVBesonderheit::Keine ? 0_cur : -(lg.FRVAN + lg.FRVANEB);
    z.push_back(WertZeile("Rentenversicherung", rv) + "   " + SatzText(lg.FRVSatz));
    z.push_back(WertZeile("Arbeitslosenversicherung", -(lg.FAVAN + lg.FAVANEB)) + "    " + SatzText(lg.FAVSatz));
    std::string pvZeile = WertZeile("Pflegeversicherung", PVAbzug(lg)) + "    " + PVSatzText(lg);
    if (lg.FPVZuschlag == 1) pvZeile += PVZuschlagText(lg.FJahr, lg.FMonat);
    z.push_back(pvZeile);
    z.emplace_back();
    z.push_back(WertZeile("Netto", netto));

    if (lg.KVFreiwillig() || lg.FKVBes == Besonderheit::PrivatSelbstzahler) {
        z.emplace_back();
        if (lg.FKVBes != Besonderheit::FreiwilligSelbstzahler) {
            z.push_back(lg.FKVBes == Besonderheit::PrivatSelbstzahler ? WertZeile("Private KV AG-Anteil", lg.FKVAG)
                                                                      : WertZeile("Freiw. KV Gesamt", -lg.FKVAN));
        }
        if (lg.FKVBes != Besonderheit::PrivatSelbstzahler) z.push_back(WertZeile("Freiw. KV AG-Anteil", lg.FKVAG));
        // Care cases 2 and 4 show their subsidy below, once.
        if (lg.FBGRPV == PVZiffer::Voll && lg.FPVBes != Besonderheit::FreiwilligSelbstzahler &&
            lg.FPVBes != Besonderheit::PrivatSelbstzahler) {
            z.push_back(WertZeile("Freiw. PV Gesamt", -lg.FPVAN));
            z.push_back(WertZeile("Freiw. PV AG-Anteil", lg.FPVAG));
        }
    }
    if (lg.FPVBes == Besonderheit::FreiwilligSelbstzahler) z.push_back(WertZeile("Freiw. PV AG-Anteil", lg.FPVAG));
    if (lg.FPVBes == Besonderheit::PrivatSelbstzahler) z.push_back(WertZeile("Private PV AG-Anteil", lg.FPVAG));
    if (lg.FRVBes != RVBesonderheit::Keine) {
        if (ein.LxEdiBGR == "1011") z.emplace_back();
        if (lg.FRVBes == RVBesonderheit::VersorgungswerkFirmenzahler)
            z.push_back(WertZeile("RV Vers.werk Gesamt", -(lg.FRVAN + lg.FRVAG)));
        z.push_back(WertZeile("RV Vers.werk AG-Anteil", lg.FRVAG));
    }
}

// Rows 22 to 24: the deductions; returns their total T.
Currency abzugsZeilen(std::vector<std::string>& z, const TLohnGehalt& lg, const DetailEingaben& ein)
{
    Currency t;
    for (const Posten& p : ein.posten) {
        if (p.art != Postenart::Abzug) continue;
        const Currency betrag = BetragAusText(p.betrag);
        if (t.isZero()) z.emplace_back();
        z.push_back(WertZeile(p.bezeichnung, p.betrag));
        t -= betrag;
    }
    if (lg.FZVAN > 0_cur && ein.ZVComboArt != "keine") {
        z.push_back(WertZeile(zvName(ein, ein.ZVComboArt) + " - AN-Anteil", -lg.FZVAN) + SatzNachLuecke(lg.FZVSatzAN));
        t += lg.FZVAN;
    }
    if (lg.FBAVAN > 0_cur) {
        z.push_back(WertZeile(ein.AVCombo1Art, -lg.FBAVAN));
        t += lg.FBAVAN;
    }
    return t;
}

// Rows 1 to 5: what the gross holds besides the entry rows.
void zusatzPosten(std::vector<std::string>& z, const TLohnGehalt& lg, const DetailEingaben& ein, const Laufwerte& w)
{
    if (w.differenz) {
        unsigned marken = kGBr | kLSt | kSoV;
        if (ein.NTSummeEBZ > 0_cur) marken |= kEBZ;
        if (ein.NTSummeLMJ > 0_cur) marken |= kLMJ;
        z.push_back(WertZeile("Nettolohndifferenz", w.d) + MarkZellen(marken, false));
    }
    if (ein.ZVComboArt != "keine") {
        const std::string n = zvName(ein, ein.ComboZV);
        if (lg.FZVStPfl > 0_cur) z.push_back(WertZeile(n + "-steuerpflichtig", lg.FZVStPfl) + MarkZellen(kLSt, false));
        z.push_back(WertZeile(n + "-sozialvers.pfl.", lg.FZVSVPfl) + MarkZellen(kSoV, false));
    }
    if (lg.FBAVArt != BAVArt::Keine) {
        for (auto& zeile : BAVPostenZeilen(lg, ein.AVCombo1Art)) z.push_back(std::move(zeile));
    }
    if (lg.FATZ == 1) {
        z.push_back(WertZeile("ATZ-Aufst. " + ein.ATZLxVEdiAufst + " %", lg.FATZAufstBetrag) + MarkZellen(kGBr, false));
    }
}

std::string linksZeile(std::string_view label, Currency betrag, const std::string& rest)
{
    return WertZeile(label, betrag) + rest;
}

std::vector<std::string> linkeListe(const TLohnGehalt& lg, const DetailEingaben& ein, const Laufwerte& w)
{
    std::vector<std::string> l;
    Currency s = lg.FKVAG + lg.FRVAG + lg.FAVAG + lg.FPVAG + lg.FKVAGEB + lg.FRVAGEB + lg.FAVAGEB + lg.FPVAGEB;
    l.push_back(AuffuellenLeer("Arbeitgeberanteile:", 45, false));

    std::string kvSatz = SatzText(kvSatzAG(lg));
    if (KVZusatzParitaetisch(lg.FJahr) && (lg.FBGRKV == KVZiffer::Allgemein || lg.FBGRKV == KVZiffer::Freiwillig))
        kvSatz += "+" + kvZusatz(lg) + "%";
    l.push_back(linksZeile("Krankenversicherung", lg.FKVAG + lg.FKVAGEB, "   " + kvSatz));

    l.push_back(linksZeile("Rentenversicherung", lg.FRVAG + lg.FRVAGEB, "   " + SatzText(rvSatzAG(lg))));
    if (lg.FATZ == 1) {
        l.push_back(linksZeile("ATZ-Rentenversicherung", lg.FATZRVBeitrag, "   " + SatzText(lg.FRVSatz)));
        s += lg.FATZRVBeitrag;
    }
    l.push_back(linksZeile("Arbeitslosenversicherung", lg.FAVAG + lg.FAVAGEB, "    " + SatzText(lg.FAVSatz)));
    l.push_back(linksZeile("Pflegeversicherung", lg.FPVAG + lg.FPVAGEB, "    " + PVSatzText(lg)));
    if (const Currency kammer = KammerbeitragSatz(lg.FBundesland); kammer > 0_cur) {
        l.push_back(linksZeile("Kammerbeitrag", lg.FKammerbeitrag, "    " + SatzText(kammer)));
    }
    if (ein.SVComboUmlage != "keine Umlage rechnen") {
        if (ein.SVComboUmlage == "U1 und U 2 rechnen") {
            l.push_back(linksZeile("Umlage 1", lg.FU1, "    " + SatzText(lg.FU1Satz)));
            s += lg.FU1;
        }
        l.push_back(linksZeile("Umlage 2", lg.FU2, "    " + SatzText(lg.FU2Satz)));
        s += lg.FU2;
    }
    if (InsolvenzgeldumlageMitBeitraegen(lg.FJahr)) {
        l.push_back(linksZeile("Insolvenzgeldumlage", lg.FInsolvenz, "    " + SatzText(lg.FInsolvenzSatz)));
    }
    s += lg.FInsolvenz;
    if (lg.FBAVBetrag > 0_cur) {
        l.push_back(linksZeile(ein.AVCombo1Art + " AG", lg.FBAVBetrag, kNeunLeer));
        s += lg.FBAVBetrag;
    }
    if (ein.ZVComboArt != "keine") {
        const std::string p = zvName(ein, ein.ZVComboArt) + " - ";
        l.push_back(linksZeile(p + "Umlage", lg.FZVAG, SatzNachLuecke(lg.FZVUmlageSatz)));
        if (lg.FZVZusatzumlage > 0_cur) {
            l.push_back(linksZeile(p + "Zusatzumlage", lg.FZVZusatzumlage, "    " + SatzText(kZVZusatzumlageSatz)));
        }
        l.push_back(linksZeile(p + "Sanierungsgeld", lg.FSanierungsgeld, SatzNachLuecke(lg.FSanierungsgeldSatz)));
        s += lg.FZVAG + lg.FZVZusatzumlage + lg.FSanierungsgeld;
        if (lg.FZVPauschal > 0_cur) {
            for (auto& zeile : PauschalsteuerZeilen(
                     lg, lg.FZVPauschal,
                     {"ZV Pauschale Lohnsteuer", "ZV Pausch.Solid.zuschlag", "ZV Pausch. Kirchensteuer"},
                     ein.ComboKiJaNein, s)) {
                l.push_back(std::move(zeile));
            }
        }
    }
    if (lg.FBAVPauschBasis > 0_cur) {
        for (auto& zeile :
             PauschalsteuerZeilen(lg, lg.FBAVPauschBasis,
                                  {"AV Pauschale Lohnsteuer", "AV Pausch.Solid.zuschlag", "AV Pausch. Kirchensteuer"},
                                  ein.ComboKiJaNein, s)) {
            l.push_back(std::move(zeile));
        }
    }
    if (ein.LEdiStKl == "0" && lg.FMinijob == 1) {
        const Currency p2 = RundeCentExakt(
            Prozent(BetragAusText(ein.steuerbrutto) + BetragAusText(ein.steuerbruttoEB), kMinijobPauschsteuerSatz));
        l.push_back(linksZeile("Pauschalsteuer GfE", p2, "    " + SatzText(kMinijobPauschsteuerSatz)));
        s += p2;
    }
    // The chamber levy is the employee's: it stands in the sum as shown, but is
    // no cost of the employer.
    l.push_back(linksZeile("Summe AG-Anteile", s + lg.FKammerbeitrag, kNeunLeer));
    l.emplace_back(45, ' ');
    // The employer pays the gross the net starts from (with a top-up, after a
    // gross-up the grossed-up amount) and his own shares.
    l.push_back(linksZeile("Arbeitgeberaufwand", w.m + s, kNeunLeer));

    if (mitEinmalbezug(lg)) {
        l.emplace_back(45, ' ');
        l.push_back(AuffuellenLeer("EBZ-Anteile:", 45, false));
        const bool begrenzt = lg.FVmtBegrenzt == 1;
        if (lg.FLStLMJ > 0_cur) {
            l.push_back(linksZeile("Lohnsteuer LMJ", begrenzt ? lg.FLStEB : lg.FLStLMJ, kNeunLeer));
            l.push_back(linksZeile("Sold.zuschl. LMJ", begrenzt ? lg.FSolZEB : lg.FSolZLMJ, kNeunLeer));
            l.push_back(linksZeile("Kirchensteuer LMJ",
                                   begrenzt ? lg.FKiStEvEB + lg.FKiStRkEB : lg.FKiStEvLMJ + lg.FKiStRkLMJ, kNeunLeer));
        }
        l.push_back(linksZeile("Lohnsteuer EBZ", begrenzt ? lg.FLStEB + lg.FLStLMJ : lg.FLStEB, kNeunLeer));
        l.push_back(linksZeile("Sold.zuschl. EBZ", begrenzt ? lg.FSolZEB + lg.FSolZLMJ : lg.FSolZEB, kNeunLeer));
        l.push_back(linksZeile("Kirchensteuer EBZ", lg.FKiStEvEB + lg.FKiStRkEB, kNeunLeer));
        l.push_back(linksZeile("KV AN EBZ", lg.FKVANEB, kNeunLeer));
        l.push_back(linksZeile("RV AN EBZ", lg.FRVANEB, kNeunLeer));
        l.push_back(linksZeile("AV AN EBZ", lg.FAVANEB, kNeunLeer));
        l.push_back(linksZeile("PV AN EBZ", lg.FPVANEB, kNeunLeer));
        l.push_back(linksZeile("KV AG EBZ", lg.FKVAGEB, kNeunLeer));
        l.push_back(linksZeile("RV AG EBZ", lg.FRVAGEB, kNeunLeer));
        l.push_back(linksZeile("AV AG EBZ", lg.FAVAGEB, kNeunLeer));
        l.push_back(linksZeile("PV AG EBZ", lg.FPVAGEB, kNeunLeer));
    }
    return l;
}

std::vector<std::string> rechteListe(const TLohnGehalt& lg, const DetailEingaben& ein, DetailAbrechnung& aus)
{
    std::vector<std::string> r;
    auto zeile = [&r](std::string_view label, Currency betrag) { r.push_back(FormatDetailZeile(label, betrag)); };
    auto text = [&r](std::string_view label, std::string_view wert) {
        r.push_back(FormatDetailZeile(label, wert, false));
    };
    auto geld = [&r](std::string_view label, std::string_view wert) {
        r.push_back(FormatDetailZeile(label, wert, true));
    };

    const bool tage = lg.FStTage < 30;
    if (mitEinmalbezug(lg)) {
        aus.EBVEdiStJahr = formatAmount(lg.FStBruttoJahr);
        aus.EBVEdiKVBrVor = formatAmount(lg.FKVBruttoVor);
        aus.EBVEdiRVBrVor = formatAmount(lg.FRVBruttoVor);
        if (lg.FStTage == 30) {
            zeile("Steuerbrutto lfd.", lg.FStBrutto);
        } else {
            zeile("Steuerbrutto lfd. Tag", lg.FStBrutto);
            zeile("Steuerbrutto lfd. Monat", lg.FStBrutto * lg.FStTage);
        }
        zeile("Steuerbrutto EBZ", lg.FStBruttoEB);
        if (lg.FStBruttoLMJ > 0_cur) zeile("Steuerbrutto LMJ", lg.FStBruttoLMJ);
        zeile("Fikt.Jahres-St.-Brutto o.EBZ", lg.FStBruttoJahr);
        zeile("KV/PV-Brutto lfd.", lg.FKVBasis);
        zeile("KV/PV-Brutto EBZ", lg.FKVBasisEB);
        if (lg.FATZ == 1) {
            zeile("RV-Brutto lfd.", lg.FRVBasis + lg.FATZRVBasis);
            zeile("AV-Brutto lfd.", lg.FRVBasis);
        } else {
            zeile("RV/AV-Brutto lfd.", lg.FRVBasis);
        }
        zeile("RV/AV-Brutto EBZ", lg.FRVBasisEB);
        zeile("Vor-KV-Brutto", lg.FKVBruttoVor);
        zeile("Vor-RV-Brutto", lg.FRVBruttoVor);
        text("Vor-SV-Tage", ein.EBVEdiTgVor);
    } else {
        if (tage) {
            zeile("Steuerbrutto Tag", lg.FStBrutto);
            zeile("Steuerbrutto Monat", lg.FStBrutto * lg.FStTage);
        } else {
            zeile("Steuerbrutto", lg.FStBrutto);
        }
        zeile("KV/PV-Brutto", lg.FKVBasis);
        if (lg.FATZ == 1) {
            zeile("RV-Brutto", lg.FRVBasis + lg.FATZRVBasis);
            zeile("AV-Brutto", lg.FRVBasis);
        } else {
            zeile("RV/AV-Brutto", lg.FRVBasis);
        }
    }
    if (lg.FZVArt != "keine") {
        zeile(lg.FZVArt + "-Brutto", lg.FZVBrutto);
        zeile("Steuerfrei nach § 3 Nr. 56", lg.FZVMax56);
    }
    for (auto& z : BAVSteuerfreiZeilen(lg)) r.push_back(std::move(z));
    if (lg.FBAVStFreiArt == BAVSteuer::NichtsSteuerfrei && lg.FBAVPauschal > 0_cur && lg.FBAVArt != BAVArt::Keine) {
        zeile("Pauschalversteuerung nach § 40b", std::min(lg.FBAVPauschal, lg.FBAVAN + lg.FBAVBetrag));
    }
    text("Steuerklasse", ein.LEdiStKl);
    if (lg.FFaktor > 0_cur) text("Faktor bei Steuerklasse 4", shortestText(lg.FFaktor));
    text("Kinderfreibetrag", ein.LEdiKiFB);
    if (ein.ComboKiJaNein != "nein") {
        text("Kirchensteuer", ein.ComboKiJaNein);
        text("Bundesland f.KiSteuer", ein.LSTComboBundesland);
    }
    std::string freibetrag = ein.LEdiStFB;
    if (freibetrag.empty()) {
        freibetrag = "0";
        aus.LEdiStFB = freibetrag;
    }
    if (BetragAusText(freibetrag) >= 0_cur) {
        geld("Freibetrag", freibetrag);
    } else {
        r.push_back(FormatDetailZeile("Hinzurechnungsbetrag", freibetrag, true, true));
    }
    text("Steuertabelle", ein.LSTComboStTab);
    text("Geburtsjahr", ein.LEdiGebJahr);
    if (VorsorgepauschaleAb2010(lg.FJahr)) {
        const char* status = lg.FPKV == PKVStatus::PrivatOhneZuschuss  ? "Priv.krankenv.o.AG-Zusch."
                             : lg.FPKV == PKVStatus::PrivatMitZuschuss ? "Priv.krankenv.m.AG-Zusch."
                                                                       : "Gesetzl. krankenvers.";
        text("Status Steuerber.", status);
        if (PrivatVersichert(lg.FKVBes)) zeile("Steuerl.PKV/PPV-Beitr.", lg.FPKPV);
    }
    if (lg.FStBruttoLMJ > 0_cur) text("Normale Steuerber. günstiger als LMJ", jaNein(lg.FVmtBegrenzt == 1));
    text("Altersentlastungsfreibetrag", jaNein(lg.FAlter1 != 0));
    text("Steuer- / SV-Tage", ein.LSTVEdiStTage + " / " + ein.SVVEdiSVTage);
    text("Rechtskreis", lg.FRechtskreis != 0 ? "West" : "Ost");
    if (PVKinderAbschlagGilt(lg.FJahr, lg.FMonat)) {
        text("Anzahl Kinder für PV", lg.FPVKinder == 5 ? std::string("5 oder mehr") : std::to_string(lg.FPVKinder));
    }
    if (lg.FSachsen == 1) text("Pflegeversicherung Sachsen", "ja");
    if (lg.FMiniRVPflicht == 1) text("Verzicht auf RV-Pflicht", "nein");
    text("Beitragsgruppe", ein.LxEdiBGR);
    if (!ein.SVLabEdiKKasse.empty()) text("Krankenkasse", ein.SVLabEdiKKasse);
    if (IstJa(ein.PfdComboJaNein) && !IstNullText(ein.PfdVEdiVerbleib)) {
        geld("Pfändung: Verbl. Netto", ein.PfdVEdiVerbleib);
    }
    if (lg.FKVBes == Besonderheit::PrivatFirmenzahler || lg.FKVBes == Besonderheit::PrivatSelbstzahler)
        zeile("Arbeitgeber-Höchstzuschuss PKV ", lg.FPKVZuschussMax);
    if (lg.FKVBasis < 800_cur && lg.FMinijob == 0) {
        text("Gleitzonenberechnung", jaNein(lg.FGleitzone != 0));
        if (lg.FRVVoll != 0) text("RV-AN-Anteil bei Gleitzone voll", "ja");
    }
    if (lg.FMehrfach == 1) zeile("Brutto 2. Dienstverhältnis", lg.FBruttoAnderer);
    if (IstJa(ein.TZComboJaNein)) {
        geld("Teilzeit-Wochenstunden", ein.TZVEdiWoStd);
        geld("Vollzeit-Wochenstunden", ein.TZVEdiWoVZ);
    }
    if (lg.FVBBrutto > 0_cur) {
        text("Vers.bez.: Beginn", ein.VBVEdiJahr);
        geld("Vers.bez.: Erster VB mtl.", ein.VBVEdiErsterVers);
        geld("Vers.bez.: Erster VB EB", ein.VBVEdiEB);
        text("Vers.bez.: Anz.Monate", ein.VBVEdiMonate);
        if (lg.FVBMax > 0_cur) zeile("Vers.bez.: VBMax", lg.FVBMax);
        if (lg.FVB == VBModus::NichtAbfuehren && lg.FSVBrutto < lg.FVBGrenze && !VBFreibetragKV(lg.FJahr)) {
            zeile("Vers.bez. unter 1/20 der Bez.gr.", lg.FVBGrenze);
        }
        if (lg.FVB == VBModus::NichtAbfuehren && VBFreibetragKV(lg.FJahr) && ein.SVVEdiVBMax == "0,00") {
            zeile("Vers.bez.: Freib. Krankenvers.", lg.FVBGrenze);
        }
    }
    if (!ein.statusPanel0.empty()) text("Eintritt", OhneErsteZeichen(ein.statusPanel0, 9));
    if (!ein.statusPanel1.empty()) text("Austritt", OhneErsteZeichen(ein.statusPanel1, 9));
    return r;
}

void unterbrechung(std::vector<std::string>& z, const DetailEingaben& ein, const std::string& von,
                   const std::string& bis, const std::string& grund)
{
    if (von == "0" || bis == "0") return;
    z.emplace_back();
    std::string zeile =
        DatumString(von, ein.ComboMonat, ein.ComboJahr) + " bis " + DatumString(bis, ein.ComboMonat, ein.ComboJahr);
    zeile += grund.empty() ? std::string(" Unterbrechung der Entgeltfortzahlung") : " " + grund;
    z.push_back(std::move(zeile));
}

}  // namespace

Currency KVAbzug(const TLohnGehalt& lg)
{
    return lg.KVFreiwillig() ? 0_cur : -(lg.FKVAN + lg.FKVANEB);
}

Currency PVAbzug(const TLohnGehalt& lg)
{
    const bool selbst = (lg.FBGRKV == KVZiffer::Freiwillig && lg.FBGRPV == PVZiffer::Voll) ||
                        lg.FPVBes == Besonderheit::PrivatSelbstzahler;
    return selbst ? 0_cur : -(lg.FPVAN + lg.FPVANEB);
}

Currency PVSatzAnzeige(const TLohnGehalt& lg)
{
    return lg.FPVSatz - PVKinderAbschlag(lg.FJahr, lg.FMonat, lg.FPVKinder);
}

std::string PVSatzText(const TLohnGehalt& lg)
{
    return SatzText(PVSatzAnzeige(lg), lg.FBGRPV == PVZiffer::Halb ? 3 : 2);
}

std::string PVZuschlagText(int jahr, int monat)
{
    return " + " + SatzText(PVZuschlagFuer(jahr, monat));
}

Currency NettoBetrag(const TLohnGehalt& lg, Currency m)
{
    Currency n = lg.NettoVon(m);
    if (lg.FRVBes != RVBesonderheit::Keine) n += lg.FRVAN + lg.FRVANEB;
    return n;
}

Currency Auszahlungsbetrag(const TLohnGehalt& lg, Currency netto, Currency abzuege, Currency pfaendung)
{
    Currency a = netto;
    if (lg.FBGRKV == KVZiffer::Freiwillig) {
        a += -lg.FKVAN + lg.FKVAG - lg.FPVAN + lg.FPVAG;
    } else if (lg.FKVBes == Besonderheit::FreiwilligSelbstzahler || lg.FKVBes == Besonderheit::PrivatSelbstzahler) {
        a += lg.FKVAG;
    }
    if (lg.FRVBes == RVBesonderheit::VersorgungswerkFirmenzahler) a -= lg.FRVAN + lg.FRVANEB;
    a += VersorgungswerkZuschuss(lg);
    // Under health digit 9 the care subsidy is already in.
    if (lg.FBGRKV != KVZiffer::Freiwillig &&
        (lg.FPVBes == Besonderheit::FreiwilligSelbstzahler || lg.FPVBes == Besonderheit::PrivatSelbstzahler))
        a += lg.FPVAG;
    return a - abzuege - pfaendung;
}

std::vector<std::string> BAVPostenZeilen(const TLohnGehalt& lg, const std::string& art)
{
    std::vector<std::string> z;
    auto posten = [&](Currency betrag, unsigned marken) {
        if (!betrag.isZero()) z.push_back(WertZeile(art, betrag) + MarkZellen(marken, false));
    };
    if (lg.FBAVSVLfd != lg.FBAVStLfd) {
        posten(lg.FBAVStLfd, kLSt);
        posten(lg.FBAVSVLfd, kSoV);
    } else {
        posten(lg.FBAVStLfd, kLSt | kSoV);
    }
    if (lg.FBAVSVEB != lg.FBAVStEB) {
        posten(lg.FBAVStEB, kLSt | kEBZ);
        posten(lg.FBAVSVEB, kSoV | kEBZ);
    } else {
        posten(lg.FBAVStEB, kLSt | kSoV | kEBZ);
    }
    return z;
}

std::vector<std::string> BAVSteuerfreiZeilen(const TLohnGehalt& lg)
{
    std::vector<std::string> r;
    if (!((lg.FBAVArt == BAVArt::Direktversicherung && lg.FBAVStFreiArt < 3) || lg.FBAVArt == BAVArt::Pensionskasse ||
          lg.FBAVArt == BAVArt::Pensionsfonds))
        return r;
    const Currency a = lg.FBAVAN + lg.FBAVBetrag;
    const Currency f = std::min(lg.BAVSteuerfreiGrenze(), a);
    if (lg.FBAVStFreiArt == BAVSteuer::AllesSteuerfrei) {
        r.push_back(FormatDetailZeile("Altersvers. steuerfrei", a));
    } else {
        r.push_back(FormatDetailZeile("Steuerfrei nach § 3 Nr. 63", f));
    }
    if (f < a && lg.FBAVZus1800 == 1) {
        r.push_back(FormatDetailZeile("Zus.steuerfrei nach § 3 Nr. 63", std::min(a - f, lg.BAVZusatzGrenze())));
    }
    return r;
}

std::vector<std::string> PauschalsteuerZeilen(const TLohnGehalt& lg, Currency basis, const PauschalLabels& labels,
                                              std::string_view comboKiJaNein, Currency& summe)
{
    // Each tax is the exact product cut to cents.
    const Currency l = AbrundenCentExakt(Prozent(basis, kPauschsteuerSatz));
    const Currency z = AbrundenCentExakt(Prozent(l, kPauschSoliSatz));
    const Currency k = KiStSatz(lg.FErmKiSt, lg.FBundesland);
    Currency c = AbrundenCentExakt(Prozent(l, k));
    if (lg.FErmKiSt == 0 && comboKiJaNein == "nein") c = 0_cur;
    summe += l + z + c;
    return {
        WertZeile(labels.steuer, l) + "   " + SatzText(kPauschsteuerSatz),
        WertZeile(labels.soli, z) + "    " + SatzText(kPauschSoliSatz),
        WertZeile(labels.kirche, c) + "    " + SatzText(k),
    };
}

DetailAbrechnung BaueDetailabrechnung(const TLohnGehalt& lg, const DetailEingaben& ein)
{
    DetailAbrechnung aus;
    const Laufwerte w = laufwerte(lg, ein);
    const bool pfaendung = IstJa(ein.PfdComboJaNein);
    const Currency pfaendBetrag = ein.PfdComboJaNeinTag == 1 ? ein.pfaendBetragZweit : lg.FPfaendBetrag;
    const Currency netto = NettoBetrag(lg, w.m);

    std::vector<std::string>& z = aus.zeilen;
    kopf(z, ein);
    postenZeilen(z, ein);
    zusatzPosten(z, lg, ein, w);
    hauptblock(z, lg, ein, w, netto);
    const Currency t = abzugsZeilen(z, lg, ein);
    z.emplace_back();
    if (pfaendung) {
        z.push_back(WertZeile("Pfändung", -pfaendBetrag));
        z.emplace_back();
    }
    z.push_back(WertZeile("Auszahlungsbetrag", Auszahlungsbetrag(lg, netto, t, pfaendung ? pfaendBetrag : 0_cur)));
    z.emplace_back();

    const std::vector<std::string> links = linkeListe(lg, ein, w);
    const std::vector<std::string> rechts = rechteListe(lg, ein, aus);
    for (auto& zeile : Zusammenfuehren(links, rechts)) z.push_back(std::move(zeile));
    unterbrechung(z, ein, ein.TBVEdiUB1Von, ein.TBVEdiUB1Bis, ein.TBLEdiGrund1);
    unterbrechung(z, ein, ein.TBVEdiUB2Von, ein.TBVEdiUB2Bis, ein.TBLEdiGrund2);

    if (lg.FATZAufstBetrag > 0_cur) {
        aus.LEdiBrutto = formatAmount(w.m);
        aus.LEdiNetto = formatAmount(BetragAusText(ein.LEdiNetto) + lg.FATZAufstBetrag);
    }
    aus.BtnPfdSichtbar = pfaendung;
    aus.BtnATZSichtbar = lg.FATZ == 1;
    aus.BtnAbrSichtbar = pfaendung || lg.FATZ == 1;
    aus.atzAbrechnung = lg.FATZ == 1;
    return aus;
}

}  // namespace lx
