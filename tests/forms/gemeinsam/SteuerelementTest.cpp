// The control tables: the state follows the table's presets, the reset by
// table touches only what an entry names, and a table out of its enum's order
// is refused.

#include <gtest/gtest.h>

#include <vector>

#include "gemeinsam/Steuerelement.h"

namespace lx {
namespace {

enum class Probe { Feld, Liste, Haken, Knopf, kAnzahl };

const std::vector<Eintrag<Probe>>& probeTabelle()
{
    static const std::vector<Eintrag<Probe>> t = {
        {Probe::Feld,
         {.name = "LEdiFeld",
          .kind = SteuerArt::ValueLabEdit,
          .min = 1_cur,
          .max = 30_cur,
          .decimals = 0,
          .preset = "30",
          .reset = "30",
          .resetEnabled = true}},
        {Probe::Liste,
         {.name = "ComboListe",
          .kind = SteuerArt::Combo,
          .items = {"ja", "nein"},
          .preset = "nein",
          .colour = Farbe::Red}},
        {Probe::Haken, {.name = "ChkHaken", .kind = SteuerArt::Check, .resetChecked = true, .checked = true}},
        {Probe::Knopf, {.name = "BtnKnopf", .kind = SteuerArt::Button, .preset = "OK", .visible = false, .tag = 3}},
    };
    return t;
}

TEST(Steuerelement, StateStartsFromThePresets)
{
    FensterZustand<Probe> f(probeTabelle());
    EXPECT_EQ(f.text(Probe::Feld), "30");
    EXPECT_EQ(f[Probe::Feld].min, 1_cur);
    EXPECT_EQ(f[Probe::Feld].max, 30_cur);
    EXPECT_EQ(f[Probe::Liste].items, (std::vector<std::string>{"ja", "nein"}));
    EXPECT_EQ(f[Probe::Liste].colour, Farbe::Red);
    EXPECT_TRUE(f[Probe::Haken].checked);
    EXPECT_FALSE(f[Probe::Knopf].visible);
    EXPECT_EQ(f[Probe::Knopf].tag, 3);
    EXPECT_EQ(f.name(Probe::Haken), "ChkHaken");
}

TEST(Steuerelement, ResetSetsOnlyWhatTheTableNames)
{
    FensterZustand<Probe> f(probeTabelle());
    f.text(Probe::Feld) = "12";
    f[Probe::Feld].enabled = false;
    f.text(Probe::Liste) = "ja";
    f[Probe::Liste].enabled = false;
    f[Probe::Haken].checked = false;
    f[Probe::Knopf].tag = 9;
    f.grundstellung();
    EXPECT_EQ(f.text(Probe::Feld), "30");
    EXPECT_TRUE(f[Probe::Feld].enabled);
    EXPECT_EQ(f.text(Probe::Liste), "ja") << "no reset text: unchanged";
    EXPECT_FALSE(f[Probe::Liste].enabled);
    EXPECT_TRUE(f[Probe::Haken].checked);
    EXPECT_EQ(f[Probe::Knopf].tag, 9);
}

TEST(Steuerelement, TableMustFollowTheEnum)
{
    std::vector<Eintrag<Probe>> vertauscht = probeTabelle();
    std::swap(vertauscht[1], vertauscht[2]);
    EXPECT_THROW(FensterZustand<Probe>{vertauscht}, std::logic_error);
    std::vector<Eintrag<Probe>> kurz(probeTabelle().begin(), probeTabelle().end() - 1);
    EXPECT_THROW(FensterZustand<Probe>{kurz}, std::logic_error);
}

}  // namespace
}  // namespace lx
