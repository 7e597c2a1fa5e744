#include "Nettobetrag.h"

namespace lx {

namespace {

Currency steuernLaufend(const TLohnGehalt& lg)
{
    return lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk;
}

// Under health digit 9 the employer pays the voluntary member's whole
// contribution and withholds it less his subsidy. A member who pays his
// insurer himself, voluntary or private, has the period's contribution not
// withheld and receives the subsidy with his pay. A one-off payment's share
// is withheld in every case. So the net is the payslip's payout.
bool zahltSelbst(Byte besonderheit)
{
    return besonderheit == Besonderheit::FreiwilligSelbstzahler || besonderheit == Besonderheit::PrivatSelbstzahler;
}

Currency kvTeil(const TLohnGehalt& lg, Currency einmal)
{
    if (lg.FBGRKV == KVZiffer::Freiwillig) return -(lg.FKVAN - lg.FKVAG + einmal);
    if (zahltSelbst(lg.FKVBes)) return lg.FKVAG - einmal;
    return -(lg.FKVAN + einmal);
}

Currency pvTeil(const TLohnGehalt& lg, Currency einmal)
{
    if (lg.FBGRKV == KVZiffer::Freiwillig) return -(lg.FPVAN - lg.FPVAG + einmal);
    if (zahltSelbst(lg.FPVBes)) return lg.FPVAG - einmal;
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
