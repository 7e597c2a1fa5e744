#include "Pfaendungsplan.h"

#include "Kennzeichen.h"
#include "Pfaendung.h"

namespace lx {

Currency PfaendungsKorrektur(const std::vector<PfaendungsZeile>& zeilen, int jahr, int monat)
{
    Currency verdienst;
    for (const PfaendungsZeile& z : zeilen) {
        if (z.marke != "WG" && z.betrag > 0_cur) verdienst += z.betrag;
    }
    Currency summe;
    for (const PfaendungsZeile& z : zeilen) {
        const Currency x = z.betrag;
        if (z.marke.empty()) {
            summe += x;
        } else if (z.marke == "ÜbStd.") {
            summe += UeberstundenHaelfte(x);
        } else if (z.marke == "WG") {
            summe += UnpfaendbaresWeihnachtsgeld(x, jahr, monat, verdienst);
        } else if (z.marke == "VL-Abzug") {
            summe -= x;
        }
    }
    return summe;
}

PfaendungsPlan PlanePfaendung(const BerechnungsEingaben& w)
{
    PfaendungsPlan plan;
    const bool an = w.pfaendung == 1;
    for (const PfaendungsZeile& z : w.pfdZeilen) {
        if (z.marke != "x") plan.sonderflag = true;
    }
    if (an && w.pfdEntUmwNein && w.bavAN != 0_cur && w.bavArt != BAVArt::Keine) plan.sonderflag = true;
    if (an && w.zvArt != "keine") plan.sonderflag = true;
    // A sum of zero is passed as it is: nothing of the pay is exempt then.
    if (an && plan.sonderflag) plan.korrektur = PfaendungsKorrektur(w.pfdZeilen, w.jahr, w.monat);
    plan.sonderberechnung = an && plan.sonderflag;
    plan.berechnePfaendung = an && (!plan.sonderflag || w.pfdBruttomethode);
    return plan;
}

}  // namespace lx
