#include "OptionenStammdaten.h"

#include <algorithm>

#include "RecordFiles.h"
#include "Settings.h"
#include "Stammdaten.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx::optionen {

namespace {

void entferne(std::vector<std::string>& liste, const std::string& name)
{
    liste.erase(std::remove(liste.begin(), liste.end(), name), liste.end());
}

const std::string* gewaehlterName(ProgrammZustand& p)
{
    const auto& z = p.opt[Opt::AllgLiBoNameStamm];
    if (z.selected < 0 || z.selected >= static_cast<int>(z.items.size())) return nullptr;
    return &z.items[static_cast<std::size_t>(z.selected)];
}

void leereAnsicht(ProgrammZustand& p)
{
    p.opt[Opt::AllgLiBoDatenStamm].items.clear();
    p.opt[Opt::AllgLiBoDatenStamm].selected = -1;
}

// The record's lines into the view; false when it has no file.
bool zeigeSatz(ProgrammZustand& p, const std::string& name)
{
    auto datei = findRecordFile(stammOrdner(p), name);
    if (!datei) return false;
    try {
        p.opt[Opt::AllgLiBoDatenStamm].items = IniDocument::load(*datei).lines();
    } catch (const IniError& e) {
        leereAnsicht(p);
        p.dialoge.Fehler(e.what());
    }
    return true;
}

// True when the folder field names a folder, after offering to create a
// missing one; a refusal or failure has been said.
bool ordnerDa(ProgrammZustand& p)
{
    const std::string& text = p.opt.text(Opt::JVEdiPfad);
    if (text.empty()) {
        p.dialoge.Fehler("Es ist kein Ordner für die Stammdaten angegeben.");
        return false;
    }
    const std::filesystem::path ordner = pathFromUtf8(text);
    std::error_code ec;
    if (std::filesystem::is_directory(ordner, ec)) return true;
    if (std::filesystem::exists(ordner, ec)) {
        p.dialoge.Fehler(text + " ist kein Ordner.");
        return false;
    }
    if (!p.dialoge.JaNein("Der Ordner " + text + " existiert nicht.\rSoll er angelegt werden?")) return false;
    std::filesystem::create_directories(ordner, ec);
    if (ec) {
        p.dialoge.Fehler("Der Ordner " + text + " kann nicht angelegt werden (" + fileErrorReason(ec.value()) + ").");
        return false;
    }
    return true;
}

}  // namespace

void GrundstellungStammpfad(ProgrammZustand&) {}

void AllgLiBoNameStammClick(ProgrammZustand& p)
{
    const std::string* name = gewaehlterName(p);
    if (name == nullptr) return;
    leereAnsicht(p);
    if (!zeigeSatz(p, *name)) p.dialoge.Fehler(pathText(recordFilePath(stammOrdner(p), *name)) + " nicht gefunden");
}

void AllgDateiLoeschen(ProgrammZustand& p)
{
    const std::string* gewaehlt = gewaehlterName(p);
    if (gewaehlt == nullptr) return;
    const std::string name = *gewaehlt;
    if (!p.dialoge.JaNein(name + " wirklich löschen?")) return;
    auto datei = findRecordFile(stammOrdner(p), name);
    if (!datei) {
        p.dialoge.Fehler(pathText(recordFilePath(stammOrdner(p), name)) + " nicht gefunden!");
        return;
    }
    try {
        removeRecordFile(*datei);
    } catch (const IniError& e) {
        p.dialoge.Fehler(e.what());
        return;
    }
    entferne(p.opt[Opt::AllgLiBoNameStamm].items, name);
    p.opt[Opt::AllgLiBoNameStamm].selected = -1;
    entferne(p.haupt[Haupt::ComboStamm].items, name);
    leereAnsicht(p);
    if (p.haupt.text(Haupt::ComboStamm) == name) {
        setzeStammText(p, "");
        BtnNeuClick(p);
    }
}

void AllgAktualisieren(ProgrammZustand& p)
{
    // A missing folder lists nothing: said, and offered to be made.
    (void)ordnerDa(p);
    const std::string gemerkt = p.haupt.text(Haupt::ComboStamm);
    const std::filesystem::path ordner = stammOrdner(p);
    setzeStammText(p, "");
    leereAnsicht(p);
    std::vector<std::string> namen = ListFilesByMask(ordner);
    p.haupt[Haupt::ComboStamm].items = namen;
    p.opt[Opt::AllgLiBoNameStamm].items = namen;
    p.opt[Opt::AllgLiBoNameStamm].selected = -1;
    for (const std::string& name : namen) {
        auto datei = findRecordFile(ordner, name);
        if (!datei) continue;
        try {
            migrateRecordFile(*datei);
        } catch (const IniError& e) {
            p.dialoge.Fehler(e.what());
        }
    }
    if (!gemerkt.empty() && zeigeSatz(p, gemerkt)) {
        auto& liste = p.opt[Opt::AllgLiBoNameStamm];
        auto it = std::find(liste.items.begin(), liste.items.end(), gemerkt);
        if (it != liste.items.end()) liste.selected = static_cast<int>(it - liste.items.begin());
    }
}

void AllgPfadSpeichern(ProgrammZustand& p)
{
    if (!ordnerDa(p)) return;
    try {
        writeStammPfad(einstellungsDatei(p), p.opt.text(Opt::JVEdiPfad));
    } catch (const IniError& e) {
        p.dialoge.Fehler(e.what());
        return;
    }
    p.dialoge.Information("Der Pfad wurde gespeichert");
}

void JVOrdnerWaehlen(ProgrammZustand& p)
{
    auto ordner = p.dialoge.OrdnerWaehlen("Pfad für gespeicherte Stammdaten", p.opt.text(Opt::JVEdiPfad));
    if (!ordner) return;
    std::string pfad = *ordner;
    while (pfad.size() > 1 && (pfad.back() == '/' || pfad.back() == '\\')) pfad.pop_back();
    p.opt.text(Opt::JVEdiPfad) = pfad;
}

}  // namespace lx::optionen
