#pragma once
// A master-data record as a plain value: the text of every stored control (in
// the order of recordKeys()) and the three row lists, read from and written to
// an IniDocument. forms/ turns it into control contents and back. Folder texts
// (the settings value, `JVEdiPfad`) become paths with pathFromUtf8.
//
//   Start-up (FormShow 1-4): folder = stammPfadOr(settings file, default
//   folder) (Settings.h); names = ListFilesByMask(folder) (RecordFiles.h) into
//   `ComboStamm` and `AllgLiBoNameStamm`; findRecordFile(folder, "Standard"),
//   when found, loaded as below.
//
//   Loading (LoadStammdaten, ComboStammChange): findRecordFile(folder, name);
//   nullopt: "<Name>.abr nicht gefunden!", nothing reset. Else
//   loadRecordFile(path, month, year, check), which checks the whole file
//   first, `check` whether each text fits its control: on an IniError
//   (RecordError among them) show e.what() and reset nothing.
//   Then reset, apply record.values in the order of recordKeys() (check boxes
//   via isCheckedText; `LxEdiBGR` runs its change handler before `MEdiKV` is
//   set), the rows, `ActBrutti`; show `lines` in `AllgLiBoDatenStamm`; when
//   `updateError` is set, show it (and `updateReason`).
//
//   Saving (ActStammSaveExecute): start the save dialog in the master-data
//   folder with recordFilePath(folder, current name); fill a Record
//   (Record::defaults gives the shape) and saveRecordFile(path, record); on an
//   IniError show e.what() and change no list. After success list
//   recordNameOfFile(path) when it is set, the folder is the master-data
//   folder and the name is not listed yet; show the returned lines.
//
//   Record page: a chosen name shows IniDocument::load(path).lines() (missing:
//   path + " nicht gefunden"); deleting calls removeRecordFile and drops the
//   name only when it returned; the refresh lists the folder again and runs
//   migrateRecordFile for every name's file (findRecordFile).
//
// Row lists: `items` are the entry dialog's pay items ("Beträge"), `atzRows`
// the partial-retirement list `ATZLView`, `pfdRows` the garnishment list
// `PfdLView`. They read back as saved only in step, as the entry dialog keeps
// them: one partial-retirement row per pay item that is not a deduction, one
// garnishment row per pay item. The single count "Anzahl" is the number of
// pay items.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "IniDocument.h"

namespace lx {

// A malformed record; the message is the one the user sees.
class RecordError : public IniError {
public:
    using IniError::IniError;
};

// "Die Stammdaten-Datei <Pfad> ist fehlerhaft (<Schlüssel>)."
RecordError malformedRecord(const std::filesystem::path& file, std::string_view key);

inline constexpr int kMaxRecordRows = 255;
// The image index, which is also a pay item's kind: 0 payment, 1 benefit in kind, 2 deduction.
inline constexpr int kDeductionImage = 2;

// One row of a list: the caption, the sub-items and the image index 0..2.
// A pay item's sub-items are the amount and the marks "LST", "SV", "ZV", "EB",
// "LMJ", "NT", "VB" ("x" or empty), then any further columns of the grid; a
// partial-retirement row's are "Aufstockung", "Teilzeit", "Vollzeit"; a
// garnishment row's "Betrag", "pfändbar".
struct RecordRow {
    std::string name;
    std::vector<std::string> columns;
    int image = 0;

    bool operator==(const RecordRow&) const = default;
};

struct Record {
    std::vector<std::string> values;  // one per recordKeys() entry, same order
    std::vector<RecordRow> items;
    std::vector<RecordRow> atzRows;
    std::vector<RecordRow> pfdRows;

    // Every key at its fallback ("BeschäftigtBis" the days of the month), no rows.
    static Record defaults(int month, int year);

    // The text of a control of recordKeys(); std::out_of_range for any other name.
    const std::string& value(std::string_view control) const;
    void setValue(std::string_view control, std::string text);

    bool operator==(const Record&) const = default;
};

// Check-box texts: "0" is unchecked, any other whole number checked; a text
// that is no number gives the fallback, checked.
bool isCheckedText(std::string_view text);
inline std::string checkedText(bool checked)
{
    return checked ? "1" : "0";
}

// "name;column;...;image", no quoting.
std::string encodeRecordRow(const RecordRow& row);

// A row of at least `minFields` fields whose last is one digit 0..2, or nullopt.
std::optional<RecordRow> decodeRecordRow(std::string_view text, std::size_t minFields);

// Reads every key (missing keys take their fallback) and the rows: "Anzahl"
// pay items, as many partial-retirement rows as there are non-deductions and
// "Anzahl" garnishment rows; a missing row key gives the default row. An
// "Anzahl" that is no whole number 0..255, an empty row or one with too few
// fields (10 / 5 / 4) or a last field other than one digit 0..2 raise
// RecordError "Die Stammdaten-Datei <Pfad> ist fehlerhaft (<Schlüssel>)."
Record readRecord(const IniDocument& doc, int month, int year, const std::filesystem::path& file);

// Writes every key in table order, "Anzahl" and the rows, updating an existing
// document key by key (rows beyond the new count stay, unread). RecordError
// naming the pay item when a row field holds ";" or a list has more than 255
// rows; IniError for a refused text. The document is unchanged on a refusal.
void writeRecord(IniDocument& doc, const Record& record);

// Rewrites the lines "Steuerfreiheit=4 Prozent der RV-BBG" (exactly; line end
// aside) into the current wording; true when a line changed.
bool MigrateStFreiheit(IniDocument& doc);

// Rewrites list texts of older saves into today's ("VBL-West" is "VBL",
// "PVKinder=2" is "2 Kinder"); true when a value changed.
bool migrateOlderTexts(IniDocument& doc);

struct LoadedRecord {
    Record record;
    std::vector<std::string> lines;  // the file's lines after migration
    bool migrated = false;
    // Set when the migrated file could not be written back; the record is
    // still loaded. "Die Stammdaten-Datei <Pfad> konnte nicht aktualisiert werden."
    std::string updateError;
    std::string updateReason;  // the file error behind it
};

// Checks a read record further (forms/ holds what each control can take);
// throws RecordError (malformedRecord) to refuse it.
using RecordCheck = std::function<void(const Record&)>;

// Reads, migrates and checks a record file (readRecord, then `check`), then
// writes a migrated file back. IniError when unreadable, RecordError when
// malformed or refused by `check` (the file is left alone).
LoadedRecord loadRecordFile(const std::filesystem::path& file, int month, int year, const RecordCheck& check = {});

// Writes a record into its file (a new one in Windows-1252 with CRLF, an
// existing one key by key in its own encoding); returns the file's lines as
// written. IniError or RecordError on failure, the old file unchanged.
std::vector<std::string> saveRecordFile(const std::filesystem::path& file, const Record& record);

// Loads a record file, migrates it (both rewrites above) and writes it back when a line changed; the
// refresh of the record page runs it for every listed record. IniError on failure.
bool migrateRecordFile(const std::filesystem::path& file);

}  // namespace lx
