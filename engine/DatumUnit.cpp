#include "DatumUnit.h"

#include <array>
#include <cstdint>

#include "AmountText.h"

namespace lx {

namespace {

bool istSchaltjahr(int jahr)
{
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

struct Datum {
    int jahr;
    int monat;
    int tag;
};

int ziffern(std::string_view t, std::size_t von, std::size_t anzahl, bool& ok)
{
    int v = 0;
    for (std::size_t i = von; i < von + anzahl; ++i) {
        char c = t[i];
        if (c < '0' || c > '9') ok = false;
        v = v * 10 + (c - '0');
    }
    return v;
}

Datum leseDatum(std::string_view text)
{
    bool ok = text.size() == 10 && text[2] == '.' && text[5] == '.';
    Datum d{0, 0, 0};
    if (ok) {
        d.tag = ziffern(text, 0, 2, ok);
        d.monat = ziffern(text, 3, 2, ok);
        d.jahr = ziffern(text, 6, 4, ok);
    }
    ok = ok && d.jahr >= 1 && d.monat >= 1 && d.monat <= 12 && d.tag >= 1 && d.tag <= TageImMonat(d.monat, d.jahr);
    if (!ok) throw ConversionError("'" + std::string(text) + "' ist kein gültiges Datum");
    return d;
}

// Days since 1 January 1970 (proleptic Gregorian calendar).
std::int64_t tagNummer(Datum d)
{
    const std::int64_t y = d.monat <= 2 ? d.jahr - 1 : d.jahr;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t m = d.monat;
    const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d.tag - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 0 Monday .. 6 Sunday; day 0 (1 January 1970) was a Thursday.
int wochentag(std::int64_t nummer)
{
    std::int64_t w = (nummer + 3) % 7;
    return int(w < 0 ? w + 7 : w);
}

bool istWerktag(std::int64_t nummer)
{
    return wochentag(nummer) < 5;
}

}  // namespace

int TageZwischen(std::string_view von, std::string_view bis)
{
    Datum a = leseDatum(von);
    Datum b = leseDatum(bis);
    if (a.jahr < 1990) a.jahr += 100;
    if (b.jahr < 1990) b.jahr += 100;
    // 29 February of a year moved into a common year becomes 1 March.
    auto nummer = [](Datum d) {
        if (d.monat == 2 && d.tag == 29 && !istSchaltjahr(d.jahr)) return tagNummer(Datum{d.jahr, 3, 1});
        return tagNummer(d);
    };
    return int(nummer(b) - nummer(a) + 1);
}

int ArbeitstageZwischen(std::string_view von, std::string_view bis)
{
    const std::int64_t a = tagNummer(leseDatum(von));
    const std::int64_t b = tagNummer(leseDatum(bis));
    if (a >= b) return istWerktag(a) ? 1 : 0;
    // whole weeks hold five working days each; the rest is counted day by day
    const std::int64_t tage = b - a + 1;
    std::int64_t anzahl = tage / 7 * 5;
    for (std::int64_t t = a + tage / 7 * 7; t <= b; ++t) {
        if (istWerktag(t)) ++anzahl;
    }
    return int(anzahl);
}

int TageImMonat(int monat, int jahr)
{
    static constexpr std::array<int, 12> kTage = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 0;
    if (monat == 2 && istSchaltjahr(jahr)) return 29;
    return kTage[std::size_t(monat - 1)];
}

int MonatNr(std::string_view name)
{
    for (std::size_t i = 0; i < kMonatsnamen.size(); ++i) {
        if (kMonatsnamen[i] == name) return int(i) + 1;
    }
    return 0;
}

std::string MonatsLetzter(std::string_view monatsname, std::string_view jahrText)
{
    const int jahr = StrToInt(jahrText);
    const int monat = MonatNr(monatsname);
    if (monat == 0) return "";
    const int tag = TageImMonat(monat, jahr);
    std::string text = std::to_string(tag) + ".";
    if (monat < 10) text += "0";
    text += std::to_string(monat) + "." + std::string(jahrText);
    return text;
}

}  // namespace lx
