#pragma once
// A December plan: the law changed the year's values in its last month, for
// the whole year. The entry computes the year twice - with the values of the
// year's plan (pass 1) and with the new ones, the plan's own table (pass 2) -
// and gives December what the new annual amount leaves after the eleven months
// that were taxed with the old values. Wage tax, surcharge and church-tax base
// of the period are combined so; a special payment and pay for several years
// are taxed with the new values alone.
//
// The shared routines run both passes, so a December plan is its two tables
// and nothing else.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

class Dezemberplan : public PlanModul {
public:
    Dezemberplan(const PlanParameter& bisher, const PlanParameter& neu) : PlanModul(neu), bisher_(&bisher), neu_(&neu)
    {
    }

    // The first pass points the routines at the year's table for a moment.
    std::string_view name() const override { return neu_->name; }

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
    const PlanParameter* bisher_;
    const PlanParameter* neu_;
    Currency BKDezember_;  // church-tax base of the period as the entry left it, in cents
};

// The module of a December plan: the year's table and the new one.
template <const PlanParameter& Bisher, const PlanParameter& Neu>
class DezemberplanMit : public Dezemberplan {
public:
    static constexpr std::string_view kName = Neu.name;

    DezemberplanMit() : Dezemberplan(Bisher, Neu) {}
};

}  // namespace lx
