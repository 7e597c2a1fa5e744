#include "Nettobetrag.h"

namespace lx {

namespace {

Currency steuernLaufend(const TLohnGehalt& lg)
{
    return lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk;
}

// A voluntary member pays the whole contribution, the employer's share is a
// subsidy; a private self-payer receives the subsidy alone.
Currency kvTeil(const TLohnGehalt& lg, Currency einmal)
{
    if (lg.KVFreiwillig()) return -(lg.FKVAN - lg.FKVAG);
    if (lg.FKVBes == Besonderheit::PrivatSelbstzahler) return lg.FKVAG;
    return -(lg.FKVAN + einmal);
}

Currency pvTeil(const TLohnGehalt& lg, Currency einmal)
{
    if (lg.PVFreiwillig()) return -(lg.FPVAN - lg.FPVAG);
    if (lg.FPVBes == Besonderheit::PrivatSelbstzahler) return lg.FPVAG;
    return -(lg.FPVAN + einmal);
}

Currency rvTeil(const TLohnGehalt& lg, Currency einmal)
{
    if (lg.FRVBes == RVBesonderheit::VersorgungswerkSelbstzahler) return VersorgungswerkZuschuss(lg);
    return -(lg.FRVAN + einmal);
}

}  // namespace

Currency VersorgungswerkZuschuss(const TLohnGehalt& lg)
{
    return lg.FRVBes == RVBesonderheit::VersorgungswerkSelbstzahler ? lg.FRVAG + lg.FRVAGEB : 0_cur;
}

std::array<Currency, 7> Abzugszeilen(const TLohnGehalt& lg)
{
    return {
        -(lg.FLSt + lg.FLStEB + lg.FLStLMJ),
        -(lg.FSolZ + lg.FSolZEB + lg.FSolZLMJ),
        -(lg.FKiStEv + lg.FKiStRk + lg.FKiStEvEB + lg.FKiStRkEB + lg.FKiStEvLMJ + lg.FKiStRkLMJ),
        kvTeil(lg, lg.FKVANEB),
        rvTeil(lg, lg.FRVANEB),
        -(lg.FAVAN + lg.FAVANEB),
        pvTeil(lg, lg.FPVANEB),
    };
}

Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto)
{
    Currency n = gesamtbrutto;
    for (const Currency zeile : Abzugszeilen(lg)) n += zeile;
    return n;
}

Currency NettoLaufend(const TLohnGehalt& lg, Currency G)
{
    Currency n = G - steuernLaufend(lg) - lg.FAVAN + kvTeil(lg, 0_cur) + pvTeil(lg, 0_cur);
    if (lg.FRVBes == RVBesonderheit::VersorgungswerkSelbstzahler) return n + lg.FRVAG;
    return n - lg.FRVAN;
}

Currency NettoVorZuschuessen(const TLohnGehalt& lg, Currency brutto)
{
    Currency netto = brutto - steuernLaufend(lg) - lg.FRVAN - lg.FAVAN;
    netto -= lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB;
    netto -= lg.FLStLMJ + lg.FSolZLMJ + lg.FKiStEvLMJ + lg.FKiStRkLMJ;
    netto -= lg.FKVANEB + lg.FRVANEB + lg.FAVANEB + lg.FPVANEB;
    // a voluntary or private member who pays the insurer himself keeps that share in the net
    if (!lg.KVFreiwillig()) netto -= lg.FKVAN;
    if (!(lg.PVFreiwillig() || lg.FPVBes == Besonderheit::PrivatSelbstzahler)) netto -= lg.FPVAN;
    return netto;
}

}  // namespace lx
