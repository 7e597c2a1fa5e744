#pragma once
// The checks that stop a calculation before any input reaches the engine,
// and where the user corrects what stopped it.

#include <optional>
#include <string>

#include "BerechnungsEingaben.h"

namespace lx {

// Why a run stops before anything is set: the error box's text and where the
// user corrects it (an options page, SeitenNr, and its field, or a main-window
// field when `seite` is kHauptfenster; no field when `fokus` is empty).
inline constexpr int kHauptfenster = -1;
struct Stopp {
    std::string text;
    int seite = kHauptfenster;
    std::string fokus;
    bool operator==(const Stopp&) const = default;
};

// The checks before any setter: the pension-benefit basis, the professional
// pension fund, the individual scheme's rates, then the ranges the engine
// works in (tax class 0-6, tax and SV days 1-30, earlier SV days 0-330,
// pension months 1-12 with pension benefits).
std::optional<Stopp> PruefeEingaben(const BerechnungsEingaben& w);

}  // namespace lx
