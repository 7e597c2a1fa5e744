// A master-data record from any bytes, chosen in the main window's list and
// followed by a calculation, as a user would load a record they were sent. A
// record that loads also saves and loads again to the same values.
//
// The record is a file of a fresh folder below the temporary folder, made once
// per process.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "ProgrammZustand.h"
#include "berechnung/Berechnungslauf.h"
#include "hauptfenster/Programmstart.h"
#include "stammdaten/Stammdaten.h"

namespace {

namespace fs = std::filesystem;

// Answers as a user who cancels every question; saving goes to one file.
class StilleDialoge : public lx::Dialoge {
public:
    std::optional<std::string> speichernUnter;
    int fehler = 0;

    void Information(std::string_view) override {}
    void Warnung(std::string_view) override {}
    void Fehler(std::string_view) override { ++fehler; }
    bool JaNein(std::string_view) override { return false; }
    std::optional<std::string> DateiOeffnen(const lx::DateiAuswahl&) override { return std::nullopt; }
    std::optional<std::string> DateiSpeichern(const lx::DateiAuswahl&) override { return speichernUnter; }
    std::optional<std::string> OrdnerWaehlen(std::string_view, std::string_view) override { return std::nullopt; }
    void Zeigen(lx::Fenster) override {}
    void Verbergen(lx::Fenster) override {}
    void OptionenZeigen(int, std::string_view) override {}
    void Fokus(lx::Fenster, std::string_view) override {}
    void Hilfe(int) override {}
};

class Juli2024 : public lx::Uhr {
public:
    lx::Datum heute() const override { return {2024, 7, 15}; }
};

fs::path ordner()
{
    static const fs::path pfad = [] {
        std::string muster = (fs::temp_directory_path() / "lx-fuzz-stamm-XXXXXX").string();
        std::vector<char> puffer(muster.begin(), muster.end());
        puffer.push_back('\0');
        if (mkdtemp(puffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        fs::path p = puffer.data();
        static const fs::path weg = p;
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(weg, ec);
        });
        return p;
    }();
    return pfad;
}

struct Programm {
    StilleDialoge dialoge;
    Juli2024 uhr;
    lx::ProgrammZustand p{dialoge, uhr};

    Programm()
    {
        p.programmOrdner = ordner().string();
        lx::FormCreate(p);
        lx::FormShow(p);
    }
    // True when the record loaded.
    bool laden(const std::string& name)
    {
        const int vorher = dialoge.fehler;
        p.haupt.text(lx::Haupt::ComboStamm) = name;
        lx::ComboStammChange(p);
        return dialoge.fehler == vorher;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fs::path datei = ordner() / "Fuzz.abr";
    const fs::path kopie = ordner() / "Kopie.abr";
    {
        std::ofstream out(datei, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::error_code ec;
    fs::remove(kopie, ec);

    Programm erstes;
    try {
        if (!erstes.laden("Fuzz")) return 0;

        erstes.dialoge.speichernUnter = kopie.string();
        const int vorher = erstes.dialoge.fehler;
        lx::ActStammSaveExecute(erstes.p);
        if (erstes.dialoge.fehler == vorher) {
            Programm zweites;
            lx::fuzz::fuzzCheck(zweites.laden("Kopie"), "a saved record loads");
            const lx::Record a = lx::stammSatz(erstes.p);
            const lx::Record b = lx::stammSatz(zweites.p);
            lx::fuzz::fuzzCheck(a.values == b.values, "a saved record loads with its values");
            lx::fuzz::fuzzCheck(a.items == b.items, "a saved record loads with its pay items");
            lx::fuzz::fuzzCheck(a.pfdRows == b.pfdRows, "a saved record loads with its garnishment rows");
        }

        // As the user would go on: a gross when the record has no pay items, ENTER.
        if (erstes.p.erfass.zeilen.empty()) erstes.p.haupt.text(lx::Haupt::LEdiBrutto) = "2.500,00";
        lx::ActBerechnen(erstes.p);
    } catch (const std::exception&) {
        // Shown in the error box by the window's guard; the program goes on.
    }
    return 0;
}
