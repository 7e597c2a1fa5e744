#pragma once
// The payslip window's three views: the payslip, the garnishment report and the
// partial-retirement report. The text shown is held apart from the reports'
// own lines, so any sequence of view changes shows the three texts unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace lx {

enum class AbrAnsicht { Abrechnung, Pfaendung, Altersteilzeit };

struct AbrTexte {
    std::vector<std::string> memo;      // MemoAbr: the text shown
    std::vector<std::string> printAbr;  // LiBoPrintAbr: the payslip view's text while a report is shown
    std::vector<std::string> pfd;       // LiBoPfd
    std::vector<std::string> atz;       // LiBoATZ
    AbrAnsicht ansicht = AbrAnsicht::Abrechnung;
};

// Shows a view. Leaving the payslip view keeps its text (a payslip or an
// opened file) in printAbr; the view already shown changes nothing.
void AnsichtZeigen(AbrTexte& t, AbrAnsicht ziel);

// A newly built payslip: shown in the payslip view, printAbr cleared.
void AbrechnungZeigen(AbrTexte& t, std::vector<std::string> zeilen);

// The tag of a view's button: 1 for the view shown, else 0.
int AnsichtTag(const AbrTexte& t, AbrAnsicht knopf);

// A memo's text and its lines: lines are joined and split at "\n"; an empty
// text has no lines.
std::vector<std::string> MemoZeilen(std::string_view text);
std::string MemoText(const std::vector<std::string>& zeilen);

}  // namespace lx
