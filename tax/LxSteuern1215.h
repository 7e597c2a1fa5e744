#pragma once
// The wage-tax flow plan of December 2015. The tariff, the child and
// single-parent allowances and W1STKL5 changed for the whole year 2015 in its
// last month: the plan runs the year with the values of the 2015 plan and with
// the new ones (kPlan1215) and takes for December what the new annual amount
// leaves after the eleven months that were taxed with the old values.
// A special payment and pay for several years are taxed with the new values.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan1215;

class LxSteuern1215 : public PlanModulListeB {
public:
    LxSteuern1215() : PlanModulListeB(kPlan1215) {}

    // The first pass points the routines at the 2015 table for a moment.
    std::string_view name() const override { return kPlan1215.name; }

    using PlanModulListeB::LohnsteuerLzz;
    Currency LohnsteuerLzz(const LohnsteuerEingaben& e) override;
    Currency KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                              Currency Satz) override;

protected:
    // Annual amounts of one pass, in cents.
    struct Jahresbetraege {
        Currency LSTJAHR;
        Currency SOLZJ;  // 0 when JBMG does not exceed SOLZFREI
        Currency JBMG;   // church-tax base
    };
    Jahresbetraege durchgang(const PlanParameter& werte, Currency ZRE4VP);
    // The December amount of a monthly, weekly or daily pay period: the period
    // share of new - 11 * (old - new), never below 0.
    Currency dezember(Currency alt, Currency neu) const;

private:
    Currency BKDezember_;  // church-tax base of the period as the entry left it, in cents
};

}  // namespace lx
