// A month's inputs at once, and the inputs as they were given read back in
// the setters' units.

#include "Monatseingaben.h"

#include "Gehaltsroutinen.h"
#include "Lohnsteuer.h"

namespace lx {

void TLohnGehalt::SetEingaben(const Monatseingaben& e)
{
    SetzeMonatseingaben(*this, e);
}

Monatseingaben TLohnGehalt::EingabenDesMonats() const
{
    const LohnEingaben& g = gegeben_;
    return {
        .Rechtskreis = g.FRechtskreis,
        .Jahr = g.FJahr,
        .BGR = g.FBGR,
        .Monat = g.FMonat,
        .Gleitzone = g.FGleitzone,
        .RVVoll = g.FRVVoll,
        .PVZuschlag = g.FPVZuschlag,
        .Sachsen = g.FSachsen,
        .MiniRVPflicht = g.FMiniRVPflicht,
        .PKVNachSVBrutto = g.FPKVNachSVBrutto,
        .PKVBeitrag = g.FPKVBeitrag,
        .PPVBeitrag = g.FPPVBeitrag,
        .PKV = g.FPKV,
        .KVBes = g.FKVBes,
        .RVBes = g.FRVBes,
        .AVBes = g.FAVBes,
        .PVBes = g.FPVBes,
        .KVZusatz = g.FKVZusatz,
        .U1Satz = g.FU1Satz,
        .U2Satz = g.FU2Satz,
        .KVSatz = g.FKVSatz,
        .VB = g.FVB,
        .Mehrfach = g.FMehrfach,
        .BruttoAnderer = g.FBruttoAnderer,
        // as given, before the transition zone
        .SVBrutto = g.FSVBruttoUngek,
        .SVBruttoEB = g.FSVBruttoEB,
        .SVTageVorher = g.FSVTageVorher,
        .StBrutto = g.FStBrutto,
        .StBruttoEB = g.FStBruttoEB,
        .StBruttoLMJ = g.FStBruttoLMJ,
        .Gesamtbrutto = g.FGesamtbrutto,
        .StAuto = g.FStAuto,
        .SVAuto = g.FSVAuto,
        .StBruttoJahr = g.FStBruttoJahr,
        .VBBruttoJahr = g.FVBBruttoJahr,
        .KVBruttoVor = g.FKVBruttoVor,
        .RVBruttoVor = g.FRVBruttoVor,
        .FBJahr = g.FFBJahr,
        .ZVBrutto = g.FZVBrutto,
        .StTage = g.FStTage,
        .SVTage = g.FSVTage,
        .Pfaendung = g.FPfaendung,
        .UnterhaltPers = g.FUnterhaltPers,
        .PfaendVerbleib = g.FPfaendVerbleib,
        .LZZ = g.FLZZ,
        .StKl = g.FStKl,
        .PKPV = g.FPKPV,
        .Faktor = g.FFaktor,
        .Konfession = g.FKonfession,
        .Bundesland = g.FBundesland,
        .Kammer = g.FKammer,
        .ErmKiSt = g.FErmKiSt,
        .KRV = g.FKRV,
        .KiFB = g.FKiFB,
        .PVKinder = g.FPVKinder,
        // the field holds the month's allowance times 100
        .StFreibetrag = FreibetragAus(g.FStFreibetrag).periode,
        .GebJahr = g.FGebJahr,
        .ZVArt = g.FZVArt,
        .ZVPStGrenze = g.FZVPStGrenze,
        .ZVMax56 = g.FZVMax56,
        .ZVSatzAG = g.FZVSatzAG,
        .ZVSatzAN = g.FZVSatzAN,
        .SanierungsgeldSatz = g.FSanierungsgeldSatz,
        .ZVUmlage = g.FZVUmlage,
        .VBMax = g.FVBMax,
        .VBBrutto = g.FVBBrutto,
        .VBBruttoEB = g.FVBBruttoEB,
        .VBBeginnJahr = g.FVBBeginnJahr,
        .VBMonate = g.FVBMonate,
        .VBErsterVers = g.FVBErsterVers,
        .VBEinmal = g.FVBEinmal,
        .BAVArt = g.FBAVArt,
        .BAVBetrag = g.FBAVBetrag,
        .BAVAN = g.FBAVAN,
        .BAVStFrei = g.FBAVStFreiArt,
        .BAVZus1800 = g.FBAVZus1800,
        .BAVPauschal = g.FBAVPauschal,
        .BAVMonatlich = g.FBAVMonatlich,
        .ATZ = g.FATZ,
        .ATZAufstockung = g.FATZAufstockung,
        .ATZAufstRV = g.FATZAufstRV,
        .ATZRegelentgelt = g.FATZRegelentgelt,
    };
}

}  // namespace lx
