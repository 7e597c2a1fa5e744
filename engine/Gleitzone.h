#pragma once
// Mini-job test and the assessment base of the transition zone for low wages.

#include <cstdint>

#include "Currency.h"

namespace lx {

// A mini-job is a contribution-group code with health digit 6 or pension digit 5.
bool IstMinijob(std::uint8_t bgrKV, std::uint8_t bgrRV);

// What the zone formula of a pay month needs.
struct GleitzoneParameter {
    int jahr = 0;
    int monat = 0;
    Currency og;       // upper bound of the zone
    Currency faktorF;  // factor F
    bool mehrfach = false;
    Currency bruttoAnderer;  // gross of the other employment (multiple employment)
};

// Reduced contribution base BE of the gross `ae` inside the zone, rounded to
// cents. A period without a lower bound, or with an upper bound not above it,
// has no zone: the gross comes back unchanged.
Currency GleitzoneBemessung(Currency ae, const GleitzoneParameter& p);

}  // namespace lx
