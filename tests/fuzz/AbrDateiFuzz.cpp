// A payslip text file opened into the payslip window, from any bytes: its
// lines, saved and opened again, are the same lines.

#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "abrechnung/AbrDatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = lx::fuzz::text(data, size);
    const std::vector<std::string> zeilen = lx::AbrTextZeilen(input);
    const std::string bytes = lx::AbrTextBytes(zeilen);
    lx::fuzz::fuzzCheck(lx::AbrTextZeilen(bytes) == zeilen, "saved lines open as they were");
    // The input taken as the window's own text (UTF-8, maybe invalid).
    (void)lx::AbrTextBytes({std::string(input)});
    return 0;
}
