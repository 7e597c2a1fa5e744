#include "Nettobetrag.h"

namespace lx {

namespace {

// The health and care parts of a net, by the special cases.
Currency kvPvAnteile(const TLohnGehalt& lg, Currency n)
{
    if (lg.KVFreiwillig()) {
        n = n - lg.FKVAN + lg.FKVAG;
    } else if (lg.FKVBes == Besonderheit::PrivatSelbstzahler) {
        n += lg.FKVAG;
    } else {
        n -= lg.FKVAN;
    }
    if (lg.PVFreiwillig()) {
        n = n - lg.FPVAN + lg.FPVAG;
    } else if (lg.FPVBes == Besonderheit::PrivatSelbstzahler) {
        n += lg.FPVAG;
    } else {
        n -= lg.FPVAN;
    }
    return n;
}

}  // namespace

Currency NettoLaufend(const TLohnGehalt& lg, Currency G)
{
    const Currency n = G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
    return kvPvAnteile(lg, n);
}

Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto)
{
    Currency n = gesamtbrutto - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
    n -= lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB;
    n -= lg.FLStLMJ + lg.FSolZLMJ + lg.FKiStEvLMJ + lg.FKiStRkLMJ;
    n -= lg.FKVANEB + lg.FRVANEB + lg.FAVANEB + lg.FPVANEB;
    return kvPvAnteile(lg, n);
}

}  // namespace lx
