#include "FakeDialoge.h"

#include <gtest/gtest.h>

namespace lx::test {

namespace {

const char* artName(Art a)
{
    switch (a) {
        case Art::Information:
            return "Information";
        case Art::Warnung:
            return "Warnung";
        case Art::Fehler:
            return "Fehler";
        case Art::JaNein:
            return "JaNein";
        case Art::DateiOeffnen:
            return "DateiOeffnen";
        case Art::DateiSpeichern:
            return "DateiSpeichern";
        case Art::OrdnerWaehlen:
            return "OrdnerWaehlen";
        case Art::Zeigen:
            return "Zeigen";
        case Art::Verbergen:
            return "Verbergen";
        case Art::OptionenZeigen:
            return "OptionenZeigen";
        case Art::Fokus:
            return "Fokus";
        case Art::Hilfe:
            return "Hilfe";
    }
    return "?";
}

const char* fensterName(Fenster f)
{
    switch (f) {
        case Fenster::Haupt:
            return "Haupt";
        case Fenster::Erfass:
            return "Erfass";
        case Fenster::Optionen:
            return "Optionen";
        case Fenster::Abrechnung:
            return "Abrechnung";
        case Fenster::About:
            return "About";
    }
    return "?";
}

template <class T>
T naechste(std::deque<T>& script, const T& ohne, const std::string& frage)
{
    if (script.empty()) {
        ADD_FAILURE() << "no scripted answer for: " << frage;
        return ohne;
    }
    T antwort = script.front();
    script.pop_front();
    return antwort;
}

}  // namespace

std::string beschreibe(const Aufruf& a)
{
    std::string s = std::string(artName(a.art)) + ":";
    switch (a.art) {
        case Art::Zeigen:
        case Art::Verbergen:
            return s + " " + fensterName(a.fenster);
        case Art::Fokus:
            return s + " " + fensterName(a.fenster) + " " + a.text;
        case Art::OptionenZeigen:
            return s + " " + std::to_string(a.zahl) + (a.text.empty() ? "" : " " + a.text);
        case Art::Hilfe:
            return s + " " + std::to_string(a.zahl);
        default:
            return s + " " + a.text;
    }
}

void FakeDialoge::Information(std::string_view text)
{
    aufrufe.push_back({.art = Art::Information, .text = std::string(text)});
    if (beiMeldung) beiMeldung();
}

void FakeDialoge::Warnung(std::string_view text)
{
    aufrufe.push_back({.art = Art::Warnung, .text = std::string(text)});
    if (beiMeldung) beiMeldung();
}

void FakeDialoge::Fehler(std::string_view text)
{
    aufrufe.push_back({.art = Art::Fehler, .text = std::string(text)});
    if (beiMeldung) beiMeldung();
}

bool FakeDialoge::JaNein(std::string_view text)
{
    aufrufe.push_back({.art = Art::JaNein, .text = std::string(text)});
    return naechste(jaNein, false, std::string(text));
}

std::optional<std::string> FakeDialoge::DateiOeffnen(const DateiAuswahl& auswahl)
{
    aufrufe.push_back({.art = Art::DateiOeffnen, .text = auswahl.titel, .auswahl = auswahl});
    return naechste(dateien, std::optional<std::string>(), auswahl.titel);
}

std::optional<std::string> FakeDialoge::DateiSpeichern(const DateiAuswahl& auswahl)
{
    aufrufe.push_back({.art = Art::DateiSpeichern, .text = auswahl.titel, .auswahl = auswahl});
    return naechste(dateien, std::optional<std::string>(), auswahl.titel);
}

std::optional<std::string> FakeDialoge::OrdnerWaehlen(std::string_view titel, std::string_view start)
{
    aufrufe.push_back({.art = Art::OrdnerWaehlen,
                       .text = std::string(titel),
                       .auswahl = {.titel = std::string(titel), .ordner = std::string(start)}});
    return naechste(ordner, std::optional<std::string>(), std::string(titel));
}

void FakeDialoge::Zeigen(Fenster fenster)
{
    aufrufe.push_back({.art = Art::Zeigen, .fenster = fenster});
}

void FakeDialoge::Verbergen(Fenster fenster)
{
    aufrufe.push_back({.art = Art::Verbergen, .fenster = fenster});
}

void FakeDialoge::OptionenZeigen(int seite, std::string_view fokus)
{
    aufrufe.push_back(
        {.art = Art::OptionenZeigen, .text = std::string(fokus), .fenster = Fenster::Optionen, .zahl = seite});
}

void FakeDialoge::Fokus(Fenster fenster, std::string_view steuerelement)
{
    aufrufe.push_back({.art = Art::Fokus, .text = std::string(steuerelement), .fenster = fenster});
}

void FakeDialoge::Hilfe(int kontext)
{
    aufrufe.push_back({.art = Art::Hilfe, .zahl = kontext});
}

std::vector<std::string> FakeDialoge::texte(Art art) const
{
    std::vector<std::string> t;
    for (const Aufruf& a : aufrufe) {
        if (a.art == art) t.push_back(a.text);
    }
    return t;
}

std::vector<std::string> FakeDialoge::protokoll() const
{
    std::vector<std::string> t;
    for (const Aufruf& a : aufrufe) t.push_back(beschreibe(a));
    return t;
}

}  // namespace lx::test
