// The update notice fetched from the web site, from any bytes.

#include <string>

#include "FuzzTarget.h"
#include "gemeinsam/Version.h"
#include "info/UpdateInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string message = lx::LeseUpdateInfo(lx::fuzz::text(data, size), lx::kVersion);
    lx::fuzz::fuzzCheck(!message.empty(), "every notice gives a message");
    return 0;
}
