// SetJahr and SetMonat: the resets of a new year and the loading of the legal
// values of the year and month.

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

void TLohnGehalt::SetJahr(int jahr)
{
    setze(&LohnEingaben::FJahr, jahr);
    setze(&LohnEingaben::FMonat, Byte(1));
    setze(&LohnEingaben::FBGR, std::string("1111"));
    setze(&LohnEingaben::FBGRKV, Byte(1));
    setze(&LohnEingaben::FBGRRV, Byte(1));
    setze(&LohnEingaben::FBGRAV, Byte(1));
    setze(&LohnEingaben::FBGRPV, Byte(1));
    setze(&LohnEingaben::FKVBes, Byte(0));
    setze(&LohnEingaben::FRVBes, Byte(0));
    setze(&LohnEingaben::FAVBes, Byte(0));
    setze(&LohnEingaben::FPVBes, Byte(0));
    setze(&LohnEingaben::FVBBrutto, 0_cur);
    setze(&LohnEingaben::FVBBruttoEB, 0_cur);
    setze(&LohnEingaben::FStKl, Byte(1));
    setze(&LohnEingaben::FKiFB, 0_cur);
    setze(&LohnEingaben::FStFreibetrag, 0_cur);
    setze(&LohnEingaben::FLZZ, Byte(2));
    setze(&LohnEingaben::FGleitzone, Byte(1));
    SetPVZuschlag(1);  // no surcharge before 2005
    setze(&LohnEingaben::FMiniRVPflicht, Byte(0));
    setze(&LohnEingaben::FPKVNachSVBrutto, Byte(0));
    setze(&LohnEingaben::FBundesland, Byte(12));
    setze(&LohnEingaben::FKRV, Byte(0));
    setze(&LohnEingaben::FSVTage, Byte(30));
    setze(&LohnEingaben::FKVSatz, 13.00_cur);
    FAlter1 = 0;
    FInsolvenzSatz = 0.10_cur;
    if (auto bbg = BBGFuer(jahr)) {
        FBBGKV = bbg->kvpv;
        FBBGRV = FRechtskreis == 1 ? bbg->rvWest : bbg->rvOst;
    }
    ladeMonatswerte();
}

void TLohnGehalt::SetMonat(int monat)
{
    setze(&LohnEingaben::FMonat, Byte(monat < 1 ? 1 : (monat > 12 ? 12 : monat)));
    ladeMonatswerte();
}

void TLohnGehalt::ladeMonatswerte()
{
    FInsolvenzSatz = 0.10_cur;
    const MonatsWerte* z = MonatsWerteFuer(FJahr, FMonat);
    if (z == nullptr) return;
    FPKVZuschussMax = z->pkvZuschussMax;
    if (z->kvSatzZuschuss) FKVSatzZuschuss = *z->kvSatzZuschuss;
    FPPVZuschussMax = z->ppvZuschussMax;
    FGleitzoneOG = z->gleitzoneOG;
    FFaktorF = z->faktorF;
    if (z->kvSatz) setze(&LohnEingaben::FKVSatz, FBGRKV == KVZiffer::Ermaessigt ? *z->kvSatzErm : *z->kvSatz);
    FRVSatz = z->rvSatz;
    FAVSatz = z->avSatz;
    // The half care rate applies to the rate just loaded, so loading twice changes nothing.
    FPVSatz = FBGRPV == PVZiffer::Halb ? HalberSatz(z->pvSatz) : z->pvSatz;
    FInsolvenzSatz = z->insolvenzSatz;
}

}  // namespace lx
