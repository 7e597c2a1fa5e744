#pragma once
// Hands the working engine's inputs to the second engine through the setters,
// in the order of the calling contract, for the gross-up's comparison net and
// the garnishment special calculation. The values are the ones the setters
// gave the working engine (never the fields a computation has adjusted), with
// the caller's overrides.

#include <functional>
#include <optional>

#include "Gehaltsroutinen.h"

namespace lx {

struct KopieVorgaben {
    // Gross totals of the remaining pay items ("SV-Brutto ungek.", "SV-Brutto EB
    // ungek.", "Steuerbrutto", "Steuerbrutto EB", "Steuerbrutto LMJ",
    // "Gesamtbrutto", "ZV-Brutto", "VB-Brutto lfd.").
    std::optional<Currency> svBrutto;
    std::optional<Currency> svBruttoEB;
    std::optional<Currency> stBrutto;
    std::optional<Currency> stBruttoEB;
    std::optional<Currency> stBruttoLMJ;
    std::optional<Currency> gesamtbrutto;
    std::optional<Currency> zvBrutto;
    std::optional<Currency> vbBrutto;
    std::optional<int> gebJahr;     // the birth year field
    std::optional<Currency> vbMax;  // the options' pension-benefit ceiling
    bool zvKeine = false;           // supplementary scheme "keine"
    // Further changes of a caller, made on the values after the overrides
    // above and before any setter runs. The values are the engine's own:
    // FStFreibetrag times 100, the SV gross in FSVBruttoUngek (FSVBrutto is
    // derived again by SetSVBrutto).
    std::function<void(LohnEingaben&)> weitere;
};

// Sets every input of `nach` from `von`'s given inputs and the overrides, then
// `nach` is ready for Berechnen. The garnishment correction is left alone: each
// caller sets its own. The partial-retirement values are passed only when
// partial retirement is on.
void CopyInputs(const TLohnGehalt& von, TLohnGehalt& nach, const KopieVorgaben& vorgaben = {});

}  // namespace lx
