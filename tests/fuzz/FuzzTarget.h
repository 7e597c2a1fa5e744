#pragma once
// The entry point every fuzz target defines. libFuzzer calls it with
// generated inputs; the replay program (ReplayMain.cpp) calls it once per
// stored input, so a build without libFuzzer runs the same code.
//
// A target returns normally for any input the program handles, a refusal by
// exception included. A crash, a sanitizer report or a failed check
// (fuzzCheck) is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace lx::fuzz {

inline std::string_view text(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Stops with a message when a property that must hold for every input fails.
inline void fuzzCheck(bool ok, const char* what)
{
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace lx::fuzz
