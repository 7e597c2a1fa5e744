// A number field's text as leaving the field reads it, from any bytes: the dot
// removal, then the reading as a four-decimal amount. Every line of the input
// is one text.

#include <string>

#include "AmountText.h"
#include "FuzzTarget.h"
#include "LxMath.h"
#include "ValueText.h"

using lx::fuzz::fuzzCheck;

namespace {

void feld(std::string_view text)
{
    const std::string ohne = lx::removeDots(text);
    fuzzCheck(ohne.size() + 4 >= text.size() && ohne.size() <= text.size(), "at most four dots go");
    const auto wert = lx::readFieldAmount(ohne);
    try {
        const lx::Currency gelesen = lx::fieldAmount(ohne);
        fuzzCheck(wert.has_value() && gelesen == *wert, "the field reads what readFieldAmount reads");
    } catch (const lx::ConversionError& e) {
        fuzzCheck(!wert.has_value(), "only a text that is no amount is refused");
        // The message quotes the text; a NUL in it (no field takes one) ends what() early.
        fuzzCheck(ohne.find('\0') != std::string::npos ||
                      std::string(e.what()).find("ist kein gültiger") != std::string::npos,
                  "the refusal says why");
    } catch (const lx::MoneyError&) {
        fuzzCheck(!wert.has_value(), "only a text that is no amount is refused");
    }
    if (!wert) return;
    fuzzCheck(lx::readFieldAmount(lx::formatAmount(*wert, 4, false)) == *wert, "four decimals read back exactly");
    fuzzCheck(lx::readFieldAmount(lx::shortestText(*wert)) == *wert, "the shortest text reads back exactly");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input = lx::fuzz::text(data, size);
    while (true) {
        const std::size_t umbruch = input.find('\n');
        feld(input.substr(0, umbruch));
        if (umbruch == std::string_view::npos) break;
        input.remove_prefix(umbruch + 1);
    }
    return 0;
}
