#pragma once
// The options dialog's page "Stammdaten": the master-data folder `JVEdiPfad`,
// the record names `AllgLiBoNameStamm` and the chosen record's lines
// `AllgLiBoDatenStamm`. File errors show the path and the reason; the lists
// change only after the file operation succeeded.

#include "ProgrammZustand.h"

namespace lx::optionen {

// The page's share of the options reset: none, the folder and the lists stay.
void GrundstellungStammpfad(ProgrammZustand& p);

// Another name chosen: its record's lines, or "<Pfad> nicht gefunden".
void AllgLiBoNameStammClick(ProgrammZustand& p);

// "angeklickte Datei löschen": asks "<Name> wirklich löschen?"; on "Ja" the
// file goes, then the name from both lists and the lines from the view; when
// the main window showed that record, a new calculation starts.
void AllgDateiLoeschen(ProgrammZustand& p);

// A folder field that names no folder is said first ("Es ist kein Ordner für
// die Stammdaten angegeben.", "<Pfad> ist kein Ordner."); a missing folder is
// offered to be made ("Der Ordner <Pfad> existiert nicht.\rSoll er angelegt
// werden?").

// "Stammdatenanzeige aktualisieren": both lists anew from the folder, every
// record in the older form rewritten, then the main window's record shown
// (the view stays empty when it has no file). `ComboStamm`'s text is emptied;
// the loaded record stays.
void AllgAktualisieren(ProgrammZustand& p);

// "Stammdatenpfad speichern": the folder into the settings file, "Der Pfad
// wurde gespeichert"; nothing saved when the folder is not there (or made).
void AllgPfadSpeichern(ProgrammZustand& p);

// The button beside `JVEdiPfad`: a folder chosen from the one shown.
void JVOrdnerWaehlen(ProgrammZustand& p);

}  // namespace lx::optionen
