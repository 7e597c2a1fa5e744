#include "EingabenSetzen.h"

#include "Kennzeichen.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// Before 2010 the flag only tells the special table; from 2010 the general
// table also tells West from East.
Byte krvCode(const BerechnungsEingaben& w)
{
    if (!VorsorgepauschaleAb2010(w.jahr)) return w.allgemeineTabelle ? 0 : 1;
    return !w.allgemeineTabelle ? 2 : w.rechtskreis == 1 ? 0 : 1;
}

}  // namespace

Monatseingaben MonatseingabenAus(const BerechnungsEingaben& w)
{
    const auto& b = w.brutto;
    const bool mehrfach = w.mehrfach && w.bruttoAnderer != 0_cur;
    const bool bav = w.bavArt != Code(BAVArt::Keine);
    // The pension block's fields count only with pension benefits.
    const bool vb = w.vbBlock();
    return {
        .Rechtskreis = w.rechtskreis,
        .Jahr = w.jahr,
        .BGR = w.bgr,
        .Monat = w.monat,
        .Gleitzone = w.gleitzone,
        .RVVoll = w.rvVoll,
        .PVZuschlag = w.pvZuschlag,
        .Sachsen = w.sachsen,
        .MiniRVPflicht = w.miniRVPflicht,
        .PKVNachSVBrutto = w.pkvNachSVBrutto,
        .PKVBeitrag = w.pkvBeitrag,
        .PPVBeitrag = w.ppvBeitrag,
        .PKV = Code(PKVStatusFuer(w.kvBes)),
        .KVBes = w.kvBes,
        .RVBes = w.rvBes,
        .AVBes = w.avBes,
        .PVBes = w.pvBes,
        .KVZusatz = w.kvZusatz,
        .U1Satz = w.u1Satz,
        .U2Satz = w.u2Satz,
        .KVSatz = w.kvSatz,
        .VB = w.vb,
        .Mehrfach = Byte(mehrfach ? 1 : 0),
        .BruttoAnderer = mehrfach ? w.bruttoAnderer : 0_cur,
        .SVBrutto = b[kSVBrutto],
        .SVBruttoEB = b[kSVBruttoEB],
        .SVTageVorher = w.svTageVorher,
        .StBrutto = b[kSteuerbrutto],
        .StBruttoEB = b[kSteuerbruttoEB],
        .StBruttoLMJ = b[kSteuerbruttoLMJ],
        .Gesamtbrutto = b[kGesamtbrutto],
        .StAuto = w.stAuto,
        .SVAuto = w.svAuto,
        .StBruttoJahr = w.stBruttoJahr,
        .VBBruttoJahr = w.vbBruttoJahr,
        .KVBruttoVor = w.kvBruttoVor,
        .RVBruttoVor = w.rvBruttoVor,
        .FBJahr = w.fbJahr,
        .ZVBrutto = b[kZVBrutto],
        .StTage = Byte(w.stTage),
        .SVTage = Byte(w.svTage),
        .Pfaendung = w.pfaendung,
        .UnterhaltPers = Byte(w.unterhaltPers),
        .PfaendVerbleib = w.pfaendVerbleib,
        .LZZ = 2,
        .StKl = Byte(w.stKl),
        .PKPV = w.pkpvWieSV ? w.pkvBeitrag + w.ppvBeitrag : w.pkpv,
        .Faktor = w.faktor,
        .Konfession = w.konfession,
        .Bundesland = w.bundesland,
        .Kammer = w.kammer,
        .ErmKiSt = w.ermKiSt,
        .KRV = krvCode(w),
        .KiFB = w.kiFB,
        .PVKinder = std::nullopt,
        .StFreibetrag = w.stFreibetrag,
        .GebJahr = w.gebJahr,
        .ZVArt = w.zvArt,
        .ZVPStGrenze = w.zvPStGrenze,
        .ZVMax56 = w.zvMax56,
        .ZVSatzAG = w.zvSatzAG,
        .ZVSatzAN = w.zvSatzAN,
        .SanierungsgeldSatz = w.sanierungsgeldSatz,
        .ZVUmlage = w.zvUmlage,
        .VBMax = w.vbMax,
        .VBBrutto = vb ? b[kVBBrutto] : 0_cur,
        .VBBruttoEB = vb ? b[kVBBruttoEB] : 0_cur,
        .VBBeginnJahr = vb ? w.vbBeginnJahr : kErstesVBBeginnJahr,
        .VBMonate = vb ? Byte(w.vbMonate) : Byte(12),
        .VBErsterVers = vb ? w.vbErsterVers : 0_cur,
        .VBEinmal = vb ? w.vbEinmal : 0_cur,
        .BAVArt = w.bavArt,
        .BAVBetrag = bav ? w.bavBetrag : 0_cur,
        .BAVAN = bav ? w.bavAN : 0_cur,
        .BAVStFrei = w.bavStFrei,
        .BAVZus1800 = w.bavZus1800,
        .BAVPauschal = w.bavPauschal,
        .BAVMonatlich = w.bavMonatlich,
        .ATZ = Byte(w.atz ? 1 : 0),
        .ATZAufstockung = w.atzAufstockung,
        .ATZAufstRV = w.atzAufstRV,
        .ATZRegelentgelt = w.atzRegelentgelt,
    };
}

void SetzeEingaben(TLohnGehalt& lg, const BerechnungsEingaben& w)
{
    lg.SetEingaben(MonatseingabenAus(w));
}

}  // namespace lx
