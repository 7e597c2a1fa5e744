#pragma once
// The payslip window's printer list and the devices printing reaches. The Qt
// side implements both interfaces with the system's printers; tests pass fakes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Druckauftrag.h"

namespace lx {

// The text of a printer list that names no printer (printing then refuses),
// and the entry that prints into a PDF file.
inline constexpr std::string_view kKeinDrucker = "kein Drucker installiert";
inline constexpr std::string_view kPdfDatei = "PDF-Datei";

class DruckerKatalog {
public:
    virtual ~DruckerKatalog() = default;
    // The system's printer names, in the system's order.
    virtual std::vector<std::string> drucker() const = 0;
    // The system's default printer; empty when there is none.
    virtual std::string standardDrucker() const = 0;
};

// What the printer list shows: its entries, the one selected (-1: none) and its text.
struct DruckerAuswahl {
    std::vector<std::string> eintraege;
    int gewaehlt = -1;
    std::string text;
};

// The printers, then "PDF-Datei"; the default printer selected (the first one
// when the default is not among them). Without printers "PDF-Datei" is
// selected, so that printing works at once.
DruckerAuswahl DruckerListe(const DruckerKatalog& katalog);

// Where a job goes: a printer by name, or a PDF file when `pdfDatei` is set.
struct DruckZiel {
    std::string drucker;
    std::optional<std::string> pdfDatei;
};

class DruckGeraet {
public:
    virtual ~DruckGeraet() = default;
    // Prints the job; nullopt when it was printed, else the German message of
    // why not (naming the printer or the file). A failed job prints nothing.
    virtual std::optional<std::string> drucken(const std::vector<DruckZeile>& auftrag, const DruckZiel& ziel) = 0;
};

}  // namespace lx
