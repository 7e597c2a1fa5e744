#pragma once
// The print job of the text shown in the payslip window, as plain values: the
// lines with their font sizes, and their placement on pages. A painter on the
// Qt side only replays it.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

// One printed line and its size in points ("Courier New").
struct DruckZeile {
    std::string text;
    int punkt = 9;
    bool operator==(const DruckZeile&) const = default;
};

// What the title and the footer read besides the lines.
struct DruckAngaben {
    std::string pfdMethode;  // the options dialog's PfdComboMethode
    std::string druckName;   // the payslip window's LEdiDruckName
    std::string monat;       // the main window's ComboMonat
    std::string jahr;        // the main window's ComboJahr
    std::string datum;       // today, "dd.mm.yyyy"
    std::string programm;    // application title
    std::string version;
};

// Title T from the text's first line: a payslip, garnishment or partial-retirement
// head becomes its fixed title; any other first line stays whole. Then the print
// name (when given), the month and the year.
std::string DruckTitel(std::string_view ersteZeile, const DruckAngaben& angaben);

// "        Erstellt am <date> mit Programm <title> <version>".
std::string DruckFusszeile(const DruckAngaben& angaben);

// The job for a text of more than five lines; empty (nothing to print) for five
// or fewer. The first line is replaced by the title; every further line is
// printed, however many there are.
std::vector<DruckZeile> DruckAuftragErstellen(const std::vector<std::string>& zeilen, const DruckAngaben& angaben);

// Where a line lands: its index in the job and the top of it on its page, in
// the device units of the heights given to the layout.
struct DruckPlatz {
    std::size_t zeile = 0;
    int oben = 0;
    bool operator==(const DruckPlatz&) const = default;
};
using DruckSeite = std::vector<DruckPlatz>;

// Lays the job out top to bottom; a line that does not fit below the previous
// one starts a new page. A line taller than the page still gets one of its own.
std::vector<DruckSeite> DruckLayout(const std::vector<DruckZeile>& auftrag,
                                    const std::function<int(int punkt)>& zeilenHoehe, int seitenHoehe);

}  // namespace lx
