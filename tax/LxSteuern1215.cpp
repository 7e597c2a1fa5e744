#include "LxSteuern1215.h"

#include "LxSteuern2015.h"

namespace lx {

// The 2015 plan with the values that hold for the whole year from December on.
constinit const PlanParameter kPlan1215 = {
    .name = "1215",
    .eingaben = {.VMT = true,
                 .PKPV = true,
                 .ENTSCH = true,
                 .f = true,
                 .KVZ = true,
                 .MBV = false,
                 .JRE4ENT = true,
                 .SONSTENT = true,
                 .PKV = true,
                 .PVS = true,
                 .PVZ = true,
                 .AnzKinderPV = false},
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 72600_cur,
    .BBGRVOst = 62400_cur,
    .RVSATZAN = 0.0935_dez,
    .TBSVORV = 0.60_dez,
    .BBGKVPV = 49500_cur,
    .kvSatz = KvSatzRegel::VollerZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.07_dez,
    .pv = {.PVSATZAN = 0.01175_dez,
           .PVSATZANSachsen = 0.01675_dez,
           .PVSATZAG = 0.01175_dez,
           .PVSATZAGSachsen = 0.00675_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 9873_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8472_cur,
              .p1Faktor = 997.60_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13470_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 948.68_cur,
              .z42Ab = 52882_cur,
              .z42Abzug = 8261.29_cur,
              .z45Ab = 250731_cur,
              .z45Abzug = 15783.19_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7152_cur,
    .KFBKlasse4 = 3576_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
};

Currency LxSteuern1215::LohnsteuerLzz(const LohnsteuerEingaben& e)
{
    neuerZustand();
    p_ = &kPlan1215;
    BKDezember_ = 0_cur;
    if (e.STKL == 0) return 0_cur;  // flat-taxed mini-job: every follow-up operation gives 0 too

    eingabenSpeichern(e);
    MPARA();  // the same in both passes
    MRE4JL();
    z_.VBEZBSO = 0_cur;
    z_.KENNVMT = 0;
    MRE4();
    MRE4ABZ();
    // Each pass caps ZRE4VP in place, so both start from the uncapped value.
    const Currency ZRE4VP = z_.ZRE4VP;
    const Jahresbetraege alt = durchgang(kPlan2015, ZRE4VP);
    const Jahresbetraege neu = durchgang(kPlan1215, ZRE4VP);  // stays in force for the follow-up operations

    if (z_.LZZ == 1) {
        z_.LSTLZZ = neu.LSTJAHR;
        z_.SOLZLZZ = neu.SOLZJ;
        BKDezember_ = neu.JBMG;
    } else {
        z_.LSTLZZ = dezember(alt.LSTJAHR, neu.LSTJAHR);
        z_.SOLZLZZ = dezember(alt.SOLZJ, neu.SOLZJ);
        BKDezember_ = dezember(alt.JBMG, neu.JBMG);
    }
    z_.BK = BKDezember_;
    return dez(z_.LSTLZZ).div10<2>().toCurrency(Round::Cut);
}

LxSteuern1215::Jahresbetraege LxSteuern1215::durchgang(const PlanParameter& werte, Currency ZRE4VP)
{
    p_ = &werte;
    z_.ZRE4VP = ZRE4VP;
    // MBERECH gives the period shares of the annual amounts; with LZZ 1 they
    // are the annual amounts themselves. Nothing else in it reads LZZ here
    // (neither table has a lump sum of its own for shorter pay periods).
    const int LZZ = z_.LZZ;
    z_.LZZ = 1;
    MBERECH();
    z_.LZZ = LZZ;
    return {.LSTJAHR = z_.LSTLZZ, .SOLZJ = z_.SOLZLZZ, .JBMG = z_.JBMG * 100};
}

Currency LxSteuern1215::dezember(Currency alt, Currency neu) const
{
    const Currency D = neu - (alt - neu) * 11;
    return D.isNegative() ? 0_cur : UPANTEIL(D);
}

Currency LxSteuern1215::KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                                         Currency Satz)
{
    if (z_.STKL == 0) return 0_cur;
    if (Pflichtig == 0) {
        z_.BK = 0_cur;
        return 0_cur;
    }
    // The base is the combined December amount, not the period share of JBMG.
    z_.BK = BKDezember_;
    return kirchensteuer(z_.BK, Bundesland, Konfession, Anteil, Kappung, Satz);
}

}  // namespace lx
