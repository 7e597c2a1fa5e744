#include <gtest/gtest.h>

#include "Optionen.h"

using namespace lx;

TEST(Optionen, EachListMapsItsTextsAndFallsBackToItsDefault)
{
    struct Fall {
        std::uint8_t (*map)(std::string_view);
        const char* name;
        const char* text;
        int code;
    };
    const Fall faelle[] = {
        {MapBAVArt, "BAVArt", "Direktversicherung", 1},
        {MapBAVArt, "BAVArt", "Pensionsfond", 3},
        {MapBAVArt, "BAVArt", "Unterstützungskasse", 4},
        {MapBAVArt, "BAVArt", "keine Altersversorgung", 0},
        {MapBAVStFrei, "BAVStFrei", "alles steuerfrei", 2},
        {MapBAVStFrei, "BAVStFrei", "nichts steuerfrei", 3},
        {MapBAVStFrei, "BAVStFrei", "stfrei nach § 3 Nr. 63 EStG", 1},
        {MapBAVStFrei, "BAVStFrei", "", 1},
        {MapKonfession, "Konfession", "ev", 0},
        {MapKonfession, "Konfession", "rk/ev", 3},
        {MapKonfession, "Konfession", "nein", 4},
        {MapKonfession, "Konfession", "", 4},
        {MapKonfession, "Konfession", "EV", 4},
        {MapBundesland, "Bundesland", "Baden-Württemberg", 1},
        {MapBundesland, "Bundesland", "Bremerhaven", 6},
        {MapBundesland, "Bundesland", "bremische Evang. Kirche", 11},
        {MapBundesland, "Bundesland", "Nordrhein-Westfalen", 12},
        {MapBundesland, "Bundesland", "Thüringen", 18},
        {MapBundesland, "Bundesland", "NRW", 0},
        {MapKVBes, "KVBes", "Freiwillig Selbstzahler", 2},
        {MapKVBes, "KVBes", "Privat ohne AG-Zuschuss", 5},
        {MapKVBes, "KVBes", "keine KV rechnen", 9},
        {MapKVBes, "KVBes", "keine PV rechnen", 0},
        {MapKVBes, "KVBes", "keine Besonderheiten", 0},
        {MapPVBes, "PVBes", "Privat Selbstzahler", 4},
        {MapPVBes, "PVBes", "keine PV rechnen", 9},
        {MapPVBes, "PVBes", "keine KV rechnen", 0},
        {MapRVBes, "RVBes", "Versorgungswerk Firmenzahler", 1},
        {MapRVBes, "RVBes", "Versorgungswerk Selbstzahler", 2},
        {MapRVBes, "RVBes", "keine Besonderheiten", 0},
        {MapAVBes, "AVBes", "nur Arbeitnehmeranteil rechnen", 1},
        {MapAVBes, "AVBes", "keine Besonderheiten", 0},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.map(f.text), f.code) << f.name << "(\"" << f.text << "\")";
}

TEST(Optionen, CharactersOfATextCountUtf8Characters)
{
    EXPECT_EQ(ErstesZeichen("1234"), "1");
    EXPECT_EQ(ZweitesZeichen("1234"), "2");
    EXPECT_EQ(ZweitesZeichen("1"), "");
    EXPECT_EQ(ErstesZeichen(""), "");
    EXPECT_EQ(ErstesZeichen("Ärger"), "Ä");
    EXPECT_EQ(ZweitesZeichen("Ärger"), "r");
    EXPECT_EQ(ZeichenAn("1ü3", 2), "3");
}

TEST(Optionen, ChurchTaxRateForFlatRateTaxes)
{
    const int faelle[][3] = {
        // flag, area, rate in tenths
        {0, 0, 80},  {0, 1, 80},  {0, 2, 80},  {0, 3, 90},   {0, 18, 90}, {0, 19, 90}, {0, 255, 90}, {1, 0, 90},
        {1, 1, 65},  {1, 2, 70},  {1, 3, 50},  {1, 4, 50},   {1, 5, 70},  {1, 6, 70},  {1, 7, 40},   {1, 8, 70},
        {1, 9, 50},  {1, 10, 60}, {1, 11, 70}, {1, 12, 70},  {1, 13, 70}, {1, 14, 70}, {1, 15, 50},  {1, 16, 50},
        {1, 17, 60}, {1, 18, 50}, {1, 19, 90}, {1, 255, 90}, {2, 1, 90},  {2, 7, 90},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(KiStSatz(f[0], f[1]), Currency::fromRaw(f[2] * 1000)) << "flag " << f[0] << " area " << f[1];
    }
}
