// The payslip's parts on their own: rates, payout, deferred compensation,
// flat-rate taxes, write-backs and the rules of single lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AmountText.h"
#include "DetailZeilen.h"
#include "Detailabrechnung.h"
#include "LxMath.h"
#include "Rechengroessen.h"

using namespace lx;
using namespace lx::literals;

namespace {

TLohnGehalt Engine(int jahr, int monat)
{
    TLohnGehalt lg;
    lg.FJahr = jahr;
    lg.FMonat = Byte(monat);
    lg.FRechtskreis = 1;
    lg.FBGRKV = lg.FBGRRV = lg.FBGRAV = lg.FBGRPV = 1;
    lg.FKVZusatz = 1.70_cur;
    lg.FZVArt = "keine";
    lg.FStTage = 30;
    lg.FKVBasis = 2000_cur;
    return lg;
}

DetailEingaben Eingaben()
{
    DetailEingaben ein;
    ein.ComboMonat = "März";
    ein.ComboJahr = "2024";
    ein.LxEdiBGR = "1111";
    ein.LEdiStKl = "1";
    ein.LEdiStFB = "0";
    ein.posten = {{"Gehalt", "2.000,00", "x", "x", "", "", "", "", "", Postenart::Zahlung}};
    ein.gesamtbrutto = ein.steuerbrutto = ein.LEdiBrutto = "2.000,00";
    return ein;
}

// The lines that contain `text`.
std::vector<std::string> Mit(const DetailAbrechnung& aus, const std::string& text)
{
    std::vector<std::string> z;
    std::copy_if(aus.zeilen.begin(), aus.zeilen.end(), std::back_inserter(z),
                 [&](const std::string& s) { return s.find(text) != std::string::npos; });
    return z;
}

// The amount of the value line that starts with `label`.
std::string Betrag(const DetailAbrechnung& aus, const std::string& label)
{
    for (const std::string& z : aus.zeilen) {
        if (z.rfind(label, 0) == 0 && z.size() >= 36) {
            std::string zelle = Zeichen(z, 25, 12);
            zelle.erase(0, zelle.find_first_not_of(' '));
            return zelle;
        }
    }
    return "<no line " + label + ">";
}

}  // namespace

TEST(Bausteine, PflegeSatzUndZuschlagNachDatum)
{
    struct Fall {
        int jahr, monat;
        const char* zuschlag;
    };
    const Fall faelle[] = {{2021, 12, " + 0,25%"},
                           {2022, 1, " + 0,35%"},
                           {2023, 6, " + 0,35%"},
                           {2023, 7, " + 0,60%"},
                           {2024, 1, " + 0,60%"}};
    for (const Fall& f : faelle) EXPECT_EQ(PVZuschlagText(f.jahr, f.monat), f.zuschlag) << f.jahr << "/" << f.monat;

    struct SatzFall {
        int jahr, monat, kinder, bgrPV;
        Currency satz;
        const char* text;
    };
    const SatzFall saetze[] = {
        {2023, 6, 3, 1, 3.05_cur, "3,05%"},   // before July 2023 no discount
        {2023, 7, 3, 1, 3.40_cur, "2,90%"},   // three children: 0,50 less
        {2023, 7, 1, 1, 3.40_cur, "3,40%"},   // one child: none
        {2024, 3, 5, 1, 3.40_cur, "2,40%"},   // "5 oder mehr": four times 0,25
        {2024, 3, 2, 2, 1.70_cur, "1,450%"},  // care digit 2: three decimals
    };
    for (const SatzFall& f : saetze) {
        TLohnGehalt lg = Engine(f.jahr, f.monat);
        lg.FPVKinder = Byte(f.kinder);
        lg.FBGRPV = Byte(f.bgrPV);
        lg.FPVSatz = f.satz;
        EXPECT_EQ(PVSatzText(lg), f.text) << f.jahr << "/" << f.monat << " children " << f.kinder;
    }
}

TEST(Bausteine, AuszahlungZaehltDenPflegezuschussEinmal)
{
    struct Fall {
        int bgrKV, kvBes, pvBes;
        Currency auszahlung;
    };
    // net 2.000,00; health 400,00 / 200,00, care 60,00 / 50,00 (employee / employer)
    const Fall faelle[] = {
        {9, 0, 0, 1790_cur}, {9, 0, 2, 1790_cur}, {9, 0, 4, 1790_cur},  // digit 9: subsidies once
        {1, 2, 0, 2200_cur}, {1, 4, 4, 2250_cur}, {1, 0, 2, 2050_cur}, {1, 0, 0, 2000_cur},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FBGRKV = Byte(f.bgrKV);
        lg.FKVBes = Byte(f.kvBes);
        lg.FPVBes = Byte(f.pvBes);
        lg.FKVAN = 400_cur;
        lg.FKVAG = 200_cur;
        lg.FPVAN = 60_cur;
        lg.FPVAG = 50_cur;
        EXPECT_EQ(Auszahlungsbetrag(lg, 2000_cur, 0_cur, 0_cur), f.auszahlung)
            << "digit " << f.bgrKV << ", health case " << f.kvBes << ", care case " << f.pvBes;
    }
    // Deductions T and the garnished amount lower the payout.
    EXPECT_EQ(Auszahlungsbetrag(Engine(2024, 3), 2000_cur, 94.30_cur, 312.40_cur), 1593.30_cur);
}

TEST(Bausteine, FreiwilligeKrankenversicherungZeigtEinenPflegezuschuss)
{
    for (int pvBes : {0, 2, 4}) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FBGRKV = 9;
        lg.FPVBes = Byte(pvBes);
        lg.FKVAN = 400_cur;
        lg.FKVAG = 200_cur;
        lg.FPVAG = 50_cur;
        DetailEingaben ein = Eingaben();
        ein.LxEdiBGR = "9111";
        const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
        const auto zuschuss = [&] {
            return Mit(aus, "Freiw. PV AG-Anteil").size() + Mit(aus, "Private PV AG-Anteil").size();
        };
        EXPECT_EQ(zuschuss(), 1u) << "care case " << pvBes;
        EXPECT_EQ(Mit(aus, "Freiw. PV Gesamt").size(), pvBes == 0 ? 1u : 0u) << "care case " << pvBes;
        EXPECT_EQ(Betrag(aus, "Freiw. KV Gesamt"), "-400,00");
        EXPECT_EQ(Betrag(aus, "Krankenversicherung"), "0,00");
    }
    // Example of the mend: care case 4 with a subsidy of 50,00 raises the payout by 50,00.
    TLohnGehalt ohne = Engine(2024, 3);
    ohne.FBGRKV = 9;
    ohne.FPVBes = 4;
    TLohnGehalt mit = ohne;
    mit.FPVAG = 50_cur;
    EXPECT_EQ(Auszahlungsbetrag(mit, 2000_cur, 0_cur, 0_cur) - Auszahlungsbetrag(ohne, 2000_cur, 0_cur, 0_cur), 50_cur);
}

TEST(Bausteine, NettoNachBesonderheiten)
{
    TLohnGehalt lg = Engine(2024, 3);
    lg.FLSt = 100_cur;
    lg.FKVAN = 160_cur;
    lg.FPVAN = 40_cur;
    lg.FRVAN = 180_cur;
    lg.FRVANEB = 20_cur;
    lg.FAVAN = 25_cur;
    EXPECT_EQ(NettoBetrag(lg, 2000_cur), 1475_cur);
    lg.FKVBes = 2;  // private health: the employee pays it himself
    EXPECT_EQ(NettoBetrag(lg, 2000_cur), 1635_cur);
    lg.FPVBes = 2;
    EXPECT_EQ(NettoBetrag(lg, 2000_cur), 1675_cur);
    lg.FRVBes = 1;  // pension fund: pension shares added back
    EXPECT_EQ(NettoBetrag(lg, 2000_cur), 1875_cur);

    // Care case 2: the care line shows the employee's share that the net does not deduct.
    lg = Engine(2024, 3);
    lg.FPVBes = 2;
    lg.FPVAN = 40_cur;
    DetailEingaben ein = Eingaben();
    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_EQ(Betrag(aus, "Pflegeversicherung"), "-40,00");
    EXPECT_EQ(Betrag(aus, "Netto"), "2.000,00");
}

TEST(Bausteine, EntgeltumwandlungPosten)
{
    const std::string art = "Direktversicherung";
    auto zeile = [&](const char* betrag, unsigned marken) {
        return WertZeile(art, betrag) + MarkZellen(marken, false);
    };
    struct Fall {
        Currency stLfd, svLfd, stEB, svEB;
        std::vector<std::string> soll;
    };
    const Fall faelle[] = {
        {100_cur, 100_cur, 0_cur, 0_cur, {zeile("100,00", kLSt | kSoV)}},
        {100_cur, 80_cur, 0_cur, 0_cur, {zeile("100,00", kLSt), zeile("80,00", kSoV)}},
        {0_cur, 50_cur, 0_cur, 0_cur, {zeile("50,00", kSoV)}},
        {0_cur, 0_cur, 200_cur, 200_cur, {zeile("200,00", kLSt | kSoV | kEBZ)}},
        {0_cur, 0_cur, 200_cur, 150_cur, {zeile("200,00", kLSt | kEBZ), zeile("150,00", kSoV | kEBZ)}},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FBAVArt = 1;
        lg.FBAVStLfd = f.stLfd;
        lg.FBAVSVLfd = f.svLfd;
        lg.FBAVStEB = f.stEB;
        lg.FBAVSVEB = f.svEB;
        EXPECT_EQ(BAVPostenZeilen(lg, art), f.soll) << f.stLfd << " " << f.svLfd << " " << f.stEB << " " << f.svEB;
    }
}

TEST(Bausteine, SteuerfreiNachParagraph3Nr63)
{
    auto frei = [](const char* wert) { return FormatDetailZeile("Steuerfrei nach § 3 Nr. 63", wert, false); };
    auto zus = [](const char* wert) { return FormatDetailZeile("Zus.steuerfrei nach § 3 Nr. 63", wert, false); };
    struct Fall {
        const char* name;
        int rechtskreis;
        bool monatlich;
        Currency an;
        Byte zus1800;
        Byte stFreiArt;
        std::vector<std::string> soll;
    };
    const Fall faelle[] = {
        {"yearly below the limit", 1, false, 3000_cur, 1, 1, {frei("3.000,00")}},
        {"yearly above", 1, false, 8000_cur, 1, 1, {frei("7.248,00"), zus("752,00")}},
        {"yearly, cap 1.800,00", 1, false, 10000_cur, 1, 1, {frei("7.248,00"), zus("1.800,00")}},
        {"yearly without the extra", 1, false, 10000_cur, 0, 1, {frei("7.248,00")}},
        {"monthly", 1, true, 700_cur, 0, 1, {frei("604,00")}},
        {"monthly, cap 150,00", 1, true, 800_cur, 1, 1, {frei("604,00"), zus("150,00")}},
        // the East takes the West ceiling as the engine does: 604,00, not 596,00
        {"monthly East", 0, true, 700_cur, 1, 1, {frei("604,00"), zus("96,00")}},
        {"tax-free by kind", 1, true, 700_cur, 0, 2, {FormatDetailZeile("Altersvers. steuerfrei", 700_cur)}},
        {"flat-rate kind", 1, true, 700_cur, 0, 3, {}},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FRechtskreis = Byte(f.rechtskreis);
        lg.FBBGRV = f.rechtskreis == 1 ? 7550_cur : 7450_cur;
        lg.FBAVArt = 1;
        lg.FBAVGrenzeProz = 8;
        lg.FBAVMonatlich = f.monatlich ? 1 : 0;
        lg.FBAVAN = f.an;
        lg.FBAVZus1800 = f.zus1800;
        lg.FBAVStFreiArt = f.stFreiArt;
        EXPECT_EQ(BAVSteuerfreiZeilen(lg), f.soll) << f.name;
    }
    // Kinds 2 and 3 show the limit whatever the tax-free kind; kind 4 never.
    TLohnGehalt lg = Engine(2024, 3);
    lg.FBAVGrenzeProz = 8;
    lg.FBAVMonatlich = 1;
    lg.FBAVAN = 300_cur;
    lg.FBAVBetrag = 100_cur;
    lg.FBAVStFreiArt = 3;
    lg.FBAVArt = 2;
    EXPECT_EQ(BAVSteuerfreiZeilen(lg), std::vector<std::string>{frei("400,00")});
    lg.FBAVArt = 4;
    EXPECT_TRUE(BAVSteuerfreiZeilen(lg).empty());
}

TEST(Bausteine, PauschalsteuerGeschnittenNachKirchensteuerland)
{
    const PauschalLabels labels{"ZV Pauschale Lohnsteuer", "ZV Pausch.Solid.zuschlag", "ZV Pausch. Kirchensteuer"};
    struct Fall {
        int bundesland, ermaessigt;
        const char* kiJaNein;
        const char* kirche;
        const char* satz;
        Currency summe;
    };
    const Fall faelle[] = {
        {kBundeslandBremen, 0, "rk", "2,62", "9,00%", 33.42_cur},  // 2,628 cut, not rounded
        {kBundeslandBremen, 1, "rk", "2,04", "7,00%", 32.84_cur},
        {kBundeslandBremen, 0, "nein", "0,00", "9,00%", 30.80_cur},
        {kBundeslandBremen, 1, "nein", "2,04", "7,00%", 32.84_cur},  // the reduced rate applies without church tax
        {1, 0, "ev", "2,33", "8,00%", 33.13_cur},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FBundesland = Byte(f.bundesland);
        lg.FErmKiSt = Byte(f.ermaessigt);
        Currency summe;
        const auto z = PauschalsteuerZeilen(lg, 146_cur, labels, f.kiJaNein, summe);
        ASSERT_EQ(z.size(), 3u);
        EXPECT_EQ(z[0], WertZeile(labels.steuer, "29,20") + "   20,00%");
        EXPECT_EQ(z[1], WertZeile(labels.soli, "1,60") + "    5,50%");  // 1,606 cut
        EXPECT_EQ(z[2], WertZeile(labels.kirche, f.kirche) + "    " + f.satz) << f.bundesland << " " << f.kiJaNein;
        EXPECT_EQ(summe, f.summe);
    }
}

TEST(Bausteine, PauschalsteuerGfERundetDasExakteProdukt)
{
    TLohnGehalt lg = Engine(2024, 1);
    lg.FMinijob = 1;
    DetailEingaben ein = Eingaben();
    ein.LEdiStKl = "0";
    ein.steuerbrutto = "520,25";
    ein.steuerbruttoEB = "100,00";
    EXPECT_EQ(Betrag(BaueDetailabrechnung(lg, ein), "Pauschalsteuer GfE"), "12,41");  // 12,405
    ein.LEdiStKl = "1";
    EXPECT_TRUE(Mit(BaueDetailabrechnung(lg, ein), "Pauschalsteuer GfE").empty());
}

TEST(Bausteine, ArbeitgeberaufwandAusDemBruttoDesNettos)
{
    // S here: health 160,00 + insolvency 1,20 = 161,20
    TLohnGehalt lg = Engine(2024, 3);
    lg.FKVAG = 160_cur;
    lg.FInsolvenz = 1.20_cur;
    DetailEingaben ein = Eingaben();
    // Net mode: the total holds the wanted net 2.000,00, the gross field the found gross.
    ein.LEdiNettoTag = 1;
    ein.LEdiBrutto = "2.956,03";
    ein.LEdiNetto = "2.000,00";
    DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_EQ(Betrag(aus, "Arbeitgeberaufwand"), "3.117,23");
    EXPECT_EQ(Betrag(aus, "Gesamtbrutto"), "2.956,03");
    // Gross-up of a net-marked 150,00: the total leaves it out, the gross field holds B.
    ein = Eingaben();
    ein.posten.push_back({"AT-Zulage", "150,00", "x", "x", "", "", "", "x", "", Postenart::Zahlung});
    ein.FNTHochrechnung = 1;
    ein.NTSummeLfd = 150_cur;
    ein.LEdiBrutto = "2.250,00";
    aus = BaueDetailabrechnung(lg, ein);
    EXPECT_EQ(Betrag(aus, "Arbeitgeberaufwand"), "2.411,20");
    EXPECT_EQ(Betrag(aus, "Nettolohndifferenz"), "100,00");
    EXPECT_EQ(Betrag(aus, "Gesamtbrutto"), "2.250,00");
    // The scheme's grossed-up part joins the regular sum but is no item: the
    // difference still makes the listed payments up to the gross.
    ein.ZVComboHochr = "ja";
    ein.NTSummeLfd = 180_cur;
    EXPECT_EQ(Betrag(BaueDetailabrechnung(lg, ein), "Nettolohndifferenz"), "100,00");
    // Without a difference there is no line.
    ein.LEdiBrutto = "2.150,00";
    EXPECT_TRUE(Mit(BaueDetailabrechnung(lg, ein), "Nettolohndifferenz").empty());
}

TEST(Bausteine, SichtbarkeitDerAnsichtsknoepfe)
{
    struct Fall {
        const char* pfaendung;
        int atz;
        bool abr, pfd, atzKnopf;
    };
    const Fall faelle[] = {
        {"nein", 0, false, false, false},
        {"ja", 0, true, true, false},
        {"nein", 1, true, false, true},
        {"ja", 1, true, true, true},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FATZ = Byte(f.atz);
        DetailEingaben ein = Eingaben();
        ein.PfdComboJaNein = f.pfaendung;
        ein.LEdiNetto = "1.500,00";
        const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
        EXPECT_EQ(aus.BtnAbrSichtbar, f.abr) << f.pfaendung << " " << f.atz;
        EXPECT_EQ(aus.BtnPfdSichtbar, f.pfd) << f.pfaendung << " " << f.atz;
        EXPECT_EQ(aus.BtnATZSichtbar, f.atzKnopf) << f.pfaendung << " " << f.atz;
        EXPECT_EQ(aus.atzAbrechnung, f.atz == 1);
        EXPECT_EQ(Mit(aus, "Pfändung").size(), IstJa(f.pfaendung) ? 1u : 0u);
    }
}

TEST(Bausteine, PfaendungDerSonderberechnungNurMitIhremTag)
{
    TLohnGehalt lg = Engine(2024, 3);
    lg.FPfaendBetrag = 120_cur;
    DetailEingaben ein = Eingaben();
    ein.PfdComboJaNein = "ja";
    ein.pfaendBetragZweit = 300_cur;
    EXPECT_EQ(Betrag(BaueDetailabrechnung(lg, ein), "Pfändung"), "-120,00");
    ein.PfdComboJaNeinTag = 1;
    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_EQ(Betrag(aus, "Pfändung"), "-300,00");
    EXPECT_EQ(Betrag(aus, "Auszahlungsbetrag"), "1.700,00");
}

// The employer's rates are those the engine took: the mini-job's flat rates
// by the engine's code digits and mini-job state, not by the code field's
// text, and the extra health rate the engine computed with.
TEST(Bausteine, ArbeitgebersaetzeDerBerechnung)
{
    struct Fall {
        const char* name;
        Byte kv, rv, minijob, miniRVPflicht;
        const char* kvZeile;
        const char* rvZeile;
    };
    const Fall faelle[] = {
        {"1111", 1, 1, 0, 0, "14,60%+1,70%", "18,60%"},
        {"1111 after 6100's pension obligation", 1, 1, 0, 1, "14,60%+1,70%", "18,60%"},
        {"6100 with pension obligation", 6, 1, 1, 1, "13,00%", "15,00%"},
        {"6100 waiving it", 6, 1, 1, 0, "13,00%", "18,60%"},
        {"6500", 6, 5, 1, 0, "13,00%", "15,00%"},
        {"0500", 0, 5, 1, 0, "14,60%", "15,00%"},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(2024, 3);
        lg.FKVSatz = 14.60_cur;
        lg.FRVSatz = 18.60_cur;
        lg.FBGRKV = f.kv;
        lg.FBGRRV = f.rv;
        lg.FMinijob = f.minijob;
        lg.FMiniRVPflicht = f.miniRVPflicht;
        lg.FKVAG = lg.FRVAG = 100_cur;
        DetailEingaben ein = Eingaben();
        ein.LxEdiBGR = "6100";  // the field may show another code than the one computed
        const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
        const std::vector<std::string> kv = Mit(aus, "Krankenversicherung           100,00   ");
        const std::vector<std::string> rv = Mit(aus, "Rentenversicherung            100,00   ");
        ASSERT_EQ(kv.size(), 1u) << f.name;
        ASSERT_EQ(rv.size(), 1u) << f.name;
        EXPECT_EQ(Zeichen(kv[0], 40, std::string(f.kvZeile).size()), f.kvZeile) << f.name;
        EXPECT_EQ(Zeichen(rv[0], 40, 6), f.rvZeile) << f.name;
    }
}

TEST(Bausteine, EinzelneZeilenNachIhrerBedingung)
{
    TLohnGehalt lg = Engine(2024, 3);
    DetailEingaben ein = Eingaben();

    // the transition-zone line below 800,00 only, and not for a mini-job
    lg.FKVBasis = 799.99_cur;
    EXPECT_EQ(Mit(BaueDetailabrechnung(lg, ein), "Gleitzonenberechnung").size(), 1u);
    lg.FMinijob = 1;
    EXPECT_TRUE(Mit(BaueDetailabrechnung(lg, ein), "Gleitzonenberechnung").empty());
    lg.FMinijob = 0;
    lg.FKVBasis = 800_cur;
    EXPECT_TRUE(Mit(BaueDetailabrechnung(lg, ein), "Gleitzonenberechnung").empty());

    // the factor in its shortest text
    lg.FFaktor = 0.9_cur;
    EXPECT_EQ(Mit(BaueDetailabrechnung(lg, ein), "Faktor bei Steuerklasse 4").at(0).substr(52),
              FormatDetailZeile("Faktor bei Steuerklasse 4", "0,9", false));
    lg.FFaktor = 0_cur;

    // the pension fund's empty line only for group "1011"
    lg.FRVBes = 1;
    lg.FRVAN = 186_cur;
    lg.FRVAG = 186_cur;
    for (const char* bgr : {"1011", "1111"}) {
        ein.LxEdiBGR = bgr;
        const auto& z = BaueDetailabrechnung(lg, ein).zeilen;
        const auto it = std::find_if(z.begin(), z.end(),
                                     [](const std::string& s) { return s.rfind("RV Vers.werk Gesamt", 0) == 0; });
        ASSERT_NE(it, z.end());
        EXPECT_EQ((it - 1)->empty(), std::string(bgr) == "1011") << bgr;
        EXPECT_EQ(WertZeile("RV Vers.werk Gesamt", -(372_cur)), *it);
    }
    lg.FRVBes = 0;
    ein.LxEdiBGR = "1111";

    // an interruption with "0" as either day is not shown
    ein.TBVEdiUB1Von = "0";
    ein.TBVEdiUB1Bis = "9";
    EXPECT_TRUE(Mit(BaueDetailabrechnung(lg, ein), " bis ").empty());

    // a month-and-year text of 78 characters or more gets no blanks
    ein.ComboMonat = std::string(75, 'M');
    ein.ComboJahr = "2024";
    EXPECT_EQ(BaueDetailabrechnung(lg, ein).zeilen.at(0), std::string(kAbrechnungsTitel) + ein.ComboMonat + " 2024");
}

TEST(Bausteine, TextOhneZahlBrichtAbOhneTeilergebnis)
{
    TLohnGehalt lg = Engine(2024, 3);
    DetailEingaben ein = Eingaben();
    ein.posten.push_back({"VL-Abzug", "abc", "", "", "", "", "", "", "", Postenart::Abzug});
    EXPECT_THROW(BaueDetailabrechnung(lg, ein), ConversionError);

    ein = Eingaben();
    ein.LEdiNettoTag = 1;
    ein.LEdiBrutto = "2.000,0x";
    EXPECT_THROW(BaueDetailabrechnung(lg, ein), ConversionError);
    // In gross mode the gross field is not read: the total is the gross.
    ein.LEdiNettoTag = 0;
    EXPECT_NO_THROW(BaueDetailabrechnung(lg, ein));

    ein = Eingaben();
    ein.LEdiStFB = "1,2,3";
    EXPECT_THROW(BaueDetailabrechnung(lg, ein), ConversionError);
}
