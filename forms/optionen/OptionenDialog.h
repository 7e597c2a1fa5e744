#pragma once
// The options dialog's handlers over the program state: its reset, the month
// and year lists, the supplementary-scheme presets, deferred compensation and
// its legal basis, the pension-payment mode, the children list, multiple
// employment and the buttons.

#include "OptionenZustand.h"

namespace lx {

struct ProgrammZustand;

namespace optionen {

// The dialog's create handler: the entry-dialog button's two-line caption.
void FormCreate(ProgrammZustand& p);

// "Grundstellung": the table's reset, each page's own share, the main window's
// panels and mirrors of this dialog, last the partial-month page.
void ActGrundstellung(ProgrammZustand& p);

// The month or year list changed: both into the main window's lists, its
// year and month change, the partial-month page; the scheme presets only when
// the year is not the one the working engine held before.
void ComboMonatJahrChange(ProgrammZustand& p);

// The scheme list changed: its text into the main window's, then the presets.
void ZVComboArtChange(ProgrammZustand& p);
// The scheme's presets by this dialog's year (they overwrite typed rates).
void ActZVAktualis(ProgrammZustand& p);
// The tax-exemption list of the year's scheme levies, its first entry chosen.
void ZVSteuerfreiheitListe(ProgrammZustand& p, int jahr);

// A list or the flat-tax limit of page 3 changed (`liste` names which); a
// change of the kind first presets the other three.
void AVChange(ProgrammZustand& p, Opt liste);
// The two legal-basis lines of page 3.
void ActAVGrundlage(ProgrammZustand& p);

// The pension-payment mode into the main window's marker (and the code "1001").
void SVComboVBChange(ProgrammZustand& p);
// The care rate for the number of children shown.
void SVComboPVKiChange(ProgrammZustand& p);
// "MfB" in the main window's status panel 5 for "ja".
void MfBComboJaNeinChange(ProgrammZustand& p);

// Page 5's "Werte aus Erfassungsmaske einsetzen".
void VBBtnErfassungClick(ProgrammZustand& p);

void BtnSchliessenClick(ProgrammZustand& p);
void BtnErfassungClick(ProgrammZustand& p);
void BtnHilfeClick(ProgrammZustand& p);

}  // namespace optionen
}  // namespace lx
