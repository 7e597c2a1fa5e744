#pragma once
// The rules of a partial month, free of any window: checking the day fields,
// counting the days to pay, reducing an amount by one of the four rules and the
// tax and SV days that applying sets. The page's handlers feed them the field
// texts and show what they return.

#include <string>
#include <vector>

#include "Currency.h"

namespace lx {

// The day fields of the page as typed. An empty from- / to-day counts as the
// 1st / the month's last day; an empty interruption day counts as "0" (none).
struct TeilmonatTage {
    std::string von;
    std::string bis;
    std::string ub1Von = "0";
    std::string ub1Bis = "0";
    std::string ub2Von = "0";
    std::string ub2Bis = "0";
};

struct TeilmonatPruefung {
    // Error boxes in the order they are shown; any box means nothing is reduced.
    std::vector<std::string> meldungen;
    int D = 0;   // calendar days to pay
    int W = 0;   // Monday-to-Friday days to pay
    int M = 0;   // days of the month
    int MW = 0;  // Monday-to-Friday days of the month
    int vonTag = 1;
    int bisTag = 0;
    bool teilmonat = false;  // entry, leaving or an interruption within the month
    // Status panels 0 and 1: "Eintritt dd.mm.yyyy" / "Austritt dd.mm.yyyy", or empty.
    std::string eintritt;
    std::string austritt;

    bool gueltig() const { return meldungen.empty(); }
};

// "dd.mm.yyyy" of a day of the month.
std::string TeilmonatDatum(int tag, int monat, int jahr);

// "Januar 2024 = " and "31 Kalendertage / 23 Arbeitstage" for the page's captions.
std::string TeilmonatCaption(const std::string& monatsname, int jahr);
std::string TeilmonatKalArb(int monat, int jahr);

// Checks the periods and counts the days of the month `monat` (1..12) of `jahr`.
// Every day must lie within the month (interruptions: "0" = none), an
// interruption must not end before it starts, must not overlap the other and
// must lie in the employment period; no day left to pay fails as well.
TeilmonatPruefung PruefeTeilmonat(const TeilmonatTage& tage, int monat, int jahr);

// The chosen reduction rule 1..4; anything else (no entry chosen) is rule 3.
int TeilmonatRegel(int regel);

// The reduced amount of a full amount V by the rule, with D / W the calendar /
// Monday-to-Friday days to pay and M / MW those of the month.
Currency TeilmonatKuerzung(int regel, Currency V, int D, int W, int M, int MW);

// The "gekürzt" amount of a list row: the full amount unless the row is marked
// and the month is partial.
Currency TeilmonatBetrag(const TeilmonatPruefung& p, int regel, Currency V, bool kuerzen);

// "Steuertage" and "SV-Tage" that applying a valid check sets: tax days 30 when
// the employment covers the whole month, else D; SV days D in a partial month,
// else 30 (the SV field holds at most 30).
struct SteuerSVTage {
    int steuertage = 30;
    int svTage = 30;
};
SteuerSVTage TeilmonatSteuerSVTage(const TeilmonatPruefung& p);

}  // namespace lx
