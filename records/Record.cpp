#include "Record.h"

#include <stdexcept>

#include "DatumUnit.h"
#include "Optionen.h"
#include "RecordKeys.h"

namespace lx {

namespace {

constexpr std::string_view kItems = "Beträge";
constexpr std::string_view kAtz = "ATZBeträge";
constexpr std::string_view kPfd = "PfdBeträge";
constexpr std::string_view kCount = "Anzahl";

constexpr std::size_t kItemFields = 10;
constexpr std::size_t kAtzFields = 5;
constexpr std::size_t kPfdFields = 4;

struct RowSection {
    std::string_view section;
    std::string_view prefix;
    std::size_t minFields;
    std::string_view first;    // default of row 0
    std::string_view further;  // default of the rows after it
};

constexpr RowSection kItemRows{kItems, "Betrag", kItemFields, "Gehalt;2.000,00;x;x;;;;;;0",
                               "AT-Zulage;150,00;x;x;;;;;;0"};
constexpr RowSection kAtzRows{kAtz, "ATZBetrag", kAtzFields, "Gehalt;ja;2.000,00;4.000,00;0",
                              "AT-Zulage;ja;75,00;150,00;0"};
constexpr RowSection kPfdRows{kPfd, "PfdBetrag", kPfdFields, "Gehalt;2.000,00;x;0", "AT-Zulage;150,00;x;0"};

std::size_t indexOf(std::string_view control)
{
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].control == control) return i;
    }
    throw std::out_of_range("no record key for control " + std::string(control));
}

[[noreturn]] void malformed(const std::filesystem::path& file, std::string_view key)
{
    throw malformedRecord(file, key);
}

std::vector<RecordRow> readRows(const IniDocument& doc, const RowSection& rows, int count,
                                const std::filesystem::path& file)
{
    std::vector<RecordRow> out;
    for (int i = 0; i < count; ++i) {
        std::string key = std::string(rows.prefix) + std::to_string(i);
        std::string text = doc.read(rows.section, key, i == 0 ? rows.first : rows.further);
        auto row = decodeRecordRow(text, rows.minFields);
        if (!row) malformed(file, key);
        out.push_back(std::move(*row));
    }
    return out;
}

void checkRows(const std::vector<RecordRow>& rows)
{
    if (rows.size() > static_cast<std::size_t>(kMaxRecordRows)) {
        throw RecordError("Es können höchstens 255 Lohnarten gespeichert werden.");
    }
    for (const RecordRow& row : rows) {
        bool semicolon = row.name.find(';') != std::string::npos;
        for (const std::string& c : row.columns) semicolon = semicolon || c.find(';') != std::string::npos;
        if (semicolon) {
            throw RecordError("Die Lohnart \"" + row.name +
                              "\" kann nicht gespeichert werden: \";\" ist in Lohnarten nicht erlaubt.");
        }
        if (row.image < 0 || row.image > kDeductionImage) {
            throw RecordError("Die Lohnart \"" + row.name + "\" hat keine gültige Art.");
        }
    }
}

void writeRows(IniDocument& doc, const RowSection& rows, const std::vector<RecordRow>& list)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        doc.write(rows.section, std::string(rows.prefix) + std::to_string(i), encodeRecordRow(list[i]));
    }
}

}  // namespace

RecordError malformedRecord(const std::filesystem::path& file, std::string_view key)
{
    return RecordError("Die Stammdaten-Datei " + pathText(file) + " ist fehlerhaft (" + std::string(key) + ").");
}

Record Record::defaults(int month, int year)
{
    Record r;
    for (const RecordKey& k : recordKeys()) {
        r.values.push_back(k.kind == RecordValueKind::DaysInMonth ? std::to_string(TageImMonat(month, year))
                                                                  : std::string(k.fallback));
    }
    return r;
}

const std::string& Record::value(std::string_view control) const
{
    return values.at(indexOf(control));
}

void Record::setValue(std::string_view control, std::string text)
{
    values.at(indexOf(control)) = std::move(text);
}

bool isCheckedText(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return true;
    return digits.find_first_not_of('0') != std::string_view::npos;
}

std::string encodeRecordRow(const RecordRow& row)
{
    std::string out = row.name;
    for (const std::string& c : row.columns) out += ";" + c;
    out += ";" + std::to_string(row.image);
    return out;
}

std::optional<RecordRow> decodeRecordRow(std::string_view text, std::size_t minFields)
{
    if (text.empty()) return std::nullopt;
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        std::size_t semi = text.find(';', start);
        fields.emplace_back(text.substr(start, semi == std::string_view::npos ? std::string_view::npos : semi - start));
        if (semi == std::string_view::npos) break;
        start = semi + 1;
    }
    if (fields.size() < minFields || minFields < 2) return std::nullopt;
    const std::string& last = fields.back();
    if (last.size() != 1 || last[0] < '0' || last[0] > '0' + kDeductionImage) return std::nullopt;
    RecordRow row;
    row.image = last[0] - '0';
    row.name = std::move(fields.front());
    row.columns.assign(std::make_move_iterator(fields.begin() + 1), std::make_move_iterator(fields.end() - 1));
    return row;
}

Record readRecord(const IniDocument& doc, int month, int year, const std::filesystem::path& file)
{
    Record r = Record::defaults(month, year);
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (auto v = doc.value(keys[i].section, keys[i].key)) r.values[i] = *v;
    }
    const std::string countText = doc.read(kItems, kCount, "0");
    if (countText.empty() || countText.find_first_not_of("0123456789") != std::string::npos) malformed(file, kCount);
    int count = 0;
    for (char c : countText) {
        count = count * 10 + (c - '0');
        if (count > kMaxRecordRows) malformed(file, kCount);
    }
    r.items = readRows(doc, kItemRows, count, file);
    int atzCount = 0;
    for (const RecordRow& item : r.items) atzCount += item.image != kDeductionImage ? 1 : 0;
    r.atzRows = readRows(doc, kAtzRows, atzCount, file);
    r.pfdRows = readRows(doc, kPfdRows, count, file);
    return r;
}

void writeRecord(IniDocument& doc, const Record& record)
{
    auto keys = recordKeys();
    if (record.values.size() != keys.size()) throw std::invalid_argument("record values do not match the key table");
    checkRows(record.items);
    checkRows(record.atzRows);
    checkRows(record.pfdRows);
    IniDocument work = doc;
    for (std::size_t i = 0; i < keys.size(); ++i) work.write(keys[i].section, keys[i].key, record.values[i]);
    work.write(kItems, kCount, std::to_string(record.items.size()));
    if (!record.items.empty()) {
        writeRows(work, kItemRows, record.items);
        writeRows(work, kAtzRows, record.atzRows);
        writeRows(work, kPfdRows, record.pfdRows);
    }
    doc = std::move(work);
}

bool MigrateStFreiheit(IniDocument& doc)
{
    const std::string neu = "Steuerfreiheit=" + std::string(OptionText(kBAVStFreiListe, Code(BAVSteuer::Nr63)));
    return doc.replaceLines("Steuerfreiheit=4 Prozent der RV-BBG", neu);
}

bool migrateOlderTexts(IniDocument& doc)
{
    struct OlderText {
        std::string_view section;
        std::string_view key;
        std::string_view older;
        std::string_view now;
    };
    // The scheme's and the children's list texts of older saves.
    static constexpr OlderText kOlder[] = {
        {"OptZV", "Zusatzversicherung", "VBL-West", "VBL"},
        {"HauptForm", "Zusatzversicherung", "VBL-West", "VBL"},
        {"OptSV", "PVKinder", "0", "0 Kinder"},
        {"OptSV", "PVKinder", "1", "1 Kind"},
        {"OptSV", "PVKinder", "2", "2 Kinder"},
        {"OptSV", "PVKinder", "3", "3 Kinder"},
        {"OptSV", "PVKinder", "4", "4 Kinder"},
    };
    bool changed = false;
    for (const OlderText& o : kOlder) {
        if (doc.value(o.section, o.key) != o.older) continue;
        doc.write(o.section, o.key, o.now);
        changed = true;
    }
    // Five children and more take the same discount.
    for (int kinder = 5; kinder <= 20; ++kinder) {
        if (doc.value("OptSV", "PVKinder") != std::to_string(kinder)) continue;
        doc.write("OptSV", "PVKinder", "5 oder mehr Kinder");
        changed = true;
    }
    return changed;
}

LoadedRecord loadRecordFile(const std::filesystem::path& file, int month, int year, const RecordCheck& check)
{
    IniDocument doc = IniDocument::load(file);
    LoadedRecord out;
    out.migrated = MigrateStFreiheit(doc);
    out.migrated = migrateOlderTexts(doc) || out.migrated;
    out.record = readRecord(doc, month, year, file);
    if (check) check(out.record);
    if (out.migrated) {
        try {
            doc.save(file);
        } catch (const IniError& e) {
            out.updateError = "Die Stammdaten-Datei " + pathText(file) + " konnte nicht aktualisiert werden.";
            out.updateReason = e.what();
        }
    }
    out.lines = doc.lines();
    return out;
}

std::vector<std::string> saveRecordFile(const std::filesystem::path& file, const Record& record)
{
    std::error_code ec;
    bool exists = std::filesystem::exists(std::filesystem::symlink_status(file, ec));
    IniDocument doc = exists ? IniDocument::load(file) : IniDocument(IniDocument::Encoding::Cp1252);
    // A Windows-1252 record never reads as UTF-8: its "[Beträge]" is no UTF-8.
    writeRecord(doc, record);
    doc.save(file);
    return doc.lines();
}

bool migrateRecordFile(const std::filesystem::path& file)
{
    IniDocument doc = IniDocument::load(file);
    const bool stFreiheit = MigrateStFreiheit(doc);
    if (!migrateOlderTexts(doc) && !stFreiheit) return false;
    doc.save(file);
    return true;
}

}  // namespace lx
