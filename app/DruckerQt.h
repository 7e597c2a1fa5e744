#pragma once
// Printing with Qt: the system's printers for the payslip window's list, and a
// painter that replays a print job on a QPrinter in "Courier New" (fontconfig
// gives the metric-compatible Liberation Mono), on a printer or into a PDF file.

#include <cstddef>

#include "abrechnung/Druckerliste.h"

namespace lx {

class QtDruckerKatalog : public DruckerKatalog {
public:
    std::vector<std::string> drucker() const override;
    std::string standardDrucker() const override;
};

class QtDruckGeraet : public DruckGeraet {
public:
    std::optional<std::string> drucken(const std::vector<DruckZeile>& auftrag, const DruckZiel& ziel) override;

    // The pages the last job was laid out on.
    std::size_t letzteSeitenzahl() const { return seiten_; }

private:
    std::size_t seiten_ = 0;
};

}  // namespace lx
