#pragma once
// A flow plan as data: the legal values of one plan and the switches for the
// steps in which plans differ. PlanModul (PlanModul.h) runs the plan routines
// (MPARA, MRE4JL, MRE4, ..., MVMT) over one such table, so a plan that fits the
// routines is one constant `kPlan<name>` written with designated initialisers:
//
//   inline constexpr PlanParameter kPlan2024 = {
//       .name = "2024",
//       .eingaben = {.VMT = true, ...},
//       ...
//   };
//
// Every field without a default must be given: the warnings-as-errors build
// refuses a table that leaves one out. A switch (the fields with a default)
// defaults to the way of the 2024 plan, so a plan names only where it differs.
//
// Adding a plan:
//   1. tax/LxSteuern<name>.h with `inline constexpr PlanParameter kPlan<name>`
//      and `using LxSteuern<name> = PlanModulMit<kPlan<name>>;`. A plan that
//      the official plans define as another plan with changes copies that
//      plan's table and sets what changed (LxSteuern1211.h); a December plan
//      that runs the year twice is a DezemberplanMit<the year's table, its
//      own> (LxSteuern1224.h). The tables are constants of the compiler, so a
//      derived one costs nothing at run time.
//   2. Its line in kPlanKalender (PlanRegistry.h): {"<name>", year, first
//      month, last month}; its module at the same place in kModule of
//      PlanRegistry.cpp, and the header included there.
//   3. Its official results in tests/data/official-plans.tsv: each plan there
//      is a test of its own.
// Where a plan does a step differently from every switch below, add a switch
// here (an enum class whose first value is the 2024 way, or a field whose
// default is the 2024 value), document it, and test on it in PlanModul -
// never on the plan's name or year.
//
// Units: amounts in euros, rates as fractions (0.093 for 9.3 %).

#include <cstdint>
#include <optional>
#include <string_view>

#include "Currency.h"
#include "Dez.h"

namespace lx {

// Exact decimal constant with nine decimals, for rates and factors that
// Currency's four decimals cannot hold (0.016125_dez).
using Dezimal = Dez<9>;

inline namespace literals {
template <char... Digits>
constexpr Dezimal operator""_dez()
{
    return Dezimal::fromMantissa(detail::FixedPointLiteral<9, Digits...>::value);
}
}  // namespace literals

// Inputs of the entry beyond those that every plan from 2008 on takes (AJAHR,
// VJAHR, ZMVB, RE4, both allowances, VBEZ, VBS, VBEZM, VBEZS, JVBEZ, ZKF, STKL,
// LZZ, KRV, ALTER1). An input that the plan does not take is 0 (f is 1).
struct PlanEingaben {
    bool VMT;  // else pay for several years is 0
    bool PKPV;
    bool ENTSCH;
    bool f;  // f and af
    bool KVZ;
    bool MBV;
    bool JRE4ENT;
    bool SONSTENT;
    bool PKV;
    bool PVS;
    bool PVZ;
    bool AnzKinderPV;  // care-rate reduction for children (PVA)
};

// The argument lists that several plans share.
// 2008 and 2009 (the 2008 plan takes VMT in LohnsteuerVmt; the entry carries it there).
inline constexpr PlanEingaben kEingaben2008 = {.VMT = true,
                                               .PKPV = false,
                                               .ENTSCH = false,
                                               .f = false,
                                               .KVZ = false,
                                               .MBV = false,
                                               .JRE4ENT = false,
                                               .SONSTENT = false,
                                               .PKV = false,
                                               .PVS = false,
                                               .PVZ = false,
                                               .AnzKinderPV = false};
// 2011 to 2014 and December 2011.
inline constexpr PlanEingaben kEingaben2011 = {.VMT = true,
                                               .PKPV = true,
                                               .ENTSCH = true,
                                               .f = true,
                                               .KVZ = false,
                                               .MBV = false,
                                               .JRE4ENT = true,
                                               .SONSTENT = true,
                                               .PKV = true,
                                               .PVS = true,
                                               .PVZ = true,
                                               .AnzKinderPV = false};
// A later list: an earlier one with one more input.
constexpr PlanEingaben mitEingabe(PlanEingaben liste, bool PlanEingaben::*eingabe)
{
    liste.*eingabe = true;
    return liste;
}
// 2015 to 2021 and December 2015: KVZ added.
inline constexpr PlanEingaben kEingaben2015 = mitEingabe(kEingaben2011, &PlanEingaben::KVZ);
// 2022 and 2023 (both halves): MBV added.
inline constexpr PlanEingaben kEingaben2022 = mitEingabe(kEingaben2015, &PlanEingaben::MBV);

// Operations after the entry that the plan has (SolzLzz and the church tax of
// the period every plan has).
struct PlanOperationen {
    bool LohnsteuerSonst;
    bool LohnsteuerVmt;
    bool VmtBegrenzt;
};

// Care-insurance rates of MPARA.
struct PvSaetze {
    Dezimal PVSATZAN;         // employee, PVS 0
    Dezimal PVSATZANSachsen;  // employee, PVS 1
    Dezimal PVSATZAG;         // employer, PVS 0
    Dezimal PVSATZAGSachsen;  // employer, PVS 1
    Dezimal PVZZuschlag;      // added to PVSATZAN when PVZ is 1
};

// KVSATZAN of MPARA.
enum class KvSatzRegel {
    HalberZusatz,  // KVZ / 2 / 100 + KVSATZAN (2019 on)
    VollerZusatz,  // KVZ / 100 + KVSATZAN (2015 to 2018)
    Fest,          // KVSATZAN, KVZ not used
};

// Income-tax tariff (UPTAB24 and its predecessors), X in whole euros:
//   X < GFB + 1                 ST = 0
//   GFB + 1 <= X < p2Ab         Y = (X - GFB) / 10000;        ST = (Y * p1Faktor + p1Sockel) * Y
//   p2Ab <= X < z42Ab           Y = (X - (p2Ab - 1)) / 10000; ST = (Y * p2Faktor + p2Sockel) * Y + p2Konstante
//   z42Ab <= X < z45Ab          ST = X * 0.42 - z42Abzug
//   X >= z45Ab                  ST = X * 0.45 - z45Abzug
// Y is cut to six decimals, each ST to whole euros; then ST = ST * KZTAB.
struct Tarif {
    Currency GFB;
    Currency p1Faktor;
    Currency p1Sockel;  // 1400
    Currency p2Ab;
    Currency p2Faktor;
    Currency p2Sockel;  // 2397
    Currency p2Konstante;
    Currency z42Ab;
    Currency z42Abzug;
    Currency z45Ab;
    Currency z45Abzug;
};

// How LSTJAHR = ST * f and JBMG = ST * f are kept.
enum class JahresRundung {
    GanzeEuro,   // cut to whole euros
    Ungerundet,  // the product with its four decimals
};

// How STS and STV are cut after the factor f.
enum class SonstRundung {
    GanzeEuro,
    GanzeCent,
};

// Solidarity surcharge on a special payment and on pay for several years.
enum class SolzSonstRegel {
    Freigrenze,      // MSOLZSTS and SOLZVBMG: only when the annual base exceeds SOLZFREI (2021 on)
    OhneFreigrenze,  // 5.5 % of any STS or STV above 0
};

// Special-expenses lump sum SAP of MZTABFB.
enum class SapRegel {
    Klassen1bis5,         // 36 in tax classes 1 to 5, 0 in class 6
    Klasse3DoppeltOhne5,  // 36 in tax classes 1, 2 and 4, 72 in class 3, 0 in classes 5 and 6
};

// Rounding of the employee lump sum ANP of MZTABFB below its caps.
enum class AnpRundung {
    BeideTeile,           // the pension part and the sum with the employee part up to whole euros
    NurArbeitnehmerteil,  // the pension part ZVBEZ - FVBZ as it is, the sum up to whole euros
    Abrunden,             // the pension part as it is, the sum with the employee part cut to whole euros
};

// FVBZSO, the pension allowance supplement of a special payment (MRE4).
enum class FvbzsoRegel {
    AusFVBZ,         // FVBZ + VBEZBSO / 100 up to whole euros, limited to HFVBZSO and TAB3
    AusHoechstwert,  // TAB3 when HFVBZSO reaches it, else HFVBZSO up to whole euros
};

// Rounding of the old-age relief ALTE (MRE4ALTE), away from zero for a negative base.
enum class AlteRundung {
    GanzeEuro,  // up to whole euros
    Cent,       // up to cents
};

// The provision allowance VSP of MLSTJAHR.
enum class VorsorgeRegel {
    // UPEVP and MVSP: the pension part plus the health and care part by the
    // insurance rates, or the minimum VSPN.
    Teilbetraege,
    // UPEVP, MVSP and UMVSP of the law up to 2009: pension part VSP1 and 11 %
    // of the wage up to 1500 (times KZTAB) as the minimum VSPN; otherwise 20 %
    // of the wage within the prior deduction VSPVOR (3068, less 16 % of the
    // wage) and the maxima VSPMAX1 1334 and half up to VSPMAX2 667, or VSPKURZ
    // 1134 with KRV 1 (not pension-insured); all times KZTAB. VSP1 counts for
    // KRV 0 only, ZRE4VP capped at BBGRVWest, TBSVORV share times RVSATZAN.
    // Tax classes 5 and 6 get no allowance (VSP 0).
    Vorwegabzug,
};

// Pay for several years: KENNVMT 1 and 2 of MLSTJAHR and LohnsteuerVmt (MVMT).
enum class VmtRegel {
    // One-fifth rule on ZVE less VMT (KENNVMT 1); KENNVMT 2 is the normal
    // taxation of the whole pay less ENTSCH.
    Fuenftel,
    // One fifth of VMT (VMTA) added to the wage and allowances saved before
    // VMT (ZRE4S, ZTABFBS), KENNVMT 1; with a negative annual wage KENNVMT 2
    // taxes one fifth of ZRE4 - ZTABFB. STV is five times the difference.
    FuenftelAufGespeicherteBasis,
};

struct PlanParameter {
    std::string_view name;  // "2024", "1211", ...
    PlanEingaben eingaben;
    PlanOperationen operationen;

    // MPARA (values for KRV 0 and 1; with KRV 2 there is no pension part)
    Currency BBGRVWest;  // KRV 0
    Currency BBGRVOst;   // KRV 1
    Dezimal RVSATZAN;
    std::optional<Dezimal> TBSVORV;  // share of the pension contribution that counts (none: all of it)
    Currency BBGKVPV;
    KvSatzRegel kvSatz;
    Dezimal KVSATZAN;  // the fixed rate, or the base to which KVZ is added
    Dezimal KVSATZAG;
    PvSaetze pv;
    std::optional<PvSaetze> pvJahr;  // rates for LZZ 1 where the year had two sets (July 2023)
    Dezimal PVAAbschlag;             // taken off PVSATZAN per PVA step when PVZ is 0; 0: no PVA
    Currency W1STKL5;
    Currency W2STKL5;
    Currency W3STKL5;
    Dezimal MISTSatz;  // minimum tax of tax classes 5 and 6 (UP5_6)
    Tarif tarif;

    // MZTABFB
    Currency ANP;                             // employee lump sum, at most
    std::optional<Currency> ANPUnterjaehrig;  // limit for LZZ 2 to 4 where it differs (December 2011)
    Currency EFA;                             // relief for single parents (tax class 2)
    Currency KFB;                             // per child allowance, tax classes 1 to 3
    Currency KFBKlasse4;

    // MSOLZ
    Currency SOLZFREI;      // exemption limit, times KZTAB
    Dezimal SOLZMilderung;  // rate on JBMG - SOLZFREI in the mitigation zone

    // Switches (defaults: the 2024 plan)
    SolzSonstRegel solzSonst = SolzSonstRegel::Freigrenze;
    JahresRundung lstjahr = JahresRundung::GanzeEuro;
    JahresRundung jbmg = JahresRundung::GanzeEuro;
    SonstRundung stsStv = SonstRundung::GanzeEuro;
    bool fvbBisVersorgung = true;  // FVB limited to the annual pension ZVBEZJ (2016 on)
    SapRegel sap = SapRegel::Klassen1bis5;
    AnpRundung anpRundung = AnpRundung::BeideTeile;
    FvbzsoRegel fvbzso = FvbzsoRegel::AusFVBZ;
    AlteRundung alte = AlteRundung::GanzeEuro;
    bool zre4vpNachFreibetraegen = false;  // ZRE4VP = ZRE4J - FVB - ALTE (floored at 0) instead of ZRE4J
    VorsorgeRegel vorsorge = VorsorgeRegel::Teilbetraege;
    VmtRegel vmt = VmtRegel::Fuenftel;
};

}  // namespace lx
