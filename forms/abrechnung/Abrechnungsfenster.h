#pragma once
// The payslip window's handlers and the main window's two actions on the text
// it shows: printing (ActDrucken) and saving (ActAbrSave). Printing and saving
// take the lines of the view shown from the state, never from a widget.

#include <string>
#include <vector>

#include "AbrAnsicht.h"
#include "Druckerliste.h"

namespace lx {

struct ProgrammZustand;
struct AbrZustand;

// The window's texts and the view its buttons' tags mark, and back.
AbrTexte AbrTexteLesen(const AbrZustand& abr);
void AbrTexteSchreiben(AbrZustand& abr, const AbrTexte& t);

// The three view buttons.
void BtnAbrClick(ProgrammZustand& p);
void BtnPfdClick(ProgrammZustand& p);
void BtnATZClick(ProgrammZustand& p);

// A newly built payslip: shown in the payslip view, the held payslip cleared.
void AbrechnungZeigen(ProgrammZustand& p, std::vector<std::string> zeilen);

// No payslip: the payslip view back to the window's title line, the reports
// emptied and their view buttons hidden (a calculation that stopped).
void AbrechnungLeeren(ProgrammZustand& p);

// The payslip window's part of a new payslip (BtnNeuClick) and of loading a
// record: the view buttons hidden, the print name emptied.
void AbrGrundstellung(ProgrammZustand& p);

// Fills the printer list when the window is created.
void DruckerListeFuellen(ProgrammZustand& p, const DruckerKatalog& katalog);

// The lines of the view shown.
std::vector<std::string> AbrGezeigteZeilen(const ProgrammZustand& p);

// Prints the view shown on the printer chosen in the list, or into a PDF file
// asked for when "PDF-Datei" is chosen. Five lines or fewer print nothing.
void ActDrucken(ProgrammZustand& p);

// Asks for a file and saves the view shown as a text file.
void ActAbrSave(ProgrammZustand& p);

// The window's open, close and help buttons.
void AbrOeffnenClick(ProgrammZustand& p);
void AbrSchliessenClick(ProgrammZustand& p);
void AbrHilfeClick(ProgrammZustand& p);

}  // namespace lx
