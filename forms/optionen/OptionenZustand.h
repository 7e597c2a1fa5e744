#pragma once
// The controls of the options dialog (FrmOpt), grouped by page in page order.
// Each page's entries live in a file named by the page (OptionenLohnsteuer.cpp,
// OptionenPfaendung.cpp, ...) and stand in the enum inside that page's group,
// in the same order, so that the pages can grow independently;
// optionenTabelle() joins them in page order.

#include <span>
#include <string>
#include <vector>

#include "gemeinsam/Steuerelement.h"

namespace lx {

// The dialog's pages in page order; the number is the page control's `selected`.
enum class OptionenSeite {
    Lohnsteuer,
    Sozialversicherung,
    Zusatzversicherung,
    Altersversorgung,
    Einmalbezuege,
    Versorgungsbezuege,
    Altersteilzeit,
    Pfaendung,
    Mehrfachbeschaeftigung,
    Teilmonat,
    Teilzeit,
    Stammdaten,
};
constexpr int SeitenNr(OptionenSeite s)
{
    return static_cast<int>(s);
}

enum class Opt {
    PageCtrl,  // the twelve pages; `selected` is the page shown
    // Dialog-wide controls (month and year lists, buttons): OptionenAllgemein.cpp
    ComboMonat,
    ComboJahr,
    BtnSchliessen,
    BtnErfassung,
    BtnGrundstellung,
    BtnHilfe,
    // Page 0 "Lohnsteuer": OptionenLohnsteuer.cpp
    LSTComboStTab,
    LSTVEdiStTage,
    LSTVEdiFBJahr,
    LSTChkFBJahr,
    LSTComboBundesland,
    LSTComboErmKiSt,
    LSTVEdiPKV,
    LSTChkPKV,
    LSTComboKammerbeitrag,
    // Page 1 "Sozialversicherung": OptionenSozialversicherung.cpp
    SVComboRechtskreis,
    SVVEdiSVTage,
    SVComboKVBez,
    SVComboRVBez,
    SVComboAVBez,
    SVComboPVBez,
    SVComboGleitzone,
    SVComboRVVoll,
    SVComboGfERV,
    SVComboFrWPKV,
    SVComboUmlage,
    SVVEdiU1Satz,
    SVVEdiU2Satz,
    ComboSachsen,
    SVLabPVAnzKi,
    SVComboPVKi,
    LEdiPKV,
    LEdiPPV,
    SVLabEdiKKasse,
    PnlKVSatz,
    PnlZaehne,
    PnlRVSatz,
    PnlAVSatz,
    PnlPVSatz,
    PnlPVKinder,
    // Page 2 "Zusatzversicherung": OptionenZusatzversicherung.cpp
    ZVComboArt,
    ZVVEdiPAGA,
    ZVVEdiPANA,
    ZVVEdiSanGeld,
    ZVVEdiPSt,
    ZVLabStFrei,
    ZVComboStFrei,
    ZVComboZusUml,
    ZVComboHochr,
    ZVVEdiMax56,
    ZVLabNameIndZV,
    ZVEdiNameIndZV,
    // Page 3 "Altersversorgung": OptionenAltersversorgung.cpp
    AVCombo1Art,
    AVVEdiAG1,
    AVVEdiAN1,
    AVCombo1StFrei,
    AVCombo1ZStFrei,
    AVVEdi1Pst,
    AVCombo1AnsatzSt,
    AVLabGesetzgrundlage,
    AVLab2Gesetz,
    // Page 4 "Einmalbezüge": OptionenEinmalbezuege.cpp
    EBVEdiKVBrVor,
    EBVEdiRVBrVor,
    EBVEdiTgVor,
    EBChkSVAuto,
    EBVEdiStJahr,
    EBVEdiVBJahr,
    EBChkStAuto,
    // Page 5 "Versorgungsbezüge": OptionenVersorgungsbezuege.cpp
    VBVEdiJahr,
    VBVEdiErsterVers,
    VBVEdiEB,
    VBVEdiMonate,
    SVComboVB,
    SVVEdiVBMax,
    VBBtnErfassung,
    // Page 6 "Altersteilzeit": OptionenAltersteilzeit.cpp
    ATZComboJaNein,
    ATZLxVEdiAufst,
    ATZneuAufstRV,
    ATZmanReg,
    ATZLabRegEnt,
    ATZLabAufst,
    ATZLView,
    ATZBtnAktualis,
    // Page 7 "Pfändung": OptionenPfaendung.cpp
    PfdComboJaNein,  // tag 1: the last calculation needed the garnishment special calculation
    PfdComboMethode,
    PfdVEdiUntPers,
    PfdVEdiVerbleib,
    PfdComboEntUmw,
    PfdLView,
    // Page 8 "Mehrfachbeschäftigung": OptionenMehrfachbeschaeftigung.cpp
    MfBComboJaNein,
    MfBVEdiBrutAnd,
    // Page 9 "Teilmonat": OptionenTeilmonat.cpp
    TBComboJaNein,
    TBVEdiVon,
    TBVEdiBis,
    TBVEdiUB1Von,
    TBVEdiUB1Bis,
    TBLEdiGrund1,
    TBVEdiUB2Von,
    TBVEdiUB2Bis,
    TBLEdiGrund2,
    TBComboRegel,
    TALabCapTage,
    TALabKalArb,
    TALView,
    TABtnAktualisieren,
    TABtnUebernehmen,
    // Page 10 "Teilzeit": OptionenTeilzeit.cpp
    TZComboJaNein,
    TZVEdiWoStd,
    TZVEdiWoVZ,
    TZLabHinweis,
    TZLView,
    TZLiBo,  // hidden: the entry row of each row of TZLView, TALView and ATZLView
    TZBtnAktualisieren,
    TZBtnUebernehmen,
    // Page 11 "Stammdaten": OptionenStammpfad.cpp
    JVEdiPfad,
    JVBtnOrdner,
    AllgBtnPfadSpeichern,
    AllgBtnAktualisieren,
    AllgLiBoNameStamm,
    AllgLiBoDatenStamm,
    kAnzahl
};

std::span<const Eintrag<Opt>> optionenTabelle();

// The entries of one group, in the enum's order (each file defines its own).
std::vector<Eintrag<Opt>> optionenAllgemein();
std::vector<Eintrag<Opt>> optionenLohnsteuer();
std::vector<Eintrag<Opt>> optionenSozialversicherung();
std::vector<Eintrag<Opt>> optionenZusatzversicherung();
std::vector<Eintrag<Opt>> optionenAltersversorgung();
std::vector<Eintrag<Opt>> optionenEinmalbezuege();
std::vector<Eintrag<Opt>> optionenVersorgungsbezuege();
std::vector<Eintrag<Opt>> optionenAltersteilzeit();
std::vector<Eintrag<Opt>> optionenPfaendung();
std::vector<Eintrag<Opt>> optionenMehrfachbeschaeftigung();
std::vector<Eintrag<Opt>> optionenTeilmonat();
std::vector<Eintrag<Opt>> optionenTeilzeit();
std::vector<Eintrag<Opt>> optionenStammpfad();

// What the partial-month page keeps beside its controls.
struct TeilmonatStand {
    int tage = 0;  // days to pay of the last computation; 0 = none
    // "Steuertage" and "SV-Tage" as they were before the first applying, so
    // that switching the partial month off can put them back.
    bool tageGesichert = false;
    std::string steuertage{};
    std::string svTage{};
};

struct OptionenZustand : FensterZustand<Opt> {
    OptionenZustand() : FensterZustand<Opt>(optionenTabelle()) {}

    TeilmonatStand teilmonat{};
};

}  // namespace lx
