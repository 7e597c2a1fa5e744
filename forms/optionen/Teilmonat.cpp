#include "Teilmonat.h"

#include <cstdio>
#include <optional>

#include "AmountText.h"
#include "DatumUnit.h"
#include "Dez.h"
#include "LxMath.h"

namespace lx {

namespace {

// A day field as a number; nullopt for a text that is no whole number. The
// fields take digits only, but a record may hold anything.
std::optional<int> tagZahl(const std::string& text, int leer)
{
    std::string s = text;
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) return leer;
    try {
        return StrToInt(s);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

struct Unterbrechung {
    int von = 0;
    int bis = 0;
    bool gueltig = false;  // both days given, within the month and in order
};

// Checks one interruption's days: the Part's "0"-rules, then the month's range.
Unterbrechung pruefeUnterbrechung(int n, const std::string& vonText, const std::string& bisText, int M,
                                  std::vector<std::string>& meldungen)
{
    const std::string name = "Unterbrechung " + std::to_string(n);
    std::optional<int> von = tagZahl(vonText, 0);
    std::optional<int> bis = tagZahl(bisText, 0);
    const bool vonFalsch = !von || *von < 0 || *von > M || (*von == 0 && bis && *bis != 0);
    const bool bisFalsch = !bis || *bis < 0 || *bis > M || (*bis == 0 && von && *von != 0);
    if (vonFalsch) meldungen.push_back(name + " Von-Datum falsch");
    if (bisFalsch) meldungen.push_back(name + " Bis-Datum falsch");
    Unterbrechung u;
    if (vonFalsch || bisFalsch || *von == 0) return u;
    u.von = *von;
    u.bis = *bis;
    u.gueltig = true;
    return u;
}

}  // namespace

std::string TeilmonatDatum(int tag, int monat, int jahr)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", tag, monat, jahr);
    return buf;
}

std::string TeilmonatCaption(const std::string& monatsname, int jahr)
{
    return monatsname + " " + std::to_string(jahr) + " = ";
}

std::string TeilmonatKalArb(int monat, int jahr)
{
    const int M = TageImMonat(monat, jahr);
    const int MW = ArbeitstageZwischen(TeilmonatDatum(1, monat, jahr), TeilmonatDatum(M, monat, jahr));
    return std::to_string(M) + " Kalendertage / " + std::to_string(MW) + " Arbeitstage";
}

TeilmonatPruefung PruefeTeilmonat(const TeilmonatTage& tage, int monat, int jahr)
{
    TeilmonatPruefung p;
    p.M = TageImMonat(monat, jahr);
    if (p.M == 0) {
        p.meldungen.push_back("Falsche Zeiträume in Teilmonatsabrechnung");
        return p;
    }
    auto datum = [&](int tag) { return TeilmonatDatum(tag, monat, jahr); };
    p.MW = ArbeitstageZwischen(datum(1), datum(p.M));

    std::vector<std::string>& m = p.meldungen;
    Unterbrechung u1 = pruefeUnterbrechung(1, tage.ub1Von, tage.ub1Bis, p.M, m);
    Unterbrechung u2 = pruefeUnterbrechung(2, tage.ub2Von, tage.ub2Bis, p.M, m);

    // An interruption ending before it starts would add days to pay.
    for (auto [n, u] : {std::pair{1, &u1}, std::pair{2, &u2}}) {
        if (u->gueltig && u->von > u->bis) {
            m.push_back("Unterbrechung " + std::to_string(n) + " Von-Datum nach Bis-Datum");
            u->gueltig = false;
        }
    }
    // Overlapping interruptions would take the shared days off twice.
    if (u1.gueltig && u2.gueltig && u1.von <= u2.bis && u2.von <= u1.bis) {
        m.push_back("Unterbrechungen 1 und 2 überschneiden sich");
    }

    std::optional<int> von = tagZahl(tage.von, 1);
    std::optional<int> bis = tagZahl(tage.bis, p.M);
    const bool zeitraumGueltig = von && bis && *von >= 1 && *von <= p.M && *bis >= 1 && *bis <= p.M;
    if (zeitraumGueltig) {
        for (auto [n, u] : {std::pair{1, &u1}, std::pair{2, &u2}}) {
            if (!u->gueltig) continue;
            if (u->von < *von || u->bis < *von || u->von > *bis || u->bis > *bis) {
                m.push_back("Unterbrechung " + std::to_string(n) + " muß im Beschäftigungszeitraum sein");
            }
        }
    }
    if (!m.empty()) return p;
    if (!zeitraumGueltig) {
        m.push_back("Falsche Zeiträume in Teilmonatsabrechnung");
        return p;
    }

    p.vonTag = *von;
    p.bisTag = *bis;
    if (p.vonTag != 1) p.eintritt = "Eintritt " + datum(p.vonTag);
    if (p.bisTag != p.M) p.austritt = "Austritt " + datum(p.bisTag);
    p.teilmonat = p.vonTag != 1 || p.bisTag != p.M || u1.gueltig || u2.gueltig;

    p.D = TageZwischen(datum(p.vonTag), datum(p.bisTag));
    p.W = p.vonTag <= p.bisTag ? ArbeitstageZwischen(datum(p.vonTag), datum(p.bisTag)) : 0;
    for (const Unterbrechung* u : {&u1, &u2}) {
        if (!u->gueltig) continue;
        p.D -= TageZwischen(datum(u->von), datum(u->bis));
        p.W -= ArbeitstageZwischen(datum(u->von), datum(u->bis));
    }
    if (p.D <= 0) m.push_back("Falsche Zeiträume in Teilmonatsabrechnung");
    return p;
}

int TeilmonatRegel(int regel)
{
    return regel >= 1 && regel <= 4 ? regel : 3;
}

Currency TeilmonatKuerzung(int regel, Currency V, int D, int W, int M, int MW)
{
    // The quotient is kept at four decimals before the cent rounding.
    auto anteil = [&](int tage, int von) {
        return RundeCent((dez(V) * tage).divide<kFull>(von, Round::HalfUp).toCurrency(Round::Cut));
    };
    switch (TeilmonatRegel(regel)) {
        case 1:
            return anteil(D < 30 ? D : 30, 30);
        case 2:
            return anteil(D, M);
        case 4:
            return anteil(W, MW);
        default:
            return V - anteil(M - D, 30);
    }
}

Currency TeilmonatBetrag(const TeilmonatPruefung& p, int regel, Currency V, bool kuerzen)
{
    if (!kuerzen || !p.gueltig() || !p.teilmonat) return V;
    return TeilmonatKuerzung(regel, V, p.D, p.W, p.M, p.MW);
}

SteuerSVTage TeilmonatSteuerSVTage(const TeilmonatPruefung& p)
{
    SteuerSVTage t;
    if (!p.gueltig()) return t;
    if (p.vonTag != 1 || p.bisTag != p.M) t.steuertage = p.D;
    if (p.teilmonat) t.svTage = p.D;
    return t;
}

}  // namespace lx
