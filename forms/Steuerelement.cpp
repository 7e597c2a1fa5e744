#include "Steuerelement.h"

#include "AmountText.h"
#include "LxMath.h"

namespace lx {

SteuerZustand vorgabeZustand(const Steuerelement& e)
{
    SteuerZustand z;
    z.text = e.preset;
    z.items = e.items;
    z.columns = e.columns;
    z.enabled = e.enabled;
    z.visible = e.visible;
    z.checked = e.checked;
    z.tag = e.tag;
    z.colour = e.colour;
    z.min = e.min;
    z.max = e.max;
    if (e.kind == SteuerArt::PageControl) z.selected = 0;
    return z;
}

void grundstellung(SteuerZustand& z, const Steuerelement& e)
{
    if (e.reset) z.text = *e.reset;
    if (e.resetEnabled) z.enabled = *e.resetEnabled;
    if (e.resetChecked) z.checked = *e.resetChecked;
}

void BereichAnwenden(SteuerZustand& z, const Steuerelement& e)
{
    if (e.decimals <= 0 || z.text.empty()) return;
    const std::optional<Currency> wert = parseAmount(OhnePunkte(z.text));
    if (!wert) return;
    Currency v = *wert;
    if (v > z.max) v = z.max;
    if (v < z.min) v = z.min;
    z.text = formatAmount(v, e.decimals);
}

}  // namespace lx
