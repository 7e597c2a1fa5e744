// Amount and date texts as the fields hold them, from any bytes. The input is
// split at its first line break into two texts (a date range, a month name
// and a year text); each is also read as an amount and a whole number.

#include <string>

#include "AmountText.h"
#include "DatumUnit.h"
#include "FuzzTarget.h"
#include "LxMath.h"

using lx::fuzz::fuzzCheck;

namespace {

void betrag(std::string_view text)
{
    (void)lx::IstNullText(text);
    const std::string ohne = lx::OhnePunkte(text);
    try {
        (void)lx::StrToCurr(ohne);
    } catch (const lx::ConversionError&) {
    }
    try {
        (void)lx::StrToInt(text);
    } catch (const lx::ConversionError&) {
    }
    const auto wert = lx::parseAmount(ohne);
    if (!wert) return;
    fuzzCheck(lx::parseAmount(lx::formatAmount(*wert, 4, false)) == *wert, "four decimals read back exactly");
    fuzzCheck(lx::parseAmount(lx::shortestText(*wert)) == *wert, "the shortest text reads back exactly");
    // Rounded for display, an amount at the very end of the range may lie
    // beyond it; no field holds such an amount.
    if (*wert > lx::Currency::fromUnits(100'000'000'000'000) || *wert < lx::Currency::fromUnits(-100'000'000'000'000)) {
        return;
    }
    for (int stellen = 0; stellen <= 3; ++stellen) {
        std::string gezeigt = lx::formatAmount(*wert, stellen, true);
        std::erase(gezeigt, '.');
        const auto zurueck = lx::parseAmount(gezeigt);
        fuzzCheck(zurueck.has_value(), "a shown amount reads back");
        fuzzCheck(lx::formatAmount(*zurueck, stellen, false) == gezeigt, "a shown amount keeps its text");
    }
}

void datum(std::string_view von, std::string_view bis)
{
    try {
        fuzzCheck(lx::TageZwischen(von, von) == 1, "a day to itself is one day");
        const int tage = lx::TageZwischen(von, bis);
        const int arbeitstage = lx::ArbeitstageZwischen(von, bis);
        fuzzCheck(arbeitstage >= 0, "working days are not negative");
        if (tage >= 1 && von.substr(6) >= "1990" && bis.substr(6) >= "1990") {
            fuzzCheck(arbeitstage <= tage, "no more working days than days");
        }
    } catch (const lx::ConversionError&) {
    }
    try {
        (void)lx::MonatsLetzter(von, bis);
    } catch (const lx::ConversionError&) {
    }
    (void)lx::MonatNr(von);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = lx::fuzz::text(data, size);
    const std::size_t umbruch = input.find('\n');
    const std::string_view erster = input.substr(0, umbruch);
    const std::string_view zweiter = umbruch == std::string_view::npos ? std::string_view() : input.substr(umbruch + 1);
    betrag(erster);
    betrag(zweiter);
    datum(erster, zweiter);
    return 0;
}
