#include "HochrechnungAnteile.h"

#include "AmountText.h"
#include "Dez.h"
#include "LxMath.h"

namespace lx {

namespace {

bool markiert(const std::string& mark)
{
    return mark == "x";
}

}  // namespace

Currency SummeNTBetraege(Currency start, const std::vector<NTZeile>& zeilen)
{
    Currency summe = start;
    for (const NTZeile& z : zeilen) {
        if (markiert(z.nt) && z.art == 0) summe += BetragAusText(z.betrag);
    }
    return summe;
}

NTSummen NTSummenNachArt(const std::vector<NTZeile>& zeilen)
{
    NTSummen s;
    for (const NTZeile& z : zeilen) {
        if (!markiert(z.nt) || z.art != 0) continue;
        if (markiert(z.eb)) {
            s.ebz += BetragAusText(z.betrag);
        } else if (markiert(z.lmj)) {
            s.lmj += BetragAusText(z.betrag);
        } else {
            s.lfd += BetragAusText(z.betrag);
        }
    }
    return s;
}

NTSummen HochrechnungAnteile(Currency schritt, const NTSummen& summen)
{
    NTSummen anteile;
    Currency* ziel[] = {&anteile.lfd, &anteile.ebz, &anteile.lmj};
    const Currency quelle[] = {summen.lfd, summen.ebz, summen.lmj};
    Currency gesamt;
    int letzte = -1;
    for (int i = 0; i < 3; ++i) {
        if (quelle[i] > 0_cur) {
            gesamt += quelle[i];
            letzte = i;
        }
    }
    if (letzte < 0) return anteile;
    Currency verteilt;
    for (int i = 0; i < letzte; ++i) {
        if (quelle[i] <= 0_cur) continue;
        // Halves away from zero, so a step and its negative share alike.
        *ziel[i] = (dez(schritt) * dez(quelle[i])).divide<kCents>(dez(gesamt), Round::HalfUp).toCurrency(Round::Cut);
        verteilt += *ziel[i];
    }
    *ziel[letzte] = schritt - verteilt;
    return anteile;
}

}  // namespace lx
