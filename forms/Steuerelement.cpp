#include "Steuerelement.h"

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

}  // namespace lx
