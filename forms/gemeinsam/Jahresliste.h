#pragma once
// The year and month lists that the main window and the options dialog both
// show: the newest year first, down to the first listed year; the months by name.

#include <string>
#include <vector>

namespace lx {

std::vector<std::string> JahreDerListe();
const std::vector<std::string>& MonateDerListe();

}  // namespace lx
