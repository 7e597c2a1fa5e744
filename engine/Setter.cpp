// The plain setters of TLohnGehalt and those with a rule of their own
// (contribution-group code, contribution gross, factor, allowance).

#include <algorithm>
#include <array>
#include <string>

#include "AmountText.h"
#include "Gehaltsroutinen.h"
#include "Gleitzone.h"
#include "Lohnsteuer.h"
#include "Optionen.h"

namespace lx {

namespace {

constexpr int kGebJahrMax = 9999;      // the birth year has four digits; 0: not known
constexpr int kSVTageVorherMax = 330;  // the eleven months before December, 30 days each

// An integer outside the calling contract raises the error that the same
// value given as text would raise, before anything is stored.
int imVertrag(int wert, int von, int bis)
{
    if (wert < von || wert > bis) throw ConversionError("'" + std::to_string(wert) + "' ist kein gültiger Integerwert");
    return wert;
}

}  // namespace

void TLohnGehalt::SetRechtskreis(Byte v)
{
    setze(&LohnEingaben::FRechtskreis, v);
}

void TLohnGehalt::SetBGR(std::string_view code)
{
    // Convert all four digits first so that a faulty code changes nothing. The
    // usual code of four ASCII digits needs no conversion of single characters.
    std::array<Byte, 4> ziffern{};
    const bool ziffernfolge = code.size() >= ziffern.size() &&
                              std::all_of(code.begin(), code.begin() + 4, [](char c) { return c >= '0' && c <= '9'; });
    for (std::size_t i = 0; i < ziffern.size(); ++i)
        ziffern[i] = ziffernfolge ? Byte(code[i] - '0') : Byte(StrToInt(ZeichenAn(code, i)));
    setze(&LohnEingaben::FBGR, std::string(code));
    setze(&LohnEingaben::FBGRKV, ziffern[0]);
    setze(&LohnEingaben::FBGRRV, ziffern[1]);
    setze(&LohnEingaben::FBGRAV, ziffern[2]);
    setze(&LohnEingaben::FBGRPV, ziffern[3]);
}

void TLohnGehalt::SetGebJahr(int jahr)
{
    setze(&LohnEingaben::FGebJahr, imVertrag(jahr, 0, kGebJahrMax));
}

void TLohnGehalt::SetGleitzone(Byte v)
{
    setze(&LohnEingaben::FGleitzone, v);
}
void TLohnGehalt::SetRVVoll(Byte v)
{
    setze(&LohnEingaben::FRVVoll, v);
}
void TLohnGehalt::SetPKVNachSVBrutto(Byte v)
{
    setze(&LohnEingaben::FPKVNachSVBrutto, v);
}
void TLohnGehalt::SetMiniRVPflicht(Byte v)
{
    setze(&LohnEingaben::FMiniRVPflicht, v);
}
void TLohnGehalt::SetKVBes(Byte v)
{
    setze(&LohnEingaben::FKVBes, v);
}
void TLohnGehalt::SetRVBes(Byte v)
{
    setze(&LohnEingaben::FRVBes, v);
}
void TLohnGehalt::SetAVBes(Byte v)
{
    setze(&LohnEingaben::FAVBes, v);
}
void TLohnGehalt::SetPVBes(Byte v)
{
    setze(&LohnEingaben::FPVBes, v);
}
void TLohnGehalt::SetKVZusatz(Currency v)
{
    setze(&LohnEingaben::FKVZusatz, v);
}
void TLohnGehalt::SetKVSatz(Currency v)
{
    setze(&LohnEingaben::FKVSatz, v);
}
void TLohnGehalt::SetPKV(Byte v)
{
    setze(&LohnEingaben::FPKV, v);
}
void TLohnGehalt::SetSVTage(Byte v)
{
    setze(&LohnEingaben::FSVTage, v);
}
void TLohnGehalt::SetStTage(Byte v)
{
    setze(&LohnEingaben::FStTage, v);
}
void TLohnGehalt::SetSVTageVorher(int v)
{
    setze(&LohnEingaben::FSVTageVorher, imVertrag(v, 0, kSVTageVorherMax));
}
void TLohnGehalt::SetPVZuschlag(Byte v)
{
    setze(&LohnEingaben::FPVZuschlag, FJahr < 2005 ? Byte(0) : v);
}
void TLohnGehalt::SetPVKinder(Byte v)
{
    setze(&LohnEingaben::FPVKinder, v);
}
void TLohnGehalt::SetSachsen(Byte v)
{
    setze(&LohnEingaben::FSachsen, v);
}
void TLohnGehalt::SetPKVBeitrag(Currency v)
{
    setze(&LohnEingaben::FPKVBeitrag, v);
}
void TLohnGehalt::SetPPVBeitrag(Currency v)
{
    setze(&LohnEingaben::FPPVBeitrag, v);
}
void TLohnGehalt::SetMehrfach(Byte v)
{
    setze(&LohnEingaben::FMehrfach, v);
}
void TLohnGehalt::SetBruttoAnderer(Currency v)
{
    setze(&LohnEingaben::FBruttoAnderer, v);
}

void TLohnGehalt::SetStBrutto(Currency v)
{
    setze(&LohnEingaben::FStBrutto, v);
}
void TLohnGehalt::SetStBruttoEB(Currency v)
{
    setze(&LohnEingaben::FStBruttoEB, v);
}
void TLohnGehalt::SetStBruttoLMJ(Currency v)
{
    setze(&LohnEingaben::FStBruttoLMJ, v);
}
void TLohnGehalt::SetGesamtbrutto(Currency v)
{
    setze(&LohnEingaben::FGesamtbrutto, v);
}

void TLohnGehalt::SetSVBrutto(Currency v)
{
    setze(&LohnEingaben::FSVBruttoUngek, v);
    Currency basis = v;
    if (FGleitzone == 1 && FVB == VBModus::Keiner && v < FGleitzoneOG && !IstMinijob(FBGRKV, FBGRRV)) {
        basis = GleitzoneBemessung(v, {FJahr, FMonat, FGleitzoneOG, FFaktorF, FMehrfach == 1, FBruttoAnderer});
    }
    setze(&LohnEingaben::FSVBrutto, basis);
}

void TLohnGehalt::SetSVBruttoEB(Currency v)
{
    setze(&LohnEingaben::FSVBruttoEB, v);
}
void TLohnGehalt::SetZVBrutto(Currency v)
{
    setze(&LohnEingaben::FZVBrutto, v);
}

void TLohnGehalt::SetStKl(Byte v)
{
    setze(&LohnEingaben::FStKl, v);
}
void TLohnGehalt::SetKammer(Byte v)
{
    setze(&LohnEingaben::FKammer, v);
}
void TLohnGehalt::SetKRV(Byte v)
{
    setze(&LohnEingaben::FKRV, v);
}
void TLohnGehalt::SetKonfession(Byte v)
{
    setze(&LohnEingaben::FKonfession, v);
}
void TLohnGehalt::SetBundesland(Byte v)
{
    setze(&LohnEingaben::FBundesland, v);
}
void TLohnGehalt::SetErmKiSt(Byte v)
{
    setze(&LohnEingaben::FErmKiSt, v);
}
void TLohnGehalt::SetLZZ(Byte v)
{
    setze(&LohnEingaben::FLZZ, v);
}
void TLohnGehalt::SetKiFB(Currency v)
{
    setze(&LohnEingaben::FKiFB, v);
}
void TLohnGehalt::SetStFreibetrag(Currency v)
{
    // An allowance whose year does not fit raises the money overflow here, not in Berechnen.
    const Currency feld = v * 100;
    FreibetragAus(feld);
    setze(&LohnEingaben::FStFreibetrag, feld);
}
void TLohnGehalt::SetPKPV(Currency v)
{
    setze(&LohnEingaben::FPKPV, v);
}

void TLohnGehalt::SetFaktor(Currency v)
{
    const bool gilt = FStKl == 4;
    setze(&LohnEingaben::FFaktor, gilt ? v : 0_cur);
    setze(&LohnEingaben::FFaktorAktiv, Byte(gilt && v > 0_cur ? 1 : 0));
}

void TLohnGehalt::SetStAuto(Byte v)
{
    setze(&LohnEingaben::FStAuto, v);
}
void TLohnGehalt::SetSVAuto(Byte v)
{
    setze(&LohnEingaben::FSVAuto, v);
}
void TLohnGehalt::SetStBruttoJahr(Currency v)
{
    setze(&LohnEingaben::FStBruttoJahr, v);
}
void TLohnGehalt::SetVBBruttoJahr(Currency v)
{
    setze(&LohnEingaben::FVBBruttoJahr, v);
}
void TLohnGehalt::SetFBJahr(Currency v)
{
    setze(&LohnEingaben::FFBJahr, v);
}
void TLohnGehalt::SetKVBruttoVor(Currency v)
{
    setze(&LohnEingaben::FKVBruttoVor, v);
}
void TLohnGehalt::SetRVBruttoVor(Currency v)
{
    setze(&LohnEingaben::FRVBruttoVor, v);
}

void TLohnGehalt::SetVB(Byte v)
{
    setze(&LohnEingaben::FVB, v);
}
void TLohnGehalt::SetVBMax(Currency v)
{
    setze(&LohnEingaben::FVBMax, v);
}
void TLohnGehalt::SetVBBrutto(Currency v)
{
    setze(&LohnEingaben::FVBBrutto, v);
}
void TLohnGehalt::SetVBBruttoEB(Currency v)
{
    setze(&LohnEingaben::FVBBruttoEB, v);
}
void TLohnGehalt::SetVBErsterVers(Currency v)
{
    setze(&LohnEingaben::FVBErsterVers, v);
}
void TLohnGehalt::SetVBEinmal(Currency v)
{
    setze(&LohnEingaben::FVBEinmal, v);
}
void TLohnGehalt::SetVBBeginnJahr(int v)
{
    setze(&LohnEingaben::FVBBeginnJahr, v);
}
void TLohnGehalt::SetVBMonate(Byte v)
{
    setze(&LohnEingaben::FVBMonate, v);
}

void TLohnGehalt::SetBAVArt(Byte v)
{
    setze(&LohnEingaben::FBAVArt, v);
}
void TLohnGehalt::SetBAVStFrei(Byte v)
{
    setze(&LohnEingaben::FBAVStFreiArt, v);
}
void TLohnGehalt::SetBAVZus1800(Byte v)
{
    setze(&LohnEingaben::FBAVZus1800, v);
}
void TLohnGehalt::SetBAVMonatlich(Byte v)
{
    setze(&LohnEingaben::FBAVMonatlich, v);
}
void TLohnGehalt::SetBAVBetrag(Currency v)
{
    setze(&LohnEingaben::FBAVBetrag, v);
}
void TLohnGehalt::SetBAVAN(Currency v)
{
    setze(&LohnEingaben::FBAVAN, v);
}
void TLohnGehalt::SetBAVPauschal(Currency v)
{
    setze(&LohnEingaben::FBAVPauschal, v);
}
void TLohnGehalt::SetZVArt(std::string_view v)
{
    setze(&LohnEingaben::FZVArt, std::string(v));
}
void TLohnGehalt::SetZVUmlage(Byte v)
{
    setze(&LohnEingaben::FZVUmlage, v);
}
void TLohnGehalt::SetZVPStGrenze(Currency v)
{
    setze(&LohnEingaben::FZVPStGrenze, v);
}
void TLohnGehalt::SetZVMax56(Currency v)
{
    setze(&LohnEingaben::FZVMax56, v);
}
void TLohnGehalt::SetSanierungsgeldSatz(Currency v)
{
    setze(&LohnEingaben::FSanierungsgeldSatz, v);
}
void TLohnGehalt::SetZVSatzAG(Currency v)
{
    setze(&LohnEingaben::FZVSatzAG, v);
}
void TLohnGehalt::SetZVSatzAN(Currency v)
{
    setze(&LohnEingaben::FZVSatzAN, v);
}

void TLohnGehalt::SetU1Satz(Currency v)
{
    setze(&LohnEingaben::FU1Satz, v);
}
void TLohnGehalt::SetU2Satz(Currency v)
{
    setze(&LohnEingaben::FU2Satz, v);
}
void TLohnGehalt::SetATZ(Byte v)
{
    setze(&LohnEingaben::FATZ, v);
}
void TLohnGehalt::SetATZAufstockung(Currency v)
{
    setze(&LohnEingaben::FATZAufstockung, v);
}
void TLohnGehalt::SetATZAufstRV(Currency v)
{
    setze(&LohnEingaben::FATZAufstRV, v);
}
void TLohnGehalt::SetATZRegelentgelt(Currency v)
{
    setze(&LohnEingaben::FATZRegelentgelt, v);
}
void TLohnGehalt::SetPfaendung(Byte v)
{
    setze(&LohnEingaben::FPfaendung, v);
}
void TLohnGehalt::SetUnterhaltPers(Byte v)
{
    setze(&LohnEingaben::FUnterhaltPers, v);
}
void TLohnGehalt::SetPfaendKorrektur(Currency v)
{
    setze(&LohnEingaben::FPfaendKorrektur, v);
}
void TLohnGehalt::SetPfaendVerbleib(Currency v)
{
    setze(&LohnEingaben::FPfaendVerbleib, v);
}

}  // namespace lx
