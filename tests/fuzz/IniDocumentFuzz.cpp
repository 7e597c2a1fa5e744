// INI documents from any bytes: the file's bytes come back unchanged, a key
// that was written reads back, in the document and after reading its bytes
// again, and a change of encoding keeps every line.

#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "IniDocument.h"

using lx::IniDocument;
using lx::IniError;
using lx::fuzz::fuzzCheck;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = lx::fuzz::text(data, size);
    IniDocument doc;
    try {
        doc = IniDocument::fromBytes(input);
    } catch (const IniError&) {
        return 0;
    }
    fuzzCheck(doc.bytes() == input, "bytes() gives the file back");
    (void)doc.value("HauptForm", "Steuerklasse");
    (void)doc.read("Beträge", "Anzahl", "0");
    (void)doc.hasSection("StammPfad");

    // The first three lines' texts as section, key and value of a write.
    const std::vector<std::string> lines = doc.lines();
    const std::string section = !lines.empty() ? lines[0] : "S";
    const std::string key = lines.size() > 1 ? lines[1] : "K";
    const std::string value = lines.size() > 2 ? lines[2] : "";
    IniDocument written = doc;
    bool accepted = true;
    try {
        written.write(section, key, value);
    } catch (const IniError&) {
        accepted = false;
        fuzzCheck(written.bytes() == doc.bytes(), "a refused write changes nothing");
    }
    if (accepted) {
        fuzzCheck(written.value(section, key) == value, "a written value reads back");
        const IniDocument again = IniDocument::fromBytes(written.bytes());
        // Windows-1252 bytes that all form UTF-8 read as UTF-8 (a record's "[Beträge]" never does).
        const bool gleich = again.encoding() == written.encoding();
        fuzzCheck(!gleich || again.value(section, key) == value, "a written value reads back from the bytes");
        fuzzCheck(again.bytes() == written.bytes(), "written bytes read back unchanged");
    }

    IniDocument other = doc;
    const auto target = doc.encoding() == IniDocument::Encoding::Cp1252 ? IniDocument::Encoding::Utf8Bom
                                                                        : IniDocument::Encoding::Cp1252;
    try {
        other.setEncoding(target);
        fuzzCheck(other.lines() == doc.lines(), "a change of encoding keeps the lines");
    } catch (const IniError&) {
        fuzzCheck(other.bytes() == doc.bytes(), "a refused change of encoding changes nothing");
    }

    try {
        IniDocument replaced = doc;
        if (replaced.replaceLines(section, value)) {
            fuzzCheck(replaced.lines().size() == lines.size(), "replaced lines keep their number");
        }
    } catch (const IniError&) {
    }
    return 0;
}
