#pragma once
// Dialoge for tests: records every call in order and answers questions and
// choosers from a script. An answer that the test did not script fails the
// test and answers "Nein" / cancel.
//
//   lx::test::FakeDialoge d;
//   d.jaNein.push_back(true);                 // the next question: "Ja"
//   d.dateien.push_back("/tmp/x.abr");        // the next file chooser
//   ... run the handler ...
//   EXPECT_EQ(d.texte(lx::test::Art::Fehler), (std::vector<std::string>{"..."}));

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gemeinsam/Dialoge.h"

namespace lx::test {

enum class Art {
    Information,
    Warnung,
    Fehler,
    JaNein,
    DateiOeffnen,
    DateiSpeichern,
    OrdnerWaehlen,
    Zeigen,
    Verbergen,
    OptionenZeigen,
    Fokus,
    Hilfe
};

struct Aufruf {
    Art art{};
    std::string text{};                // message, question, chooser title, control name
    Fenster fenster = Fenster::Haupt;  // Zeigen, Verbergen, Fokus
    int zahl = 0;                      // options page, help context
    DateiAuswahl auswahl{};            // file choosers; OrdnerWaehlen: ordner
};

// "Fehler: Hilfe-Datei ...", "Zeigen: Erfass", "OptionenZeigen: 10 TZVEdiStd": for
// assertion messages.
std::string beschreibe(const Aufruf& a);

class FakeDialoge : public Dialoge {
public:
    void Information(std::string_view text) override;
    void Warnung(std::string_view text) override;
    void Fehler(std::string_view text) override;
    bool JaNein(std::string_view text) override;
    std::optional<std::string> DateiOeffnen(const DateiAuswahl& auswahl) override;
    std::optional<std::string> DateiSpeichern(const DateiAuswahl& auswahl) override;
    std::optional<std::string> OrdnerWaehlen(std::string_view titel, std::string_view ordner) override;
    void Zeigen(Fenster fenster) override;
    void Verbergen(Fenster fenster) override;
    void OptionenZeigen(int seite, std::string_view fokus) override;
    void Fokus(Fenster fenster, std::string_view steuerelement) override;
    void Hilfe(int kontext) override;

    // The texts of the calls of one kind, in order.
    std::vector<std::string> texte(Art art) const;
    // Every call, one line each (beschreibe).
    std::vector<std::string> protokoll() const;
    void leeren() { aufrufe.clear(); }

    std::vector<Aufruf> aufrufe{};
    std::deque<bool> jaNein{};                         // answers to JaNein
    std::deque<std::optional<std::string>> dateien{};  // answers to DateiOeffnen and DateiSpeichern
    std::deque<std::optional<std::string>> ordner{};   // answers to OrdnerWaehlen
    // Runs after a message is recorded: a real box takes the focus while it is open.
    std::function<void()> beiMeldung{};
};

}  // namespace lx::test
