#include "Dezemberplan.h"

namespace lx {

template <class Basis>
Currency Dezemberplan<Basis>::LohnsteuerLzz(const LohnsteuerEingaben& e)
{
    PlanZustand& z = this->z_;
    this->neuerZustand();
    this->p_ = neu_;
    BKDezember_ = 0_cur;
    if (e.STKL == 0) return 0_cur;  // flat-taxed mini-job: every follow-up operation gives 0 too

    this->eingabenSpeichern(e);
    this->MPARA();  // the same in both passes
    this->MRE4JL();
    z.VBEZBSO = 0_cur;
    z.KENNVMT = 0;
    this->MRE4();
    this->MRE4ABZ();
    // Each pass caps ZRE4VP in place, so both start from the uncapped value.
    const Currency ZRE4VP = z.ZRE4VP;
    const Jahresbetraege alt = durchgang(*bisher_, ZRE4VP);
    const Jahresbetraege neu = durchgang(*neu_, ZRE4VP);  // stays in force for the follow-up operations

    if (z.LZZ == 1) {
        z.LSTLZZ = neu.LSTJAHR;
        z.SOLZLZZ = neu.SOLZJ;
        BKDezember_ = neu.JBMG;
    } else {
        z.LSTLZZ = dezember(alt.LSTJAHR, neu.LSTJAHR);
        z.SOLZLZZ = dezember(alt.SOLZJ, neu.SOLZJ);
        BKDezember_ = dezember(alt.JBMG, neu.JBMG);
    }
    z.BK = BKDezember_;
    return dez(z.LSTLZZ).div10<2>().toCurrency(Round::Cut);
}

template <class Basis>
typename Dezemberplan<Basis>::Jahresbetraege Dezemberplan<Basis>::durchgang(const PlanParameter& werte,
                                                                            Currency ZRE4VP)
{
    PlanZustand& z = this->z_;
    this->p_ = &werte;
    z.ZRE4VP = ZRE4VP;
    // MBERECH gives the period shares of the annual amounts; with LZZ 1 they
    // are the annual amounts themselves. Nothing else in it reads LZZ here
    // (no December table has a lump sum of its own for shorter pay periods).
    const int LZZ = z.LZZ;
    z.LZZ = 1;
    this->MBERECH();
    z.LZZ = LZZ;
    this->p_ = neu_;
    return {.LSTJAHR = z.LSTLZZ, .SOLZJ = z.SOLZLZZ, .JBMG = z.JBMG * 100};
}

template <class Basis>
Currency Dezemberplan<Basis>::dezember(Currency alt, Currency neu) const
{
    const Currency D = neu - (alt - neu) * 11;
    return D.isNegative() ? 0_cur : this->UPANTEIL(D);
}

template <class Basis>
Currency Dezemberplan<Basis>::KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil,
                                               Currency Kappung, Currency Satz)
{
    PlanZustand& z = this->z_;
    if (z.STKL == 0) return 0_cur;
    if (Pflichtig == 0) {
        z.BK = 0_cur;
        return 0_cur;
    }
    // The base is the combined December amount, not the period share of JBMG.
    z.BK = BKDezember_;
    return this->kirchensteuer(z.BK, Bundesland, Konfession, Anteil, Kappung, Satz);
}

template class Dezemberplan<PlanModul>;
template class Dezemberplan<PlanModulListeB>;

}  // namespace lx
