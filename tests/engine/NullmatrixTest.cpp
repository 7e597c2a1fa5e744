// Which shares are zero for each code digit and special case, for the month
// and for a one-off payment. A one-off share is zero exactly when the month's
// share of the same side is, except where the month's amount follows a premium
// (voluntary and private members): then the one-off share is zero too.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

namespace {

// Order: KVAN KVAG RVAN RVAG AVAN AVAG PVAN PVAG, "1" = not zero.
std::string muster(const std::array<Currency, 8>& anteile)
{
    std::string s;
    for (Currency a : anteile) s += a == 0_cur ? '0' : '1';
    return s;
}

struct Fall {
    const char* bgr;
    Byte kvBes, rvBes, avBes, pvBes;
    Byte vb;
    Byte miniRVPflicht;
    const char* monat;
    const char* einmal;
};

}  // namespace

TEST(Nullmatrix, ZeroSharesByCodeAndSpecialCase)
{
    const Fall faelle[] = {
        {"1111", 0, 0, 0, 0, 0, 0, "11111111", "11111111"},
        {"3111", 0, 0, 0, 0, 0, 0, "11111111", "11111111"},
        {"0111", 0, 0, 0, 0, 0, 0, "00111100", "00111100"},
        {"1011", 0, 0, 0, 0, 0, 0, "11001111", "11001111"},
        {"1311", 0, 0, 0, 0, 0, 0, "11011111", "11011111"},  // employer's pension half only
        {"1101", 0, 0, 0, 0, 0, 0, "11110011", "11110011"},
        {"1121", 0, 0, 0, 0, 0, 0, "11110111", "11110111"},  // employer's unemployment half only
        {"1110", 0, 0, 0, 0, 0, 0, "11111100", "11111100"},  // no care insurance
        {"1112", 0, 0, 0, 0, 0, 0, "11111111", "11111111"},
        {"1111", 0, 0, 1, 0, 0, 0, "11111011", "11111011"},  // employee's unemployment share only
        {"1011", 0, 1, 0, 0, 0, 0, "11111111", "11111111"},  // pension fund, employer pays
        {"1011", 0, 2, 0, 0, 0, 0, "11011111", "11011111"},  // pension fund, employee pays
        {"6500", 0, 0, 0, 0, 0, 0, "01010000", "01010000"},
        {"6100", 0, 0, 0, 0, 0, 1, "01110000", "01110000"},
        {"0500", 0, 0, 0, 0, 0, 0, "00010000", "00010000"},
        {"9111", 0, 0, 0, 0, 0, 0, "11111111", "00111100"},  // voluntary member
        {"1111", 2, 0, 0, 2, 0, 0, "11111111", "00111100"},
        {"0110", 3, 0, 0, 3, 0, 0, "11111111", "00111100"},  // private, through the employer
        {"0110", 4, 0, 0, 4, 0, 0, "01111101", "00111100"},  // private, pays himself
        {"0110", 5, 0, 0, 5, 0, 0, "00111100", "00111100"},
        {"1111", 9, 0, 0, 9, 0, 0, "00111100", "00111100"},
        {"1111", 0, 0, 0, 0, 1, 0, "10111110", "10111110"},  // pension benefits
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(2024, 5, f.bgr, 3000_cur);
        lg.SetKVBes(f.kvBes);
        lg.SetRVBes(f.rvBes);
        lg.SetAVBes(f.avBes);
        lg.SetPVBes(f.pvBes);
        lg.SetVB(f.vb);
        lg.SetMiniRVPflicht(f.miniRVPflicht);
        lg.SetPKVBeitrag(600_cur);
        lg.SetPPVBeitrag(120_cur);
        lg.SetSVTageVorher(120);
        lg.SetSVBruttoEB(1000_cur);
        lg.SetSVBrutto(3000_cur);
        lg.Berechnen();
        const std::string wo = std::string(f.bgr) + " KV" + std::to_string(f.kvBes) + " RV" + std::to_string(f.rvBes) +
                               " AV" + std::to_string(f.avBes) + " PV" + std::to_string(f.pvBes) + " VB" +
                               std::to_string(f.vb);
        EXPECT_EQ(muster({lg.FKVAN, lg.FKVAG, lg.FRVAN, lg.FRVAG, lg.FAVAN, lg.FAVAG, lg.FPVAN, lg.FPVAG}), f.monat)
            << wo;
        EXPECT_EQ(
            muster({lg.FKVANEB, lg.FKVAGEB, lg.FRVANEB, lg.FRVAGEB, lg.FAVANEB, lg.FAVAGEB, lg.FPVANEB, lg.FPVAGEB}),
            f.einmal)
            << wo << " (one-off)";
    }
}
