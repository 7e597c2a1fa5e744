#include "EingabenLesen.h"

#include <string>

#include "AmountText.h"
#include "DatumUnit.h"
#include "LxMath.h"
#include "Optionen.h"
#include "ProgrammZustand.h"

namespace lx {

namespace {

using enum Haupt;

// A field's amount, an empty text counting as 0.
Currency betragLeerNull(const std::string& text)
{
    return text.empty() ? 0_cur : BetragAusText(text);
}

// A field's amount, "", "0" and "0,00" counting as 0.
Currency betragNull(const std::string& text)
{
    return IstNullText(text) ? 0_cur : BetragAusText(text);
}

Byte janein(bool ja)
{
    return ja ? 1 : 0;
}

// The extra health rate's digits from "+ 1,30%": characters 3 to 6.
std::string kvZusatzZiffern(const std::string& text)
{
    std::string z;
    for (std::size_t i = 2; i < 6; ++i) z += ZeichenAn(text, i);
    return z;
}

// The health rate "14,60%" without its last character.
std::string ohneLetztesZeichen(const std::string& text)
{
    return text.empty() ? text : text.substr(0, text.size() - 1);
}

}  // namespace

BerechnungsEingaben LeseEingaben(const ProgrammZustand& p)
{
    const auto& h = p.haupt;
    const auto& o = p.opt;
    using O = Opt;
    BerechnungsEingaben w;

    w.rechtskreis = janein(o.text(O::SVComboRechtskreis) == "West");
    w.jahr = StrToInt(h.text(ComboJahr));
    w.bgr = h.text(LxEdiBGR);
    // The engine splits the code into four digits; anything else stops here,
    // before any setter has run.
    if (w.bgr.size() != 4 || w.bgr.find_first_not_of("0123456789") != std::string::npos) {
        throw ConversionError("Beitragsgruppe: bitte vier Ziffern eingeben");
    }
    w.monat = MonatNr(h.text(ComboMonat));

    w.gleitzone = janein(o.text(O::SVComboGleitzone) == "Gleitzone rechnen");
    w.rvVoll = janein(IstJa(o.text(O::SVComboRVVoll)));
    w.pvZuschlag = janein(IstJa(h.text(ComboPVerh)));
    w.sachsen = janein(IstJa(o.text(O::ComboSachsen)));
    w.miniRVPflicht = janein(o.text(O::SVComboGfERV) == "kein Verzicht auf RV-Pflicht");
    w.pkvNachSVBrutto = janein(o.text(O::SVComboFrWPKV) == "nach tatsächlichem SV-Brutto");
    w.pkvBeitrag = betragLeerNull(o.text(O::LEdiPKV));
    w.ppvBeitrag = betragLeerNull(o.text(O::LEdiPPV));
    w.kvBes = MapKVBes(o.text(O::SVComboKVBez));
    w.rvBes = MapRVBes(o.text(O::SVComboRVBez));
    w.avBes = MapAVBes(o.text(O::SVComboAVBez));
    w.pvBes = MapPVBes(o.text(O::SVComboPVBez));
    w.kvZusatz = BetragAusText(kvZusatzZiffern(h.text(MEdiKVZus)));
    w.u1Satz = BetragAusText(o.text(O::SVVEdiU1Satz));
    w.u2Satz = BetragAusText(o.text(O::SVVEdiU2Satz));
    w.kvSatz = BetragAusText(ohneLetztesZeichen(h.text(MEdiKV)));
    w.vb = static_cast<Byte>(h[PnlVB].tag);
    w.mehrfach = IstJa(o.text(O::MfBComboJaNein));
    w.bruttoAnderer = betragNull(o.text(O::MfBVEdiBrutAnd));
    w.svTageVorher = StrToInt(o.text(O::EBVEdiTgVor));
    w.stTage = StrToInt(o.text(O::LSTVEdiStTage));
    w.svTage = StrToInt(o.text(O::SVVEdiSVTage));

    w.brutto = p.erfass.brutto;

    w.stAuto = janein(o[O::EBChkStAuto].checked);
    w.svAuto = janein(o[O::EBChkSVAuto].checked);
    w.stBruttoJahr = BetragAusText(o.text(O::EBVEdiStJahr));
    w.vbBruttoJahr = BetragAusText(o.text(O::EBVEdiVBJahr));
    w.kvBruttoVor = BetragAusText(o.text(O::EBVEdiKVBrVor));
    w.rvBruttoVor = BetragAusText(o.text(O::EBVEdiRVBrVor));
    w.fbJahr = BetragAusText(o.text(O::LSTVEdiFBJahr));

    w.pfaendung = janein(IstJa(o.text(O::PfdComboJaNein)));
    w.unterhaltPers = StrToInt(o.text(O::PfdVEdiUntPers));
    w.pfaendVerbleib = BetragAusText(o.text(O::PfdVEdiVerbleib));
    w.pfdEntUmwNein = o.text(O::PfdComboEntUmw) == "nein";
    w.pfdBruttomethode = o.text(O::PfdComboMethode) == "Bruttomethode";
    for (const Zeile& z : o[O::PfdLView].rows) {
        if (z.cells.size() < 3) continue;
        w.pfdZeilen.push_back({BetragAusText(z.cells[1]), z.cells[2]});
    }

    w.stKl = StrToInt(h.text(LEdiStKl));
    w.pkpvWieSV = o[O::LSTChkPKV].checked;
    w.pkpv = BetragAusText(o.text(O::LSTVEdiPKV));
    w.faktor = betragLeerNull(h.text(LEdiFaktor));
    w.konfession = MapKonfession(h.text(ComboKiJaNein));
    w.bundesland = MapBundesland(o.text(O::LSTComboBundesland));
    w.kammer = o.text(O::LSTComboKammerbeitrag) == "automatisch berechnen" ? 1 : 2;
    w.ermKiSt = janein(IstJa(o.text(O::LSTComboErmKiSt)));
    w.allgemeineTabelle = o.text(O::LSTComboStTab) == "Allgemeine Steuertabelle";
    w.kiFB = betragLeerNull(h.text(LEdiKiFB));
    w.stFreibetrag = betragLeerNull(h.text(LEdiStFB));
    w.gebJahr = GebJahrDesFelds(h.text(LEdiGebJahr));
    // The relief for the elderly and the care surcharge follow the year: one
    // that cannot be is said, not taken.
    if (GebJahrAngegeben(h.text(LEdiGebJahr)) && (w.gebJahr < 1900 || w.gebJahr > w.jahr)) {
        throw ConversionError("Geburtsjahr: bitte ein Jahr von 1900 bis " + std::to_string(w.jahr) + " eingeben");
    }

    w.zvArt = o.text(O::ZVComboArt);
    w.zvPStGrenze = BetragAusText(o.text(O::ZVVEdiPSt));
    w.zvMax56 = betragNull(o.text(O::ZVVEdiMax56));
    w.zvSatzAG = BetragAusText(o.text(O::ZVVEdiPAGA));
    w.zvSatzAN = BetragAusText(o.text(O::ZVVEdiPANA));
    w.sanierungsgeldSatz = BetragAusText(o.text(O::ZVVEdiSanGeld));
    w.zvUmlage = janein(IstJa(o.text(O::ZVComboZusUml)));
    w.zvHaupt = h.text(ComboZV) != "keine";
    w.zvHochrechnen = IstJa(o.text(O::ZVComboHochr));

    w.vbMax = betragNull(o.text(O::SVVEdiVBMax));
    // The pension block's fields count only with pension benefits.
    if (w.vbBlock()) {
        w.vbBeginnJahr = StrToInt(o.text(O::VBVEdiJahr));
        w.vbMonate = StrToInt(o.text(O::VBVEdiMonate));
        w.vbErsterVers = betragNull(o.text(O::VBVEdiErsterVers));
        w.vbEinmal = BetragAusText(o.text(O::VBVEdiEB));
    }

    w.bavArt = MapBAVArt(o.text(O::AVCombo1Art));
    w.bavBetrag = BetragAusText(o.text(O::AVVEdiAG1));
    w.bavAN = BetragAusText(o.text(O::AVVEdiAN1));
    w.bavStFrei = MapBAVStFrei(o.text(O::AVCombo1StFrei));
    w.bavZus1800 = janein(o.text(O::AVCombo1ZStFrei) == "zusätzlich 1800 Euro");
    w.bavPauschal = BetragAusText(o.text(O::AVVEdi1Pst));
    w.bavMonatlich = janein(o.text(O::AVCombo1AnsatzSt) == "monatlich");

    w.atz = IstJa(o.text(O::ATZComboJaNein));
    if (w.atz) {
        w.atzAufstockung = BetragAusText(o.text(O::ATZLxVEdiAufst));
        w.atzAufstRV = BetragAusText(o.text(O::ATZneuAufstRV));
        const std::string& manuell = o.text(O::ATZmanReg);
        w.atzRegelentgelt =
            manuell.empty() || manuell == "0,00" ? BetragAusText(o.text(O::ATZLabRegEnt)) : BetragAusText(manuell);
    }

    w.nettoModus = h[LEdiNetto].tag == 1;
    if (w.nettoModus) w.wunschNetto = BetragAusText(h.text(LEdiNetto));
    for (const Lohnart& z : p.erfass.zeilen) {
        if (z.flags[kNT]) w.ntZeilen = true;
    }
    return w;
}

}  // namespace lx
