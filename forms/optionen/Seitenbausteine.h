#pragma once
// The shapes of control that the options pages' tables share.

#include <string>
#include <string_view>
#include <vector>

#include "gemeinsam/Steuerelement.h"

namespace lx::seiten {

// A drop-down list whose first item is its start and reset text.
Steuerelement liste(std::string_view name, std::string_view label, std::vector<std::string> items);
// An amount field that starts and resets to "0,00".
Steuerelement betrag(std::string_view name, std::string_view label, std::string_view hint = {});
// The part-time and partial-month pages' buttons: the list again from the
// entry dialog's rows, and its amounts back into them.
Steuerelement aktualisieren(std::string_view name, int hilfe);
Steuerelement inErfassungUebernehmen(std::string_view name, int hilfe);

}  // namespace lx::seiten
