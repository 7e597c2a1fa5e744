#pragma once
// Mini-job test and the assessment base of the transition zone for low wages.

#include <cstdint>

#include "Currency.h"
#include "Kennzeichen.h"

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

// Employee's base inside the zone from October 2022: OG / (OG - G) x (AE - G),
// rounded to cents, never below 0; apportioned like the zone base for multiple
// employment. Without a zone the gross comes back unchanged.
Currency GleitzoneBemessungAN(Currency ae, const GleitzoneParameter& p);

// True from October 2022, when the employee's share inside the zone is
// computed on its own base.
bool GleitzoneMitANBasis(int jahr, int monat);

}  // namespace lx
