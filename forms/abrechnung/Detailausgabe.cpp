#include "Detailausgabe.h"

#include <string>
#include <utility>
#include <vector>

#include "Abrechnungsfenster.h"
#include "AmountText.h"
#include "Berichte.h"
#include "Detailabrechnung.h"
#include "ProgrammZustand.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx {

DetailEingaben DetailEingabenLesen(const ProgrammZustand& p)
{
    const HauptZustand& h = p.haupt;
    const OptionenZustand& o = p.opt;
    DetailEingaben ein;
    for (const Lohnart& z : p.erfass.zeilen) {
        auto marke = [&z](LohnartFlag f) { return std::string(flagText(z.flags[f])); };
        ein.posten.push_back({z.name, formatAmount(z.betrag), marke(kLST), marke(kSV), marke(kZV), marke(kEB),
                              marke(kLMJ), marke(kNT), marke(kVB), Postenart(z.typ)});
    }
    ein.gesamtbrutto = formatAmount(p.erfass.brutto[kGesamtbrutto]);
    ein.steuerbrutto = formatAmount(p.erfass.brutto[kSteuerbrutto]);
    ein.steuerbruttoEB = formatAmount(p.erfass.brutto[kSteuerbruttoEB]);

    ein.ComboMonat = h.text(Haupt::ComboMonat);
    ein.ComboJahr = h.text(Haupt::ComboJahr);
    ein.LEdiBrutto = h.text(Haupt::LEdiBrutto);
    ein.LEdiNetto = h.text(Haupt::LEdiNetto);
    ein.LEdiNettoTag = h[Haupt::LEdiNetto].tag;
    ein.ComboZV = h.text(Haupt::ComboZV);
    ein.LxEdiBGR = h.text(Haupt::LxEdiBGR);
    ein.LEdiStKl = h.text(Haupt::LEdiStKl);
    ein.LEdiKiFB = h.text(Haupt::LEdiKiFB);
    ein.ComboKiJaNein = h.text(Haupt::ComboKiJaNein);
    ein.LEdiStFB = h.text(Haupt::LEdiStFB);
    ein.LEdiGebJahr = h.text(Haupt::LEdiGebJahr);
    const auto& panels = h[Haupt::StatusBar].items;
    auto panel = [&panels](int n) {
        const auto i = static_cast<std::size_t>(n);
        return i < panels.size() ? panels[i] : std::string();
    };
    ein.statusPanel0 = panel(kPanelEintritt);
    ein.statusPanel1 = panel(kPanelAustritt);

    ein.FNTHochrechnung = p.FNTHochrechnung;
    ein.NTSummeLfd = p.NTSummeLfd;
    ein.NTSummeEBZ = p.NTSummeEBZ;
    ein.NTSummeLMJ = p.NTSummeLMJ;

    ein.ZVComboArt = o.text(Opt::ZVComboArt);
    ein.ZVEdiNameIndZV = o.text(Opt::ZVEdiNameIndZV);
    ein.ZVComboHochr = o.text(Opt::ZVComboHochr);
    ein.AVCombo1Art = o.text(Opt::AVCombo1Art);
    ein.ATZLxVEdiAufst = o.text(Opt::ATZLxVEdiAufst);
    ein.PfdComboJaNein = o.text(Opt::PfdComboJaNein);
    ein.PfdComboJaNeinTag = o[Opt::PfdComboJaNein].tag;
    ein.PfdVEdiVerbleib = o.text(Opt::PfdVEdiVerbleib);
    ein.SVComboUmlage = o.text(Opt::SVComboUmlage);
    ein.SVLabEdiKKasse = o.text(Opt::SVLabEdiKKasse);
    ein.SVVEdiSVTage = o.text(Opt::SVVEdiSVTage);
    ein.SVVEdiVBMax = o.text(Opt::SVVEdiVBMax);
    ein.LSTComboBundesland = o.text(Opt::LSTComboBundesland);
    ein.LSTComboStTab = o.text(Opt::LSTComboStTab);
    ein.LSTVEdiStTage = o.text(Opt::LSTVEdiStTage);
    ein.EBVEdiTgVor = o.text(Opt::EBVEdiTgVor);
    ein.TZComboJaNein = o.text(Opt::TZComboJaNein);
    ein.TZVEdiWoStd = o.text(Opt::TZVEdiWoStd);
    ein.TZVEdiWoVZ = o.text(Opt::TZVEdiWoVZ);
    ein.VBVEdiJahr = o.text(Opt::VBVEdiJahr);
    ein.VBVEdiErsterVers = o.text(Opt::VBVEdiErsterVers);
    ein.VBVEdiEB = o.text(Opt::VBVEdiEB);
    ein.VBVEdiMonate = o.text(Opt::VBVEdiMonate);
    ein.TBVEdiUB1Von = o.text(Opt::TBVEdiUB1Von);
    ein.TBVEdiUB1Bis = o.text(Opt::TBVEdiUB1Bis);
    ein.TBLEdiGrund1 = o.text(Opt::TBLEdiGrund1);
    ein.TBVEdiUB2Von = o.text(Opt::TBVEdiUB2Von);
    ein.TBVEdiUB2Bis = o.text(Opt::TBVEdiUB2Bis);
    ein.TBLEdiGrund2 = o.text(Opt::TBLEdiGrund2);

    ein.pfaendBetragZweit = p.LohnGehalt2.FPfaendBetrag;
    return ein;
}

ATZEingaben ATZEingabenLesen(const ProgrammZustand& p)
{
    ATZEingaben ein{.LEdiDruckName = p.abr.text(Abr::LEdiDruckName),
                    .ComboMonat = p.haupt.text(Haupt::ComboMonat),
                    .ComboJahr = p.haupt.text(Haupt::ComboJahr),
                    .zeilen = {}};
    for (const Zeile& z : p.opt[Opt::ATZLView].rows) {
        auto zelle = [&z](std::size_t i) { return i < z.cells.size() ? z.cells[i] : std::string(); };
        ein.zeilen.push_back({zelle(0), zelle(1), zelle(2), zelle(3)});
    }
    return ein;
}

void ActDetailabrechnung(ProgrammZustand& p)
{
    DetailAbrechnung abr;
    try {
        abr = BaueDetailabrechnung(p.LohnGehalt, DetailEingabenLesen(p));
    } catch (const ConversionError&) {
        // The last payslip no longer matches the fields: none is shown.
        AbrechnungZeigen(p, {});
        throw;
    }
    AbrechnungZeigen(p, abr.zeilen);
    p.abr[Abr::BtnAbr].visible = abr.BtnAbrSichtbar;
    p.abr[Abr::BtnPfd].visible = abr.BtnPfdSichtbar;
    p.abr[Abr::BtnATZ].visible = abr.BtnATZSichtbar;

    if (abr.LEdiBrutto) p.haupt.text(Haupt::LEdiBrutto) = *abr.LEdiBrutto;
    if (abr.LEdiNetto) p.haupt.text(Haupt::LEdiNetto) = *abr.LEdiNetto;
    if (abr.EBVEdiStJahr) p.opt.text(Opt::EBVEdiStJahr) = *abr.EBVEdiStJahr;
    if (abr.EBVEdiKVBrVor) p.opt.text(Opt::EBVEdiKVBrVor) = *abr.EBVEdiKVBrVor;
    if (abr.EBVEdiRVBrVor) p.opt.text(Opt::EBVEdiRVBrVor) = *abr.EBVEdiRVBrVor;
    if (abr.LEdiStFB) {
        // As if typed: the annual allowance follows.
        p.haupt.text(Haupt::LEdiStFB) = *abr.LEdiStFB;
        LEdiStFBChange(p);
    }
    if (abr.atzAbrechnung) ActATZAbrechnung(p);
}

void ActATZAbrechnung(ProgrammZustand& p)
{
    p.abr[Abr::LiBoATZ].items = ATZAbrechnung(p.LohnGehalt, ATZEingabenLesen(p));
}

}  // namespace lx
