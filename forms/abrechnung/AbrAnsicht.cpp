#include "AbrAnsicht.h"

namespace lx {

void AnsichtZeigen(AbrTexte& t, AbrAnsicht ziel)
{
    if (ziel == t.ansicht) return;
    if (t.ansicht == AbrAnsicht::Abrechnung) t.printAbr = t.memo;
    switch (ziel) {
        case AbrAnsicht::Abrechnung:
            t.memo = t.printAbr;
            break;
        case AbrAnsicht::Pfaendung:
            t.memo = t.pfd;
            break;
        case AbrAnsicht::Altersteilzeit:
            t.memo = t.atz;
            break;
    }
    t.ansicht = ziel;
}

void AbrechnungZeigen(AbrTexte& t, std::vector<std::string> zeilen)
{
    t.memo = std::move(zeilen);
    t.printAbr.clear();
    t.ansicht = AbrAnsicht::Abrechnung;
}

int AnsichtTag(const AbrTexte& t, AbrAnsicht knopf)
{
    return t.ansicht == knopf ? 1 : 0;
}

std::vector<std::string> MemoZeilen(std::string_view text)
{
    std::vector<std::string> zeilen;
    if (text.empty()) return zeilen;
    std::size_t start = 0;
    for (;;) {
        std::size_t stop = text.find('\n', start);
        if (stop == std::string_view::npos) {
            zeilen.emplace_back(text.substr(start));
            return zeilen;
        }
        zeilen.emplace_back(text.substr(start, stop - start));
        start = stop + 1;
    }
}

std::string MemoText(const std::vector<std::string>& zeilen)
{
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i) text += '\n';
        text += zeilen[i];
    }
    return text;
}

}  // namespace lx
