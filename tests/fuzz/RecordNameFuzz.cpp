// A record name from any bytes, as the folder lists it or as it is typed into
// the main window's list: a safe name is found as the file it names, is listed
// under itself and never leaves the folder; an unsafe one finds nothing.
//
// The files live in a fresh folder below the temporary folder, made once per
// process; each input's file is removed again.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "RecordFiles.h"
#include "TextCodec.h"

using lx::fuzz::fuzzCheck;

namespace {

namespace fs = std::filesystem;

fs::path ordner()
{
    static const fs::path pfad = [] {
        std::string muster = (fs::temp_directory_path() / "lx-fuzz-name-XXXXXX").string();
        std::vector<char> puffer(muster.begin(), muster.end());
        puffer.push_back('\0');
        if (mkdtemp(puffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        static const fs::path weg = puffer.data();
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(weg, ec);
        });
        // Two records every name is looked up beside.
        std::ofstream(weg / "Standard.abr") << "";
        std::ofstream(weg / "anna.ABR") << "";
        return weg;
    }();
    return pfad;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name(lx::fuzz::text(data, size));
    const fs::path dir = ordner();
    const bool sicher = lx::IsSafeRecordName(name);
    const auto gefunden = lx::findRecordFile(dir, name);
    if (!sicher) {
        fuzzCheck(!gefunden, "an unsafe name finds no file");
        return 0;
    }
    if (gefunden) fuzzCheck(gefunden->parent_path() == dir, "a name finds a file of the folder only");
    const fs::path datei = lx::recordFilePath(dir, name);
    fuzzCheck(datei.parent_path() == dir, "a safe name stays in the folder");
    fuzzCheck(lx::recordNameOfFile(datei) == name, "a record's file is listed under its name");

    // Names the file system cannot hold (too long) are not written.
    if (name.size() > 200 || gefunden) return 0;
    std::error_code ec;
    {
        std::ofstream aus(datei, std::ios::binary);
        if (!aus) return 0;
    }
    const auto neu = lx::findRecordFile(dir, name);
    fuzzCheck(neu && *neu == datei, "a written record is found under its name");
    const auto namen = lx::ListFilesByMask(dir);
    fuzzCheck(std::find(namen.begin(), namen.end(), name) != namen.end(), "a written record is listed");
    fs::remove(datei, ec);
    return 0;
}
