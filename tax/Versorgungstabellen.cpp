#include "Versorgungstabellen.h"

namespace lx {

namespace {
// The percentage in thousandths: 40 % for 2005, 1.6 points less a year up to
// 16 % for 2020, then 0.8 points less a year down to 0.8 % for 2039.
int promille(int index)
{
    if (index < 1 || index > 35) return 0;
    if (index <= 16) return 400 - 16 * (index - 1);
    return 160 - 8 * (index - 16);
}

Currency betrag(int index, int hoechstbetragBei100Prozent)
{
    return (Dez<3>::fromMantissa(promille(index)) * hoechstbetragBei100Prozent).toCurrency(Round::Cut);
}
}  // namespace

int versorgungsIndex(int jahr)
{
    if (jahr <= 2005) return 1;
    if (jahr >= 2040) return 36;
    return jahr - 2004;
}

Dez<3> TAB1(int index)
{
    return Dez<3>::fromMantissa(promille(index));
}
Currency TAB2(int index)
{
    return betrag(index, 7500);
}
Currency TAB3(int index)
{
    return betrag(index, 2250);
}
Dez<3> TAB4(int index)
{
    return TAB1(index);
}
Currency TAB5(int index)
{
    return betrag(index, 4750);
}

}  // namespace lx
