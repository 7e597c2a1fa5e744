#pragma once
// Rows of a file of official wage-tax results (tab-separated, first line the
// column names, amounts in cents), read into the plan interface's inputs.
// Shared by tax_vectors, sv_cases (number and field reading) and the benchmark.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "LxSteuernPlan.h"

namespace lx::vektoren {

enum class Art {
    Plan,
    Cent,     // amount in cents
    Code,     // whole number
    Dezimal,  // decimal with a point
    Ergebnis  // expected result in cents
};

inline const std::map<std::string, Art, std::less<>> kSpalten = {
    {"plan", Art::Plan},       {"STKL", Art::Code},        {"LZZ", Art::Code},      {"RE4", Art::Cent},
    {"ZKF", Art::Dezimal},     {"KRV", Art::Code},         {"PKV", Art::Code},      {"PKPV", Art::Cent},
    {"KVZ", Art::Dezimal},     {"PVS", Art::Code},         {"PVZ", Art::Code},      {"PVA", Art::Code},
    {"AF", Art::Code},         {"F", Art::Dezimal},        {"LZZFREIB", Art::Cent}, {"LZZHINZU", Art::Cent},
    {"JFREIB", Art::Cent},     {"JHINZU", Art::Cent},      {"ALTER1", Art::Code},   {"AJAHR", Art::Code},
    {"VBEZ", Art::Cent},       {"VBEZM", Art::Cent},       {"VBEZS", Art::Cent},    {"VJAHR", Art::Code},
    {"ZMVB", Art::Code},       {"JRE4", Art::Cent},        {"JVBEZ", Art::Cent},    {"VBS", Art::Cent},
    {"SONSTB", Art::Cent},     {"VMT", Art::Cent},         {"ENTSCH", Art::Cent},   {"JRE4ENT", Art::Cent},
    {"SONSTENT", Art::Cent},   {"MBV", Art::Cent},         {"VKAPA", Art::Cent},    {"STERBE", Art::Cent},
    {"R", Art::Code},          {"ALV", Art::Code},         {"WFUNDF", Art::Cent},   {"HINZUR", Art::Cent},
    {"LSTLZZ", Art::Ergebnis}, {"SOLZLZZ", Art::Ergebnis}, {"STS", Art::Ergebnis},  {"SOLZS", Art::Ergebnis},
    {"STV", Art::Ergebnis},    {"SOLZV", Art::Ergebnis},
};
inline const char* const kErgebnisse[] = {"LSTLZZ", "SOLZLZZ", "STS", "SOLZS", "STV", "SOLZV"};

struct Fehler {
    std::string text;
};

// A decimal with a point and at most four decimals ("-12", "1.70").
inline std::optional<Currency> leseZahl(const std::string& text)
{
    std::size_t i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negativ = text[i++] == '-';
    std::int64_t ganz = 0;
    std::int64_t bruch = 0;
    int stellen = 0;
    bool ziffer = false;
    bool punkt = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !punkt) {
            punkt = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        ziffer = true;
        if (punkt) {
            if (++stellen > 4) return std::nullopt;
            bruch = bruch * 10 + (c - '0');
        } else {
            // stays within ten-thousandths in 64 bits
            if (ganz > 10'000'000'000'000LL) return std::nullopt;
            ganz = ganz * 10 + (c - '0');
        }
    }
    if (!ziffer) return std::nullopt;
    for (; stellen < 4; ++stellen) bruch *= 10;
    const std::int64_t raw = ganz * Currency::kScale + bruch;
    return Currency::fromRaw(negativ ? -raw : raw);
}

inline std::vector<std::string> teile(const std::string& zeile)
{
    std::vector<std::string> felder;
    std::stringstream s(zeile);
    std::string feld;
    while (std::getline(s, feld, '\t')) felder.push_back(feld);
    if (!zeile.empty() && zeile.back() == '\t') felder.emplace_back();
    return felder;
}

inline std::string centText(Currency cents)
{
    if (cents.raw() % Currency::kScale == 0) return std::to_string(cents.raw() / Currency::kScale);
    return cents.toString();
}

// One row: its plan and its values by column; absent columns count as 0, F as 1.
class Zeile {
public:
    std::string plan;
    std::map<std::string, Currency, std::less<>> werte;

    Currency wert(std::string_view spalte) const
    {
        auto it = werte.find(spalte);
        if (it != werte.end()) return it->second;
        return spalte == "F" ? 1_cur : 0_cur;
    }
    Currency euro(std::string_view spalte) const { return Currency::fromRaw(wert(spalte).raw() / 100); }
    int code(std::string_view spalte) const { return int(wert(spalte).raw() / Currency::kScale); }
};

inline Zeile leseZeile(const std::vector<std::string>& kopf, const std::vector<std::string>& felder, int nummer)
{
    if (felder.size() != kopf.size()) {
        throw Fehler{"line " + std::to_string(nummer) + ": " + std::to_string(felder.size()) + " fields, header has " +
                     std::to_string(kopf.size())};
    }
    Zeile z;
    for (std::size_t i = 0; i < kopf.size(); ++i) {
        const Art art = kSpalten.find(kopf[i])->second;
        if (art == Art::Plan) {
            z.plan = felder[i];
            continue;
        }
        auto zahl = leseZahl(felder[i]);
        const bool ganz = zahl && zahl->raw() % Currency::kScale == 0;
        if (!zahl || (art != Art::Dezimal && !ganz)) {
            throw Fehler{"line " + std::to_string(nummer) + ": column " + kopf[i] + ": not a valid value \"" +
                         felder[i] + "\""};
        }
        z.werte[kopf[i]] = *zahl;
    }
    // WFUNDF is the period allowance's name in the plans 2006 and 2007; it repeats LZZFREIB.
    if (!z.wert("WFUNDF").isZero() && !z.wert("LZZFREIB").isZero() && z.wert("WFUNDF") != z.wert("LZZFREIB")) {
        throw Fehler{"line " + std::to_string(nummer) + ": WFUNDF differs from LZZFREIB"};
    }
    return z;
}

// The period allowance, under either of its names.
inline Currency lzzFreibetrag(const Zeile& z)
{
    return z.wert("LZZFREIB").isZero() ? z.euro("WFUNDF") : z.euro("LZZFREIB");
}

inline LohnsteuerEingaben eingaben(const Zeile& z)
{
    LohnsteuerEingaben e;
    e.AJAHR = z.code("AJAHR");
    e.VJAHR = z.code("VJAHR");
    e.ZMVB = z.code("ZMVB");
    e.RE4 = z.euro("RE4");
    e.LZZFREIB = lzzFreibetrag(z) - z.euro("LZZHINZU");
    e.JFREIB = z.euro("JFREIB") - z.euro("JHINZU");
    e.FBJahr = e.JFREIB;
    e.VMT = z.euro("VMT");
    e.VBEZ = z.euro("VBEZ");
    e.VBS = z.euro("VBS");
    e.VBEZM = z.euro("VBEZM");
    e.VBEZS = z.euro("VBEZS");
    e.JVBEZ = z.euro("JVBEZ");
    e.PKPV = z.euro("PKPV");
    e.ENTSCH = z.euro("ENTSCH");
    e.JRE4ENT = z.euro("JRE4ENT");
    e.SONSTENT = z.euro("SONSTENT");
    e.f = z.wert("F");
    e.KVZ = z.wert("KVZ");
    e.MBV = z.euro("MBV");
    e.ZKF = z.wert("ZKF");
    e.STKL = z.code("STKL");
    e.LZZ = z.code("LZZ");
    e.KRV = z.code("KRV");
    e.PKV = z.code("PKV");
    const int pva = z.code("PVA");  // PVA p stands for p + 1 children
    e.AnzKinderPV = pva == 0 ? 0 : pva + 1;
    e.ALTER1 = z.code("ALTER1");
    e.af = z.code("AF");
    e.PVS = z.code("PVS");
    e.PVZ = z.code("PVZ");
    e.STERBE = z.euro("STERBE");
    e.VKAPA = z.euro("VKAPA");
    return e;
}

struct NummerierteZeile {
    int nummer;  // line in the file, the header is line 1
    Zeile zeile;
};

// Every row of the file; a malformed header or row throws Fehler.
inline std::vector<NummerierteZeile> leseDatei(const std::string& datei)
{
    std::ifstream in(datei);
    if (!in) throw Fehler{"cannot read " + datei};
    std::string text;
    if (!std::getline(in, text)) throw Fehler{datei + ": empty file"};
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::vector<std::string> kopf = teile(text);
    for (const auto& spalte : kopf) {
        if (!kSpalten.contains(spalte)) throw Fehler{datei + ": unknown column \"" + spalte + "\""};
    }
    for (const std::string pflicht : {"plan", "LSTLZZ", "SOLZLZZ", "STS", "SOLZS", "STV", "SOLZV"}) {
        if (std::find(kopf.begin(), kopf.end(), pflicht) == kopf.end()) {
            throw Fehler{datei + ": column \"" + pflicht + "\" missing"};
        }
    }
    std::vector<NummerierteZeile> zeilen;
    int nummer = 1;
    while (std::getline(in, text)) {
        ++nummer;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty()) continue;
        zeilen.push_back({nummer, leseZeile(kopf, teile(text), nummer)});
    }
    return zeilen;
}

}  // namespace lx::vektoren
