#include "Dezemberplan.h"

namespace lx {

Currency Dezemberplan::LohnsteuerLzz(const LohnsteuerEingaben& e)
{
    neuerZustand();
    p_ = neu_;
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
    const Jahresbetraege alt = durchgang(*bisher_, ZRE4VP);
    const Jahresbetraege neu = durchgang(*neu_, ZRE4VP);  // stays in force for the follow-up operations

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

Dezemberplan::Jahresbetraege Dezemberplan::durchgang(const PlanParameter& werte, Currency ZRE4VP)
{
    p_ = &werte;
    z_.ZRE4VP = ZRE4VP;
    // MBERECH gives the period shares of the annual amounts; with LZZ 1 they
    // are the annual amounts themselves. Nothing else in it reads LZZ here
    // (no December table has a lump sum of its own for shorter pay periods).
    const int LZZ = z_.LZZ;
    z_.LZZ = 1;
    MBERECH();
    z_.LZZ = LZZ;
    p_ = neu_;
    return {.LSTJAHR = z_.LSTLZZ, .SOLZJ = z_.SOLZLZZ, .JBMG = z_.JBMG * 100};
}

Currency Dezemberplan::dezember(Currency alt, Currency neu) const
{
    const Currency D = neu - (alt - neu) * 11;
    return D.isNegative() ? 0_cur : UPANTEIL(D);
}

Currency Dezemberplan::KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
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
