#pragma once
// The controls of the options dialog (FrmOpt). Its issue fills the enum and the
// table; other issues add the entries their handlers read or write.

#include <span>

#include "Steuerelement.h"

namespace lx {

enum class Opt {
    PageCtrl,  // the twelve pages; `selected` is the page shown
    kAnzahl
};

std::span<const Eintrag<Opt>> optionenTabelle();

struct OptionenZustand : FensterZustand<Opt> {
    OptionenZustand() : FensterZustand<Opt>(optionenTabelle()) {}
};

}  // namespace lx
