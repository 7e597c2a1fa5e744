#include "Seitenbausteine.h"

#include <utility>

namespace lx::seiten {

Steuerelement liste(std::string_view name, std::string_view label, std::vector<std::string> items)
{
    std::string erstes = items.front();
    return {.name = name,
            .kind = SteuerArt::Combo,
            .label = label,
            .items = std::move(items),
            .preset = erstes,
            .reset = erstes};
}

Steuerelement betrag(std::string_view name, std::string_view label, std::string_view hint)
{
    return {
        .name = name, .kind = SteuerArt::ValueLabEdit, .label = label, .hint = hint, .preset = "0,00", .reset = "0,00"};
}

Steuerelement aktualisieren(std::string_view name, int hilfe)
{
    return {
        .name = name, .kind = SteuerArt::Button, .label = "Aktualisieren", .preset = "Aktualisieren", .help = hilfe};
}

Steuerelement inErfassungUebernehmen(std::string_view name, int hilfe)
{
    return {.name = name,
            .kind = SteuerArt::Button,
            .label = "In Erfassungsmaske übernehmen",
            .hint = "Ändert auch Steuer- und SV-Tage",
            .preset = "In Erfassungsmaske übernehmen",
            .help = hilfe};
}

}  // namespace lx::seiten
