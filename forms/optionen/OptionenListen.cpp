#include "OptionenListen.h"

#include "TeilmonatTeilzeit.h"
#include "erfassung/Erfassung.h"
#include "stammdaten/Stammdaten.h"

namespace lx::optionen {

namespace {

Zeile* ausgewaehlt(ProgrammZustand& p, Opt liste)
{
    auto& z = p.opt[liste];
    if (z.selected < 0 || z.selected >= static_cast<int>(z.rows.size())) return nullptr;
    return &z.rows[static_cast<std::size_t>(z.selected)];
}

}  // namespace

void GrundstellungAltersteilzeit(ProgrammZustand& p)
{
    p.opt[Opt::ATZComboJaNein].colour = Farbe::Red;
}

void GrundstellungPfaendung(ProgrammZustand& p)
{
    p.opt[Opt::PfdComboJaNein].tag = 0;
}

void ATZAnzeigen(ProgrammZustand& p)
{
    auto& liste = p.opt[Opt::ATZComboJaNein];
    const bool ja = liste.text == "ja";
    p.haupt.panel(kPanelATZ) = ja ? "ATZ" : "";
    liste.colour = ja ? Farbe::Green : Farbe::Red;
}

void ATZComboJaNeinChange(ProgrammZustand& p)
{
    ATZAnzeigen(p);
    if (p.opt.text(Opt::ATZComboJaNein) != "ja" || p.opt.text(Opt::TZComboJaNein) == "ja") return;
    erfass::ActTZAktiv(p, true);
    p.dialoge.OptionenZeigen(10, "TZVEdiWoStd");
    p.dialoge.Information("Bitte erst Teilzeit-\rsteuerung aktualisieren");
}

void ATZAufstocken(ProgrammZustand& p, bool aufstocken)
{
    Zeile* zeile = ausgewaehlt(p, Opt::ATZLView);
    if (zeile == nullptr) return;
    if (zeile->cells.size() < 2) zeile->cells.resize(2);
    zeile->cells[1] = aufstocken ? "ja" : "nein";
    zeichneATZZeile(*zeile);
    erfass::ActATZAktualis(p);
}

void ATZBtnAktualisClick(ProgrammZustand& p)
{
    if (!p.opt[Opt::ATZLView].rows.empty()) erfass::ActATZAktualis(p);
}

bool PfdMarkeMoeglich(const ProgrammZustand& p, std::size_t eintrag)
{
    const auto& z = p.opt[Opt::PfdLView];
    if (eintrag >= kPfdMarken.size() || z.selected < 0 || z.selected >= static_cast<int>(z.rows.size())) return false;
    return z.rows[static_cast<std::size_t>(z.selected)].image != kAbzug || eintrag >= 4;
}

void PfdMarkeSetzen(ProgrammZustand& p, std::size_t eintrag)
{
    if (!PfdMarkeMoeglich(p, eintrag)) return;
    Zeile& zeile = *ausgewaehlt(p, Opt::PfdLView);
    if (zeile.cells.size() < 3) zeile.cells.resize(3);
    zeile.cells[2] = kPfdMarken[eintrag].mark;
}

}  // namespace lx::optionen
