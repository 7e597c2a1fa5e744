#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "DetailZeilen.h"

using namespace lx;
using namespace lx::literals;

TEST(DetailZeilen, FormatDetailZeileFuelltVerbindetUndNormalisiert)
{
    struct Fall {
        const char* label;
        const char* wert;
        bool geld;
        bool negativ;
        std::string soll;
    };
    const Fall faelle[] = {
        {"Steuerklasse", "1", false, false, "Steuerklasse" + std::string(31, ' ') + "1"},
        {"Freibetrag", "1.234,5", true, false, "Freibetrag" + std::string(26, ' ') + "1.234,50"},
        {"Freibetrag", "1234567,891", true, false, "Freibetrag" + std::string(22, ' ') + "1.234.567,89"},
        {"Hinzurechnungsbetrag", "-50", true, true, "Hinzurechnungsbetrag" + std::string(19, ' ') + "50,00"},
        // an empty value is "0" before the money reading, so it never raises
        {"Pfändung: Verbl. Netto", "", true, false, "Pfändung: Verbl. Netto" + std::string(18, ' ') + "0,00"},
        {"Vor-SV-Tage", "", false, false, "Vor-SV-Tage" + std::string(32, ' ') + "0"},
        // characters, not bytes: "§" and "ü" take one column each
        {"Anzahl Kinder für PV", "3", false, false, "Anzahl Kinder für PV" + std::string(23, ' ') + "3"},
        // label and value of 43 characters get one blank, of 44 and more are joined
        {"Status Steuerber.", "wwwwwwwwwwwwwwwwwwwwwwwwww", false, false,
         "Status Steuerber. wwwwwwwwwwwwwwwwwwwwwwwwww"},
        {"Status Steuerber.", "wwwwwwwwwwwwwwwwwwwwwwwwwww", false, false,
         "Status Steuerber.wwwwwwwwwwwwwwwwwwwwwwwwwww"},
        {"Status Steuerber.", "wwwwwwwwwwwwwwwwwwwwwwwwwwww", false, false,
         "Status Steuerber.wwwwwwwwwwwwwwwwwwwwwwwwwwww"},
    };
    for (const Fall& f : faelle) {
        const std::string ist = FormatDetailZeile(f.label, f.wert, f.geld, f.negativ);
        EXPECT_EQ(ist, f.soll) << f.label << " / " << f.wert;
    }
    EXPECT_EQ(Zeichenzahl(FormatDetailZeile("Anzahl Kinder für PV", "3", false)), 44u);
    EXPECT_THROW(FormatDetailZeile("Freibetrag", "12a", true), ConversionError);
}

TEST(DetailZeilen, ZellenUndMarken)
{
    EXPECT_EQ(LabelZelle("Gehalt"), "Gehalt" + std::string(18, ' '));
    EXPECT_EQ(LabelZelle("Solidaritätszuschlag").size(), std::string("Solidaritätszuschlag").size() + 4);
    EXPECT_EQ(LabelZelle("Arbeitgeber-Höchstzuschuss PKV"), "Arbeitgeber-Höchstzuschuss PKV");
    EXPECT_EQ(BetragZelle("-1.234,56"), "   -1.234,56");
    EXPECT_EQ(WertZeile("Netto", -0.01_cur), "Netto" + std::string(19, ' ') + "       -0,01");
    EXPECT_EQ(MarkZellen(kLSt, false), std::string(9, ' ') + "x");
    EXPECT_EQ(MarkZellen(kSoV, false), std::string(14, ' ') + "x");
    EXPECT_EQ(MarkZellen(kGBr, false), "    x");
    EXPECT_EQ(MarkZellen(0, false), "");
    EXPECT_EQ(MarkZellen(kVBz, true), std::string(39, ' ') + "x");
    EXPECT_EQ(MarkZellen(kGBr | kLSt, true).size(), 40u);
    EXPECT_EQ(Zeichen("+ 1,70%", 3, 4), "1,70");
    EXPECT_EQ(Zeichen("+ 1,7", 3, 4), "1,7");
    EXPECT_EQ(Zeichen("", 3, 4), "");
    EXPECT_EQ(OhneErsteZeichen("Eintritt 06.05.2024", 9), "06.05.2024");
    EXPECT_EQ(OhneErsteZeichen("kurz", 9), "");
}

TEST(DetailZeilen, SatzTexte)
{
    EXPECT_EQ(SatzText(14.6_cur), "14,60%");
    EXPECT_EQ(SatzText(1.7_cur, 3), "1,700%");
    EXPECT_EQ(SatzText(0.15_cur), "0,15%");
    EXPECT_EQ(SatzNachLuecke(10_cur), "   10,00%");
    EXPECT_EQ(SatzNachLuecke(9.99_cur), "    9,99%");
}

TEST(DetailZeilen, DatumString)
{
    EXPECT_EQ(DatumString("5", "März", "2024"), "05.03.2024");
    EXPECT_EQ(DatumString("15", "Dezember", "2023"), "15.12.2023");
    EXPECT_EQ(DatumString("31", "Oktober", "2024"), "31.10.2024");
}

TEST(DetailZeilen, ZusammenfuehrenLinksUndRechts)
{
    const std::string l45(45, 'l');
    const std::string r44(44, 'r');
    // a rate line of 51 characters is followed by one blank, so its right line starts where the others do
    const std::string lang = std::string(24, 'K') + std::string(12, '9') + "   14,60%+1,70%";
    ASSERT_EQ(lang.size(), 51u);
    struct Fall {
        std::vector<std::string> links;
        std::vector<std::string> rechts;
        std::vector<std::string> soll;
    };
    const Fall faelle[] = {
        // left longer: its extra rows stand alone, with the seven blanks
        {{l45, l45}, {r44}, {l45 + "       " + r44, l45 + "       "}},
        // right longer: its extra rows start after 45 + 7 blanks
        {{l45}, {r44, r44}, {l45 + "       " + r44, std::string(52, ' ') + r44}},
        {{lang}, {r44}, {lang + " " + r44}},
        {{}, {}, {}},
    };
    for (const Fall& f : faelle) EXPECT_EQ(Zusammenfuehren(f.links, f.rechts), f.soll);
}
