#pragma once
// Date helpers for partial months: days and working days between two dates,
// month lengths, month numbers from their German names, the last day of a
// month. Dates are texts "dd.mm.yyyy"; anything else raises ConversionError
// with the message "'<text>' ist kein gültiges Datum".

#include <array>
#include <string>
#include <string_view>

namespace lx {

// "Januar" to "Dezember".
inline constexpr std::array<std::string_view, 12> kMonatsnamen = {
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember",
};

// Calendar days from the first to the second date, both included (to - from + 1).
// A date whose year is before 1990 counts as 100 years later.
int TageZwischen(std::string_view von, std::string_view bis);

// Days from the first to the second date, both included, that are neither
// Saturday nor Sunday. The first date is always examined, so a from-date after
// the to-date counts that one day when it is a weekday.
int ArbeitstageZwischen(std::string_view von, std::string_view bis);

// Days of the month 1 to 12 (February by the leap-year rule); 0 for any other month.
int TageImMonat(int monat, int jahr);

// 1 to 12 for "Januar" to "Dezember" (exact, case-sensitive), else 0.
int MonatNr(std::string_view name);

// "dd.mm.<year text>" of the month's last day ("29.02.2024"). The year text is
// converted as a whole number (ConversionError otherwise) and written unchanged;
// a name that is no month gives "".
std::string MonatsLetzter(std::string_view monatsname, std::string_view jahrText);

}  // namespace lx
