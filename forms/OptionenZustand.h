#pragma once
// The controls of the options dialog (FrmOpt), grouped by page in page order.
// Each page's entries live in a file of their own (OptionenSeiteN.cpp) and
// stand in the enum inside that page's group, in the same order, so that the
// pages can grow independently; optionenTabelle() joins them in page order.

#include <span>
#include <vector>

#include "Steuerelement.h"

namespace lx {

enum class Opt {
    PageCtrl,  // the twelve pages; `selected` is the page shown
    // Dialog-wide controls (month and year lists, buttons): OptionenSeiteAllgemein.cpp
    // Page 0 "Lohnsteuer": OptionenSeite0.cpp
    // Page 1 "Sozialversicherung": OptionenSeite1.cpp
    // Page 2 "Zusatzversicherung": OptionenSeite2.cpp
    // Page 3 "Altersversorgung": OptionenSeite3.cpp
    // Page 4 "Einmalbezüge": OptionenSeite4.cpp
    // Page 5 "Versorgungsbezüge": OptionenSeite5.cpp
    // Page 6 "Altersteilzeit": OptionenSeite6.cpp
    ATZLxVEdiAufst,
    ATZmanReg,
    ATZLabRegEnt,
    ATZLabAufst,
    ATZLView,
    // Page 7 "Pfändung": OptionenSeite7.cpp
    PfdLView,
    // Page 8 "Mehrfachbeschäftigung": OptionenSeite8.cpp
    // Page 9 "Teilmonat": OptionenSeite9.cpp
    TALView,
    // Page 10 "Teilzeit": OptionenSeite10.cpp
    TZComboJaNein,
    TZLView,
    TZLiBo,  // hidden: the entry row of each row of TZLView, TALView and ATZLView
    // Page 11 "Stammdaten": OptionenSeite11.cpp
    kAnzahl
};

std::span<const Eintrag<Opt>> optionenTabelle();

// The entries of one group, in the enum's order (each file defines its own).
std::vector<Eintrag<Opt>> optionenAllgemein();
std::vector<Eintrag<Opt>> optionenSeite0();
std::vector<Eintrag<Opt>> optionenSeite1();
std::vector<Eintrag<Opt>> optionenSeite2();
std::vector<Eintrag<Opt>> optionenSeite3();
std::vector<Eintrag<Opt>> optionenSeite4();
std::vector<Eintrag<Opt>> optionenSeite5();
std::vector<Eintrag<Opt>> optionenSeite6();
std::vector<Eintrag<Opt>> optionenSeite7();
std::vector<Eintrag<Opt>> optionenSeite8();
std::vector<Eintrag<Opt>> optionenSeite9();
std::vector<Eintrag<Opt>> optionenSeite10();
std::vector<Eintrag<Opt>> optionenSeite11();

struct OptionenZustand : FensterZustand<Opt> {
    OptionenZustand() : FensterZustand<Opt>(optionenTabelle()) {}
};

}  // namespace lx
