#pragma once
// The controls of the pay-item entry dialog (FrmErfass). Its issue fills the enum and the
// table; other issues add the entries their handlers read or write.

#include <span>

#include "Steuerelement.h"

namespace lx {

enum class Erfass { kAnzahl };

std::span<const Eintrag<Erfass>> erfassTabelle();

struct ErfassZustand : FensterZustand<Erfass> {
    ErfassZustand() : FensterZustand<Erfass>(erfassTabelle()) {}
};

}  // namespace lx
