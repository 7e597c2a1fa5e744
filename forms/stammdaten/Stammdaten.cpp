#include "Stammdaten.h"

#include <algorithm>
#include <optional>

#include "AmountText.h"
#include "DatumUnit.h"
#include "LxMath.h"
#include "RecordFiles.h"
#include "RecordKeys.h"
#include "Settings.h"
#include "erfassung/Erfassung.h"
#include "hauptfenster/Hauptfenster.h"
#include "hauptfenster/NeueAbrechnung.h"
#include "optionen/OptionenListen.h"

namespace lx {

namespace {

constexpr std::string_view kStandard = "Standard";

template <class Id>
StammFeld suche(FensterZustand<Id>& fenster, std::string_view name)
{
    for (const Eintrag<Id>& e : fenster.tabelle()) {
        if (e.e.name == name) return {&fenster[e.id], &e.e};
    }
    return {};
}

int hauptMonat(const ProgrammZustand& p)
{
    return MonatNr(p.haupt.text(Haupt::ComboMonat));
}
int hauptJahr(const ProgrammZustand& p)
{
    return StrToInt(p.haupt.text(Haupt::ComboJahr));
}

std::vector<Lohnart> lohnarten(const std::vector<RecordRow>& rows, const std::filesystem::path& datei)
{
    std::vector<Lohnart> out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RecordRow& r = rows[i];
        auto betrag = r.columns.empty() ? std::nullopt : BetragAusTextOderNichts(r.columns[0]);
        if (!betrag) throw malformedRecord(datei, "Betrag" + std::to_string(i));
        Lohnart l{.name = r.name, .betrag = *betrag, .typ = r.image};
        for (std::size_t f = 0; f < kFlagAnzahl; ++f) l.flags[f] = f + 1 < r.columns.size() && r.columns[f + 1] == "x";
        if (r.columns.size() > kFlagAnzahl + 1) l.tz = r.columns[kFlagAnzahl + 1];
        if (r.columns.size() > kFlagAnzahl + 2) l.ta = r.columns[kFlagAnzahl + 2];
        out.push_back(std::move(l));
    }
    return out;
}

// Every stored text must be one its control can hold, else the record is
// refused before anything is reset: a birth year of 2147483647 or an
// allowance of 800.000.000.000,00 would reach the calculation.
void passtInFelder(ProgrammZustand& p, const Record& satz, const std::filesystem::path& datei)
{
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const StammFeld f = stammFeld(p, keys[i].control);
        if (f.element == nullptr || keys[i].kind == RecordValueKind::CheckBox) continue;
        if (!passtInSteuerelement(*f.element, satz.values[i])) throw malformedRecord(datei, keys[i].key);
    }
}

// The field as the user knows it: its caption without the colon, else the key.
std::string feldName(const Steuerelement& e, std::string_view schluessel)
{
    std::string_view name = e.label;
    while (!name.empty() && (name.back() == ':' || name.back() == ' ')) name.remove_suffix(1);
    return std::string(name.empty() ? schluessel : name);
}

// What the load would refuse is not saved: the field and its text, or nullopt.
std::optional<std::string> nichtLadbar(ProgrammZustand& p, const Record& satz)
{
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const StammFeld f = stammFeld(p, keys[i].control);
        if (f.element == nullptr || keys[i].kind == RecordValueKind::CheckBox) continue;
        if (passtInSteuerelement(*f.element, satz.values[i])) continue;
        return "Die Stammdaten wurden nicht gespeichert: \"" + satz.values[i] + "\" ist kein gültiger Wert für \"" +
               feldName(*f.element, keys[i].key) + "\".";
    }
    return std::nullopt;
}

std::vector<Zeile> zeilen(const std::vector<RecordRow>& rows)
{
    std::vector<Zeile> out;
    for (const RecordRow& r : rows) {
        Zeile z{.cells = {r.name}, .image = r.image};
        z.cells.insert(z.cells.end(), r.columns.begin(), r.columns.end());
        out.push_back(std::move(z));
    }
    return out;
}

std::vector<RecordRow> satzZeilen(const std::vector<Zeile>& rows)
{
    std::vector<RecordRow> out;
    for (const Zeile& z : rows) {
        RecordRow r;
        r.image = z.image;
        if (!z.cells.empty()) {
            r.name = z.cells.front();
            r.columns.assign(z.cells.begin() + 1, z.cells.end());
        }
        out.push_back(std::move(r));
    }
    return out;
}

// The part-time, partial-month and index lists mirrored from the pay items as
// with part time off, whatever the record says about part time. Run before
// the stored fields are set: the mirroring computes the top-up from the reset
// percentage, and the stored one is read once, last.
void spiegeln(ProgrammZustand& p)
{
    std::string& teilzeit = p.opt.text(Opt::TZComboJaNein);
    const std::string vorher = teilzeit;
    teilzeit = "nein";
    erfass::ActTZUebernehmen(p);
    teilzeit = vorher;
}

void waehleName(ProgrammZustand& p, std::string_view name)
{
    auto& liste = p.opt[Opt::AllgLiBoNameStamm];
    auto it = std::find(liste.items.begin(), liste.items.end(), name);
    liste.selected = it == liste.items.end() ? -1 : static_cast<int>(it - liste.items.begin());
}

void zeigeZeilen(ProgrammZustand& p, std::vector<std::string> zeilen)
{
    p.opt[Opt::AllgLiBoDatenStamm].items = std::move(zeilen);
    p.opt[Opt::AllgLiBoDatenStamm].selected = -1;
}

bool gleicherOrdner(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code ec1;
    std::error_code ec2;
    auto ka = std::filesystem::weakly_canonical(a, ec1);
    auto kb = std::filesystem::weakly_canonical(b, ec2);
    if (ec1 || ec2) return a.lexically_normal() == b.lexically_normal();
    return ka == kb;
}

// Loads the named record of the folder: "<Name>.abr nicht gefunden!" when
// there is none; the lines shown and the name selected after a load.
bool ladeName(ProgrammZustand& p, const std::string& name, bool grundstellung)
{
    auto datei = findRecordFile(stammOrdner(p), name);
    if (!datei) {
        p.dialoge.Fehler(name + ".abr nicht gefunden!");
        return false;
    }
    if (!LoadStammdaten(p, *datei, grundstellung)) {
        // The windows still hold the record loaded before.
        setzeStammText(p, p.haupt.stammGeladen);
        return false;
    }
    p.haupt.stammGeladen = name;
    waehleName(p, name);
    return true;
}

}  // namespace

StammFeld stammFeld(ProgrammZustand& p, std::string_view name)
{
    for (StammFeld f : {suche(p.haupt, name), suche(p.opt, name), suche(p.erfass, name), suche(p.abr, name)}) {
        if (f.zustand != nullptr) return f;
    }
    return {};
}

std::vector<std::string_view> stammFelderOhneFenster(ProgrammZustand& p)
{
    std::vector<std::string_view> fehlend;
    for (const RecordKey& k : recordKeys()) {
        if (stammFeld(p, k.control).zustand == nullptr) fehlend.push_back(k.control);
    }
    return fehlend;
}

std::filesystem::path stammOrdner(const ProgrammZustand& p)
{
    return pathFromUtf8(p.opt.text(Opt::JVEdiPfad));
}

std::filesystem::path einstellungsDatei(const ProgrammZustand& p)
{
    if (!p.einstellungsDatei.empty()) return pathFromUtf8(p.einstellungsDatei);
    return pathFromUtf8(p.programmOrdner) / std::string(kSettingsFileName);
}

Record stammSatz(ProgrammZustand& p)
{
    Record satz = Record::defaults(hauptMonat(p), hauptJahr(p));
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        StammFeld f = stammFeld(p, keys[i].control);
        if (f.zustand == nullptr) continue;
        satz.values[i] = keys[i].kind == RecordValueKind::CheckBox ? checkedText(f.zustand->checked) : f.zustand->text;
    }
    const auto& lohnarten = p.erfass.zeilen;
    const bool mitTA = std::any_of(lohnarten.begin(), lohnarten.end(), [](const Lohnart& l) { return !l.ta.empty(); });
    const bool mitTZ =
        mitTA || std::any_of(lohnarten.begin(), lohnarten.end(), [](const Lohnart& l) { return !l.tz.empty(); });
    for (const Lohnart& l : lohnarten) {
        RecordRow r{.name = l.name, .columns = {formatAmount(l.betrag)}, .image = l.typ};
        for (bool f : l.flags) r.columns.emplace_back(flagText(f));
        if (mitTZ) r.columns.push_back(l.tz);
        if (mitTA) r.columns.push_back(l.ta);
        satz.items.push_back(std::move(r));
    }
    satz.atzRows = satzZeilen(p.opt[Opt::ATZLView].rows);
    satz.pfdRows = satzZeilen(p.opt[Opt::PfdLView].rows);
    return satz;
}

void zeichneATZZeile(Zeile& zeile)
{
    const bool nein = zeile.cells.size() > 1 && zeile.cells[1] == "nein";
    zeile.colour = nein ? Farbe::Red : Farbe::Standard;
    zeile.strikeOut = nein;
}

bool LoadStammdaten(ProgrammZustand& p, const std::filesystem::path& datei, bool grundstellung)
{
    LoadedRecord geladen;
    std::vector<Lohnart> lohnartZeilen;
    try {
        geladen = loadRecordFile(datei, hauptMonat(p), hauptJahr(p),
                                 [&p, &datei](const Record& satz) { passtInFelder(p, satz, datei); });
        lohnartZeilen = lohnarten(geladen.record.items, datei);
    } catch (const IniError& e) {
        p.dialoge.Fehler(e.what());
        return false;
    }
    if (grundstellung) ActNeuGrund(p);
    // The mirrored lists empty, also for a record without pay items.
    erfass::ActDelLViews(p);
    p.erfass.zeilen = std::move(lohnartZeilen);
    spiegeln(p);

    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        StammFeld f = stammFeld(p, keys[i].control);
        if (f.zustand == nullptr) continue;
        const std::string& wert = geladen.record.values[i];
        if (keys[i].kind == RecordValueKind::CheckBox) {
            f.zustand->checked = isCheckedText(wert);
        } else {
            f.zustand->text = wert;
        }
        // Its change handler sets the health rate that the stored one then replaces.
        if (keys[i].control == "LxEdiBGR") LxEdiBGRChange(p);
    }

    // Set as text, the switch shows its state without running its handler.
    optionen::ATZAnzeigen(p);

    // The garnishment and partial-retirement rows as the record gives them.
    auto& atz = p.opt[Opt::ATZLView];
    atz.rows = zeilen(geladen.record.atzRows);
    for (Zeile& z : atz.rows) zeichneATZZeile(z);
    atz.selected = -1;
    p.opt[Opt::PfdLView].rows = zeilen(geladen.record.pfdRows);
    p.opt[Opt::PfdLView].selected = -1;
    erfass::ActBrutti(p);
    zeigeZeilen(p, std::move(geladen.lines));
    if (!geladen.updateError.empty()) p.dialoge.Fehler(geladen.updateError + "\r" + geladen.updateReason);
    // Last, as it reads the partial-retirement rows' amounts as numbers: a
    // text that is none leaves the figures and is reported; everything else
    // is loaded.
    try {
        erfass::ActATZAktualis(p);
    } catch (const ConversionError& e) {
        p.dialoge.Fehler(e.what());
    }
    return true;
}

void ActStammSaveExecute(ProgrammZustand& p)
{
    // Asked before the file: the user corrects the field first.
    const Record satz = stammSatz(p);
    if (auto fehler = nichtLadbar(p, satz)) {
        p.dialoge.Fehler(*fehler);
        return;
    }
    const std::filesystem::path ordner = stammOrdner(p);
    const std::string& jetzt = p.haupt.text(Haupt::ComboStamm);
    DateiAuswahl auswahl{.titel = "Stammdaten speichern",
                         .ordner = pathText(ordner),
                         .dateiname = IsSafeRecordName(jetzt) ? jetzt + std::string(kRecordExtension) : std::string(),
                         .filter = "Stammdaten|*.abr|Alle Dateien|*.*",
                         .endung = "abr"};
    // The payslip's save question starts where this one was last.
    p.speicherOrdner = auswahl.ordner;
    auto gewaehlt = p.dialoge.DateiSpeichern(auswahl);
    if (!gewaehlt) return;
    const std::filesystem::path datei = pathFromUtf8(*gewaehlt);
    p.speicherOrdner = pathText(datei.parent_path());
    std::vector<std::string> zeilen;
    try {
        zeilen = saveRecordFile(datei, satz);
    } catch (const IniError& e) {
        p.dialoge.Fehler(e.what());
        return;
    }
    // Listed only what the folder's listing would show.
    auto name = recordNameOfFile(datei);
    if (name && gleicherOrdner(datei.parent_path(), ordner)) {
        auto& namen = p.haupt[Haupt::ComboStamm].items;
        if (std::find(namen.begin(), namen.end(), *name) == namen.end() && namen.size() < kMaxRecordNames) {
            namen.push_back(*name);
            p.opt[Opt::AllgLiBoNameStamm].items.push_back(*name);
        }
        setzeStammText(p, *name);
        p.haupt.stammGeladen = *name;
    }
    zeigeZeilen(p, std::move(zeilen));
    if (name) waehleName(p, *name);
}

void ComboStammChange(ProgrammZustand& p)
{
    const std::string name = p.haupt.text(Haupt::ComboStamm);
    p.haupt.stammBehandelt = name;
    ladeName(p, name, true);
}

void ComboStammEingabe(ProgrammZustand& p)
{
    if (p.haupt.text(Haupt::ComboStamm) == p.haupt.stammBehandelt) return;
    ComboStammChange(p);
}

void setzeStammText(ProgrammZustand& p, std::string text)
{
    p.haupt.stammBehandelt = text;
    p.haupt.text(Haupt::ComboStamm) = std::move(text);
}

void LadeStandard(ProgrammZustand& p)
{
    if (!findRecordFile(stammOrdner(p), kStandard)) {
        setzeStammText(p, "");
        p.haupt.stammGeladen.clear();
        return;
    }
    setzeStammText(p, std::string(kStandard));
    ladeName(p, std::string(kStandard), false);
}

void StammPfadLesen(ProgrammZustand& p)
{
    const std::string vorgabe = p.stammOrdnerVorgabe.empty() ? p.programmOrdner : p.stammOrdnerVorgabe;
    p.opt.text(Opt::JVEdiPfad) = stammPfadOr(einstellungsDatei(p), vorgabe);
}

void StammdatenAuflisten(ProgrammZustand& p)
{
    p.haupt[Haupt::ComboStamm].items = ListFilesByMask(stammOrdner(p));
}

void StammlistenKopieren(ProgrammZustand& p)
{
    if (StammFeld monat = suche(p.opt, "ComboMonat"); monat.zustand != nullptr) {
        monat.zustand->text = p.haupt.text(Haupt::ComboMonat);
    }
    p.opt[Opt::AllgLiBoNameStamm].items = p.haupt[Haupt::ComboStamm].items;
    p.opt[Opt::AllgLiBoNameStamm].selected = -1;
}

void StandardLaden(ProgrammZustand& p)
{
    if (!findRecordFile(stammOrdner(p), kStandard)) return;
    setzeStammText(p, std::string(kStandard));
    ladeName(p, std::string(kStandard), false);
}

}  // namespace lx
