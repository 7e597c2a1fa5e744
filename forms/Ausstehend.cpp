#include "Ausstehend.h"

namespace lx {

void ActMMJJChange(ProgrammZustand&) {}
void LxEdiBGRChange(ProgrammZustand&) {}
void ActSetSVVorTage(ProgrammZustand&) {}
void BtnNeuClick(ProgrammZustand&) {}
void LadeStandard(ProgrammZustand&) {}
void ActBerechnen(ProgrammZustand&) {}
void ActNettoHochrechnung(ProgrammZustand&) {}
void ActSonderberechnung(ProgrammZustand&) {}
void ActBPfaendungsabrechnung(ProgrammZustand&) {}
void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}

namespace erfass {
void ActTZAktualis(ProgrammZustand&) {}
void ActTZAktiv(ProgrammZustand&, bool) {}
void ActTBAktiv(ProgrammZustand&, bool) {}
}  // namespace erfass

namespace optionen {
void ActTeilmonatGrund(ProgrammZustand&) {}
void GrundstellungSeite6(ProgrammZustand&) {}
void GrundstellungSeite7(ProgrammZustand&) {}
void GrundstellungSeite9(ProgrammZustand&) {}
void GrundstellungSeite10(ProgrammZustand&) {}
void GrundstellungSeite11(ProgrammZustand&) {}
}  // namespace optionen

}  // namespace lx
