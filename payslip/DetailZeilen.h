#pragma once
// Cells and line shapes of the fixed-width payslip and its reports. Lengths
// are counted in characters (UTF-8), never in bytes, so "März" or "§" take one
// column each.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"

namespace lx {

// Number of characters of a UTF-8 text.
std::size_t Zeichenzahl(std::string_view text);

// `anzahl` characters from the 1-based character position `von` (fewer at the
// end of the text): Zeichen("+ 1,70%", 3, 4) is "1,70".
std::string Zeichen(std::string_view text, std::size_t von, std::size_t anzahl);

// The text without its first `anzahl` characters ("" when it is shorter).
std::string OhneErsteZeichen(std::string_view text, std::size_t anzahl);

// Label cell: padded on the right to 24 characters; a longer text stays whole.
std::string LabelZelle(std::string_view text);
// Amount cell: padded on the left to 12 characters.
std::string BetragZelle(std::string_view text);
// Value line: label cell and amount cell, 36 characters.
std::string WertZeile(std::string_view label, std::string_view betrag);
std::string WertZeile(std::string_view label, Currency betrag);

// The eight mark columns of an item row, in order.
enum Markierung : unsigned {
    kGBr = 1u << 0,
    kLSt = 1u << 1,
    kSoV = 1u << 2,
    kZuV = 1u << 3,
    kEBZ = 1u << 4,
    kLMJ = 1u << 5,
    kNet = 1u << 6,
    kVBz = 1u << 7,
};

// Mark cell: four blanks and "x", or five blanks.
std::string MarkZelle(bool markiert);
// Mark cells for the set `marken`: all eight when `alle` is set (item rows),
// else up to the last marked column, so "LSt" alone gives nine blanks and "x".
std::string MarkZellen(unsigned marken, bool alle);

// Rate text "#,##0.00%" (14.6 gives "14,60%"); `dezimalen` 3 gives "1,700%".
std::string SatzText(Currency satz, int dezimalen = 2);
// A rate after three blanks when it is at least 10,00, after four otherwise, so
// that it ends in the same column.
std::string SatzNachLuecke(Currency satz);

// Right-list line of 44 characters: the label, blanks, the value ending in
// column 44; label and value that fill 44 or more are joined without blanks.
// An empty value is "0"; with `geld` the value is read as an amount (first
// three "." removed), negated with `negativ`, and written "#,##0.00". A money
// text that is no number raises ConversionError.
std::string FormatDetailZeile(std::string_view label, std::string_view wert, bool geld, bool negativ = false);
// The same for an amount.
std::string FormatDetailZeile(std::string_view label, Currency wert);

// "dd.mm.<year>" from a day text, a German month name and the year text: day
// "5" in "März" of "2024" gives "05.03.2024".
std::string DatumString(std::string_view tag, std::string_view monatsname, std::string_view jahr);

// Side by side: each left line (45 blanks where the left list has ended), seven
// blanks after a line of at most 45 characters and one after a longer one, then
// the right line where there is one.
std::vector<std::string> Zusammenfuehren(const std::vector<std::string>& links, const std::vector<std::string>& rechts);

}  // namespace lx
