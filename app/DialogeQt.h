#pragma once
// Dialoge with Qt: message boxes with the application title and plain text
// (a "\r" is a line break), Qt's file and folder dialogs (German once the
// program loaded Qt's translation), and the program's windows.

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "gemeinsam/Dialoge.h"
#include "gemeinsam/Uhr.h"

class TFrmOpt;

namespace lx {

// "Stammdaten|*.abr|Alle Dateien|*.*" as Qt writes it: "Stammdaten (*.abr);;Alle Dateien (*.*)".
QString qtFilter(std::string_view filter);
// The message text for a box: "\r\n" and "\r" become line breaks.
QString meldungsText(std::string_view text);

class DialogeQt : public Dialoge {
public:
    // The windows that Zeigen, Verbergen and Fokus reach; the program
    // registers them as it creates them.
    void anmelden(Fenster fenster, QWidget* w);
    void anmeldenOptionen(TFrmOpt* w);
    // What a help request does (nothing until the help is installed).
    void setHilfe(std::function<void(int)> hilfe) { hilfe_ = std::move(hilfe); }
    // What runs before a message box or a question opens: the windows show
    // the state the handler has reached, so a message never stands over the
    // figures of the run before.
    void setVorMeldung(std::function<void()> vorMeldung) { vorMeldung_ = std::move(vorMeldung); }

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

private:
    QWidget* eltern() const;
    // A message box of that icon and buttons over the windows as they stand.
    int zeigeBox(QMessageBox::Icon icon, std::string_view text, QMessageBox::StandardButtons knoepfe);
    std::optional<std::string> datei(const DateiAuswahl& auswahl, bool speichern);

    std::array<QPointer<QWidget>, 5> fenster_;
    QPointer<TFrmOpt> optionen_;
    std::function<void(int)> hilfe_;
    std::function<void()> vorMeldung_;
};

// Today from the system's calendar.
class SystemUhr : public Uhr {
public:
    Datum heute() const override;
};

}  // namespace lx
