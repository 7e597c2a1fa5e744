#include "OptionenDialog.h"

#include <optional>
#include <string_view>
#include <vector>

#include "AmountText.h"
#include "LxMath.h"
#include "Optionen.h"
#include "OptionenListen.h"
#include "PVKinderliste.h"
#include "ProgrammZustand.h"
#include "Rechengroessen.h"
#include "TeilmonatTeilzeit.h"
#include "hauptfenster/Hauptfenster.h"
#include "stammdaten/OptionenStammdaten.h"

namespace lx::optionen {

namespace {

using enum Opt;

constexpr std::string_view kVBAbfuehren = "Beitr. unter 1/20 der Bezugsgr. abführen";
constexpr std::string_view kVBNichtAbf = "Beitr. unter 1/20 der Bezugsgr. nicht abf.";

constexpr std::string_view kZus1800 = "zusätzlich 1800 Euro";
constexpr std::string_view kNichtsZus = "nichts zusätzlich";

int dialogJahr(const ProgrammZustand& p)
{
    return StrToInt(p.opt.text(ComboJahr));
}

void setze(ProgrammZustand& p, Opt id, std::string_view text, bool aktiv)
{
    p.opt.text(id) = text;
    p.opt[id].enabled = aktiv;
}

// --- scheme presets

// The percentages of VBL and of an individual scheme can be typed over the
// presets; an individual scheme also names itself and its tax exemption.
bool saetzeFrei(std::string_view art)
{
    return art == "VBL" || art == "individuell";
}

// --- legal basis of deferred compensation

struct Grundlage {
    std::vector<BAVArt> arten;
    std::optional<BAVSteuer> steuerfrei;  // nullopt: any
    std::optional<std::string_view> zusaetzlich;
    std::optional<bool> pauschal;  // P: the flat-tax limit is not zero
    std::string_view zeile1;
    std::string_view zeile2;
};

const std::vector<BAVArt> kDVPK = {BAVArt::Pensionskasse, BAVArt::Direktversicherung};
const std::vector<BAVArt> kPF = {BAVArt::Pensionsfonds};

// In order: a later match overwrites an earlier one.
const std::vector<Grundlage>& grundlagen()
{
    static const std::vector<Grundlage> tabelle = {
        {kDVPK, BAVSteuer::Nr63, kZus1800, false, "Neuzusage nach § 3 Nr. 63", ""},
        {kDVPK, BAVSteuer::Nr63, kNichtsZus, false, "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro", ""},
        {kDVPK, BAVSteuer::NichtsSteuerfrei, kNichtsZus, true, "Neuzusage nach § 40 b n.F.", ""},
        {kDVPK, BAVSteuer::Nr63, kNichtsZus, true, "Altzusage nach § 3 Nr. 63", "bzw. Altzusage nach § 40 b a.F."},
        {kPF, BAVSteuer::Nr63, kZus1800, false, "Neuzusage nach § 3 Nr. 63", ""},
        {kPF, BAVSteuer::Nr63, kNichtsZus, false, "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro",
         "bzw. Altzusage nach § 3 Nr. 63"},
        {{BAVArt::Unterstuetzungskasse},
         std::nullopt,
         std::nullopt,
         std::nullopt,
         "Beiträge unbegrenzt steuerfrei",
         "ANA bis 4 % der BBG beitragsfrei"},
    };
    return tabelle;
}

template <class T>
bool passt(const std::optional<T>& regel, const T& wert)
{
    return !regel || *regel == wert;
}

}  // namespace

void FormCreate(ProgrammZustand& p)
{
    TeilErzeugen(p);
    p.opt.text(BtnErfassung) = "Erfassungsmaske\nöffnen";
}

void ActGrundstellung(ProgrammZustand& p)
{
    p.opt.grundstellung();
    GrundstellungAltersteilzeit(p);
    GrundstellungPfaendung(p);
    GrundstellungTeilmonat(p);
    GrundstellungTeilzeit(p);
    GrundstellungStammpfad(p);
    p.haupt.panel(kPanelMfB).clear();
    p.haupt.panel(kPanelATZ).clear();
    // The reset's scheme and pension mode reach the main window's mirrors as a
    // user's choice would; the calculation reads them there.
    p.haupt.text(Haupt::ComboZV) = p.opt.text(ZVComboArt);
    SVComboVBChange(p);
    ActTeilmonatGrund(p);
}

void ComboMonatJahrChange(ProgrammZustand& p)
{
    const int vorher = p.LohnGehalt.FJahr;
    p.haupt.text(Haupt::ComboMonat) = p.opt.text(ComboMonat);
    p.haupt.text(Haupt::ComboJahr) = p.opt.text(ComboJahr);
    ActMMJJChange(p);
    ActTeilmonatGrund(p);
    // The presets depend on scheme and year only: a new month keeps typed rates.
    if (dialogJahr(p) != vorher) ActZVAktualis(p);
}

void ZVComboArtChange(ProgrammZustand& p)
{
    p.haupt.text(Haupt::ComboZV) = p.opt.text(ZVComboArt);
    ActZVAktualis(p);
}

void ZVSteuerfreiheitListe(ProgrammZustand& p, int jahr)
{
    auto& stFrei = p.opt[ZVComboStFrei];
    stFrei.items = {std::to_string(ZVSteuerfreiProzent(jahr)) + " Prozent der RV-BBG", "keine Steuerfreiheit"};
    stFrei.text = stFrei.items.front();
}

void ActZVAktualis(ProgrammZustand& p)
{
    const int jahr = dialogJahr(p);
    const std::string& art = p.opt.text(ZVComboArt);
    const ZVVorgabe s = ZVVorgabeFuer(art, jahr);
    const bool frei = saetzeFrei(art);

    ZVSteuerfreiheitListe(p, jahr);
    p.opt.text(ZVVEdiPSt) = "146,00";

    setze(p, ZVVEdiPAGA, formatAmount(s.ag), frei);
    setze(p, ZVVEdiPANA, formatAmount(s.an), frei);
    setze(p, ZVVEdiSanGeld, formatAmount(s.sanierung), frei);
    const bool individuell = art == "individuell";
    for (Opt id : {ZVComboStFrei, ZVLabStFrei, ZVEdiNameIndZV, ZVLabNameIndZV}) p.opt[id].enabled = individuell;
}

void AVChange(ProgrammZustand& p, Opt liste)
{
    if (liste == AVCombo1Art) {
        const auto art = OptionCode(kBAVArtListe, p.opt.text(AVCombo1Art));
        if (art == Code(BAVArt::Unterstuetzungskasse)) {
            setze(p, AVCombo1StFrei, OptionText(kBAVStFreiListe, Code(BAVSteuer::AllesSteuerfrei)), false);
            setze(p, AVCombo1ZStFrei, kNichtsZus, false);
            setze(p, AVVEdi1Pst, "0,00", false);
        } else {
            setze(p, AVCombo1StFrei, OptionText(kBAVStFreiListe, Code(BAVSteuer::Nr63)), true);
            setze(p, AVCombo1ZStFrei, kZus1800, true);
            setze(p, AVVEdi1Pst, "1.752,00", true);
        }
        if (!BAVZusatzMoeglich(dialogJahr(p))) setze(p, AVCombo1ZStFrei, kNichtsZus, false);
        if (art == Code(BAVArt::Direktversicherung) || art == Code(BAVArt::Pensionskasse) ||
            art == Code(BAVArt::Pensionsfonds)) {
            p.opt.text(AVVEdi1Pst) = "0,00";
        }
    }
    ActAVGrundlage(p);
}

void ActAVGrundlage(ProgrammZustand& p)
{
    const auto art = OptionCode(kBAVArtListe, p.opt.text(AVCombo1Art));
    // A text the lists do not hold matches no rule.
    const auto steuerfrei = OptionCode(kBAVStFreiListe, p.opt.text(AVCombo1StFrei));
    const std::string_view zusaetzlich = p.opt.text(AVCombo1ZStFrei);
    const bool pauschal = !IstNullText(p.opt.text(AVVEdi1Pst));

    std::string_view zeile1 =
        art == Code(BAVArt::Keine) ? "keine Gesetzesgrundlage" : "Gesetzesgrundlage nicht ermittelbar";
    std::string_view zeile2;
    for (const Grundlage& g : grundlagen()) {
        bool artPasst = false;
        for (BAVArt a : g.arten) artPasst = artPasst || art == Code(a);
        const bool steuerfreiPasst = !g.steuerfrei || steuerfrei == Code(*g.steuerfrei);
        if (artPasst && steuerfreiPasst && passt(g.zusaetzlich, zusaetzlich) && passt(g.pauschal, pauschal)) {
            zeile1 = g.zeile1;
            zeile2 = g.zeile2;
        }
    }
    p.opt.text(AVLabGesetzgrundlage) = zeile1;
    p.opt.text(AVLab2Gesetz) = zeile2;
}

void SVComboVBChange(ProgrammZustand& p)
{
    const std::string& modus = p.opt.text(SVComboVB);
    auto& marke = p.haupt[Haupt::PnlVB];
    marke.visible = false;
    marke.tag = Code(VBModus::Keiner);
    if (modus == kVBAbfuehren || modus == kVBNichtAbf) {
        marke.visible = true;
        marke.tag = Code(modus == kVBAbfuehren ? VBModus::Abfuehren : VBModus::NichtAbfuehren);
        p.haupt.text(Haupt::LxEdiBGR) = "1001";
        LxEdiBGRChange(p);
    }
}

void SVComboPVKiChange(ProgrammZustand& p)
{
    p.opt.text(PnlPVSatz) = lx::PnlPVSatz(GetPVSatz(p), PVKinderAnzahl(p.opt.text(SVComboPVKi)));
}

void MfBComboJaNeinChange(ProgrammZustand& p)
{
    p.haupt.panel(kPanelMfB) = IstJa(p.opt.text(MfBComboJaNein)) ? "MfB" : "";
}

void VBBtnErfassungClick(ProgrammZustand& p)
{
    p.opt.text(VBVEdiErsterVers) = formatAmount(p.erfass.brutto[kVBBrutto]);
    p.opt.text(VBVEdiEB) = formatAmount(p.erfass.brutto[kVBBruttoEB]);
}

void BtnSchliessenClick(ProgrammZustand& p)
{
    p.dialoge.Verbergen(Fenster::Optionen);
}

void BtnErfassungClick(ProgrammZustand& p)
{
    p.dialoge.Zeigen(Fenster::Erfass);
}

void BtnHilfeClick(ProgrammZustand& p)
{
    p.dialoge.Hilfe(3000);
}

}  // namespace lx::optionen
