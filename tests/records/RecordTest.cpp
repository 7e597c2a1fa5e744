#include <gtest/gtest.h>

#include <set>
#include <string>

#include "AmountText.h"
#include "LxMath.h"
#include "Record.h"
#include "RecordKeys.h"
#include "TempDir.h"
#include "TextCodec.h"

namespace lx {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kAltform = std::filesystem::path(LX_TEST_DATA_DIR) / "stamm" / "Altform.abr";

RecordRow row(std::string name, std::vector<std::string> columns, int image)
{
    return RecordRow{std::move(name), std::move(columns), image};
}

RecordRow item(std::string name, std::string amount, int kind, bool taxed = true)
{
    std::string m = taxed ? "x" : "";
    return row(std::move(name), {std::move(amount), m, m, "", "", "", "", ""}, kind);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(RecordKeys, ControlsAndKeysAreUniqueAndInLoadingOrder)
{
    std::set<std::string_view> controls;
    std::set<std::string> keys;
    std::size_t group = 0, rate = 0, checkBoxes = 0;
    auto table = recordKeys();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const RecordKey& k = table[i];
        EXPECT_TRUE(controls.insert(k.control).second) << k.control;
        EXPECT_TRUE(keys.insert(foldKey(k.section) + "/" + foldKey(k.key)).second) << k.section << "/" << k.key;
        EXPECT_EQ(findRecordKey(k.control), &k);
        if (k.control == "LxEdiBGR") group = i;
        if (k.control == "MEdiKV") rate = i;
        if (k.kind == RecordValueKind::CheckBox) {
            ++checkBoxes;
            EXPECT_EQ(k.fallback, "1") << k.control << " starts checked";
        }
    }
    EXPECT_LT(group, rate);
    EXPECT_EQ(checkBoxes, 4u);
    EXPECT_EQ(findRecordKey("SVComboRVVoll"), nullptr);  // not stored
}

TEST(Record, DefaultsTakeTheDaysOfTheMonth)
{
    EXPECT_EQ(Record::defaults(2, 2024).value("TBVEdiBis"), "29");
    EXPECT_EQ(Record::defaults(1, 2024).value("TBVEdiBis"), "31");
    EXPECT_EQ(Record::defaults(2, 2023).value("TBVEdiBis"), "28");
    Record r = Record::defaults(1, 2024);
    EXPECT_EQ(r.value("MEdiKVZus"), "+ 1,70%");
    EXPECT_EQ(r.value("SVLabEdiKKasse"), "");
    EXPECT_EQ(r.value("AVCombo1StFrei"), "stfrei nach § 3 Nr. 63 EStG");
    EXPECT_THROW(r.value("Unbekannt"), std::out_of_range);
}

TEST(Record, OldFormLoadsFieldByFieldAndOnlyTheMigratedLineChanges)
{
    TempDir dir;
    const auto file = dir / "Altform.abr";
    std::filesystem::copy_file(kAltform, file);
    const std::string original = readBytes(file);

    LoadedRecord loaded = loadRecordFile(file, 2, 2024);

    Record expected = Record::defaults(2, 2024);
    const std::pair<const char*, const char*> stored[] = {
        {"LEdiStKl", "3"},
        {"LEdiFaktor", "0"},
        {"LEdiStFB", "125,50"},
        {"ComboKiJaNein", "rk"},
        {"LxEdiBGR", "1111"},
        {"MEdiKV", "14,60%"},
        {"MEdiKVZus", "+ 1,30%"},
        {"ComboPVerh", "nein"},
        {"LEdiGebJahr", "1961"},
        {"ComboZV", "VBL"},
        {"LSTComboStTab", "Allgemeine Steuertabelle"},
        {"LSTChkFBJahr", "0"},
        {"LSTComboBundesland", "Bayern"},
        {"LSTComboErmKiSt", "nein"},
        {"LSTChkPKV", "1"},
        {"SVComboRechtskreis", "Ost"},
        {"SVComboPVKi", "2 Kinder"},
        {"SVLabEdiKKasse", "AOK Baden-Württemberg"},
        {"ZVComboArt", "VBL"},
        {"ZVEdiNameIndZV", "ZVK §1"},
        {"ZVComboStFrei", "3 Prozent der RV-BBG"},
        {"AVCombo1Art", "Direktversicherung"},
        {"AVVEdiAG1", "100,00"},
        {"AVCombo1StFrei", "stfrei nach § 3 Nr. 63 EStG"},
        {"TZComboJaNein", "nein"},
        {"LEdiDruckName", " Jürgen Müller"},
    };
    for (const auto& [control, text] : stored) expected.setValue(control, text);
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(loaded.record.values[i], expected.values[i]) << keys[i].section << "/" << keys[i].key;
    }
    EXPECT_EQ(loaded.record.value("TBVEdiBis"), "29");  // no "OptTA": the days of 02/2024
    EXPECT_FALSE(isCheckedText(loaded.record.value("LSTChkFBJahr")));
    EXPECT_TRUE(isCheckedText(loaded.record.value("EBChkSVAuto")));

    EXPECT_EQ(loaded.record.items,
              (std::vector<RecordRow>{item("Gehalt", "2.500,00", 0), item("VL-Abzug", "-40,00", 2, false),
                                      item("Überstunden", "300,00", 0)}));
    // Two rows for the two non-deductions; the stale third key stays unread.
    EXPECT_EQ(loaded.record.atzRows, (std::vector<RecordRow>{row("Gehalt", {"ja", "2.500,00", "5.000,00"}, 0),
                                                             row("Überstunden", {"nein", "300,00", "0,00"}, 0)}));
    EXPECT_EQ(loaded.record.pfdRows,
              (std::vector<RecordRow>{row("Gehalt", {"2.500,00", "x"}, 0), row("VL-Abzug", {"-40,00", "VL-Abzug"}, 2),
                                      row("Überstunden", {"300,00", "ÜbStd."}, 0)}));

    EXPECT_TRUE(loaded.migrated);
    EXPECT_EQ(loaded.updateError, "");
    std::string migrated = replaced(original, "\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\n",
                                    "\r\nSteuerfreiheit=stfrei nach \xA7 3 Nr. 63 EStG\r\n");
    // The older list texts in today's wording.
    migrated = replaced(replaced(migrated, "PVKinder=2\r", "PVKinder=2 Kinder\r"), "=VBL-West", "=VBL");
    ASSERT_NE(migrated, original);
    EXPECT_EQ(readBytes(file), migrated);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Altform.abr"});
    ASSERT_FALSE(loaded.lines.empty());
    EXPECT_EQ(loaded.lines.front(), "; Stammdaten einer älteren Programmfassung");
    EXPECT_EQ(loaded.lines.size(), 56u);

    LoadedRecord again = loadRecordFile(file, 1, 2024);
    EXPECT_FALSE(again.migrated);
    EXPECT_EQ(again.record.value("TBVEdiBis"), "31");
    EXPECT_EQ(readBytes(file), migrated);
}

TEST(Record, MigrationRewritesExactlyTheOldLine)
{
    const std::pair<std::string, bool> cases[] = {
        {"[OptAV]\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\n", true},
        {"[OptAV]\nSteuerfreiheit=4 Prozent der RV-BBG", true},
        {"[OptZV]\rSteuerfreiheit=4 Prozent der RV-BBG\r", true},
        {"[OptAV]\r\n Steuerfreiheit=4 Prozent der RV-BBG\r\n", false},
        {"[OptAV]\r\nSteuerfreiheit = 4 Prozent der RV-BBG\r\n", false},
        {"[OptAV]\r\nsteuerfreiheit=4 Prozent der RV-BBG\r\n", false},
        {"[OptAV]\r\nSteuerfreiheit=4 Prozent der RV-BBG \r\n", false},
        {"[OptAV]\r\nSteuerfreiheit=\"4 Prozent der RV-BBG\"\r\n", false},
    };
    for (const auto& [bytes, changes] : cases) {
        IniDocument doc = IniDocument::fromBytes(bytes);
        EXPECT_EQ(MigrateStFreiheit(doc), changes) << bytes;
        std::string expected =
            changes ? replaced(bytes, "=4 Prozent der RV-BBG", "=stfrei nach \xA7 3 Nr. 63 EStG") : bytes;
        EXPECT_EQ(doc.bytes(), expected) << bytes;
    }
}

Record fullRecord()
{
    Record r = Record::defaults(3, 2024);
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        r.values[i] = keys[i].kind == RecordValueKind::CheckBox ? "0" : "Wert " + std::to_string(i) + " äÖß €";
    }
    r.setValue("LEdiDruckName", " Jürgen Müller");
    r.items = {item("Gehalt", "2.000,00", 0), item("Dienstwagen", "450,00", 1), item("Urlaubsgeld", "300,00", 0)};
    r.atzRows = {row("Gehalt", {"ja", "2.000,00", "4.000,00"}, 0), row("Dienstwagen", {"nein", "450,00", "0,00"}, 1),
                 row("Urlaubsgeld", {"ja", "300,00", "600,00"}, 0)};
    r.pfdRows = {row("Gehalt", {"2.000,00", "x"}, 0), row("Dienstwagen", {"450,00", "x"}, 1),
                 row("Urlaubsgeld", {"300,00", ""}, 0)};
    return r;
}

TEST(Record, RoundTripKeepsEveryFieldAndAnUnchangedRecordSavesTheSameBytes)
{
    TempDir dir;
    const auto file = dir / "Voll.abr";
    const Record r = fullRecord();
    std::vector<std::string> lines = saveRecordFile(file, r);
    const std::string bytes = readBytes(file);

    for (const char* line :
         {"\r\n[Betr\xE4ge]\r\nAnzahl=3\r\nBetrag0=Gehalt;2.000,00;x;x;;;;;;0\r\n"
          "Betrag1=Dienstwagen;450,00;x;x;;;;;;1\r\nBetrag2=Urlaubsgeld;300,00;x;x;;;;;;0\r\n",
          "\r\n[ATZBetr\xE4ge]\r\nATZBetrag0=Gehalt;ja;2.000,00;4.000,00;0\r\n",
          "\r\nATZBetrag2=Urlaubsgeld;ja;300,00;600,00;0\r\n[PfdBetr\xE4ge]\r\n",
          "\r\nPfdBetrag2=Urlaubsgeld;300,00;;0\r\n", "\r\n[DetailAbr]\r\nName=\" J\xFCrgen M\xFCller\"\r\n",
          "[HauptForm]\r\nSteuerklasse=Wert 0 \xE4\xD6\xDF \x80\r\n"}) {
        EXPECT_NE(bytes.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(bytes.find("Betrag3"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("PfdBetrag2=Urlaubsgeld;300,00;;0\r\n"));
    EXPECT_EQ(lines, IniDocument::fromBytes(bytes).lines());

    LoadedRecord loaded = loadRecordFile(file, 3, 2024);
    EXPECT_EQ(loaded.record, r);
    EXPECT_FALSE(loaded.migrated);

    saveRecordFile(file, loaded.record);
    EXPECT_EQ(readBytes(file), bytes);
}

TEST(Record, FewerItemsLeaveTheOldRowsUnread)
{
    TempDir dir;
    const auto file = dir / "Kurz.abr";
    Record r = fullRecord();
    saveRecordFile(file, r);
    r.items.resize(1);
    r.atzRows.resize(1);
    r.pfdRows.resize(1);
    saveRecordFile(file, r);
    EXPECT_NE(readBytes(file).find("Betrag2=Urlaubsgeld"), std::string::npos);
    EXPECT_EQ(loadRecordFile(file, 3, 2024).record, r);

    r.items.clear();
    r.atzRows.clear();
    r.pfdRows.clear();
    saveRecordFile(file, r);
    EXPECT_NE(readBytes(file).find("Anzahl=0\r\n"), std::string::npos);
    EXPECT_EQ(loadRecordFile(file, 3, 2024).record, r);
}

// Mend: the partial-retirement list has no deduction rows, so it takes one row
// per non-deduction, not "Anzahl" rows (which read a default or stale row).
TEST(Record, PartialRetirementRowsFollowTheNonDeductions)
{
    IniDocument doc = IniDocument::fromBytes(
        "[OptATZ]\r\nJaNein=ja\r\nNeuAufstockungProz=20\r\n"
        "[Betr\xE4ge]\r\nAnzahl=2\r\nBetrag0=Gehalt;2.000,00;x;x;;;;;;0\r\nBetrag1=VL-Abzug;-40,00;;;;;;;;2\r\n"
        "[ATZBetr\xE4ge]\r\nATZBetrag0=Gehalt;ja;2.000,00;4.000,00;0\r\n"
        "[PfdBetr\xE4ge]\r\nPfdBetrag0=Gehalt;2.000,00;x;0\r\nPfdBetrag1=VL-Abzug;-40,00;VL-Abzug;2\r\n");
    Record r = readRecord(doc, 1, 2024, "x.abr");
    ASSERT_EQ(r.atzRows.size(), 1u);
    EXPECT_EQ(r.pfdRows.size(), 2u);

    // The figures the partial-retirement page then shows: 2.000,00 and 400,00 (not 2.075,00 and 415,00).
    Currency regular;
    for (const RecordRow& a : r.atzRows) {
        if (a.columns[0] != "nein") regular += StrToCurr(OhnePunkte(a.columns[1]));
    }
    EXPECT_EQ(formatAmount(regular), "2.000,00");
    EXPECT_EQ(formatAmount(RundeCent(Currency::fromRaw(regular.raw() * 20 / 100))), "400,00");
}

// Mend: a malformed row or count refuses the whole record and touches nothing.
TEST(Record, MalformedRowsRefuseTheRecord)
{
    const std::string good0 = "Gehalt;2.000,00;x;x;;;;;;0";
    struct Case {
        std::string count, item0, item1, atz0, pfd0, key;
    };
    const Case cases[] = {
        {"2", "", good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Betrag0"},
        {"2", "Gehalt;2.000,00;x;x;;;;;0", good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Betrag0"},
        {"2", good0, "Gehalt;2.000,00;x;x;;;;;;3", "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Betrag1"},
        {"2", good0 + "x", good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Betrag0"},
        {"2", "Gehalt;2.000,00;x;x;;;;;;00", good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Betrag0"},
        {"2", good0, good0, "Gehalt;ja;1,00;0", "Gehalt;1,00;x;0", "ATZBetrag0"},
        {"2", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;0", "PfdBetrag0"},
        {"256", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Anzahl"},
        {"-1", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Anzahl"},
        {"zwei", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Anzahl"},
        {"", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Anzahl"},
        {"99999999999999999999", good0, good0, "Gehalt;ja;1,00;2,00;0", "Gehalt;1,00;x;0", "Anzahl"},
    };
    TempDir dir;
    const auto file = dir / "Kaputt.abr";
    for (const Case& c : cases) {
        const std::string bytes =
            "[OptAV]\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\n[Betr\xE4ge]\r\nAnzahl=" + c.count +
            "\r\nBetrag0=" + c.item0 + "\r\nBetrag1=" + c.item1 + "\r\n[ATZBetr\xE4ge]\r\nATZBetrag0=" + c.atz0 +
            "\r\n[PfdBetr\xE4ge]\r\nPfdBetrag0=" + c.pfd0 + "\r\n";
        writeBytes(file, bytes);
        try {
            loadRecordFile(file, 1, 2024);
            ADD_FAILURE() << c.key << ": loaded";
        } catch (const RecordError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Die Stammdaten-Datei " + pathText(file) + " ist fehlerhaft (" + c.key + ").");
        }
        EXPECT_EQ(readBytes(file), bytes) << c.key << ": not migrated";
    }
}

TEST(Record, RowDecodingKeepsExtraColumnsAndTheFullCount)
{
    EXPECT_EQ(decodeRecordRow("Gehalt;2.000,00;x;x;;;;;;TZ;1", 10),
              row("Gehalt", {"2.000,00", "x", "x", "", "", "", "", "", "TZ"}, 1));
    EXPECT_EQ(decodeRecordRow(";;;0", 4), row("", {"", ""}, 0));
    EXPECT_EQ(decodeRecordRow("Gehalt;2.000,00;x;2", 4), row("Gehalt", {"2.000,00", "x"}, 2));

    IniDocument doc = IniDocument::fromBytes("[Betr\xE4ge]\nAnzahl=255\n");
    Record r = readRecord(doc, 1, 2024, "x.abr");
    ASSERT_EQ(r.items.size(), 255u);  // missing rows take the default rows
    EXPECT_EQ(r.items[0], item("Gehalt", "2.000,00", 0));
    EXPECT_EQ(r.items[254], item("AT-Zulage", "150,00", 0));
    EXPECT_EQ(r.atzRows[1], row("AT-Zulage", {"ja", "75,00", "150,00"}, 0));
    EXPECT_EQ(r.pfdRows[0], row("Gehalt", {"2.000,00", "x"}, 0));
}

// Mend: a ";" in a row would load back split; the save is refused, naming the pay item.
TEST(Record, RefusedSavesLeaveTheFile)
{
    TempDir dir;
    const auto file = dir / "Neu.abr";
    Record r = fullRecord();
    r.items[1].name = "A;B";
    try {
        saveRecordFile(file, r);
        ADD_FAILURE() << "saved";
    } catch (const RecordError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Die Lohnart \"A;B\" kann nicht gespeichert werden: \";\" ist in Lohnarten nicht erlaubt.");
    }
    EXPECT_FALSE(std::filesystem::exists(file));

    saveRecordFile(file, fullRecord());
    const std::string saved = readBytes(file);
    const std::pair<std::string, std::string> refusals[] = {
        {"LEdiDruckName", "Łukasz"},       // not in Windows-1252
        {"SVLabEdiKKasse", "AOK\r\nBad"},  // line break
    };
    for (const auto& [control, text] : refusals) {
        Record bad = fullRecord();
        bad.setValue(control, text);
        EXPECT_THROW(saveRecordFile(file, bad), IniError) << control;
        EXPECT_EQ(readBytes(file), saved) << control;
    }
    r = fullRecord();
    r.pfdRows[0].columns[1] = "x;y";
    EXPECT_THROW(saveRecordFile(file, r), RecordError);
    r = fullRecord();
    r.items.resize(256, item("Zulage", "1,00", 0));
    EXPECT_THROW(saveRecordFile(file, r), RecordError);
    EXPECT_EQ(readBytes(file), saved);
}

// Mend: a migrated record whose file cannot be written back still loads and says so.
TEST(Record, UnwritableOldRecordLoadsMigrated)
{
    TempDir dir;
    // Root may write anywhere; a path just short of the limit leaves no room for the temporary file's.
    std::filesystem::path deep = dir.path();
    while (pathText(deep).size() < 4096 - 260) deep /= std::string(200, 'd');
    deep /= std::string(4079 - pathText(deep).size(), 'e');
    std::filesystem::create_directories(deep);
    const auto file = deep / "Alt.abr";
    ASSERT_EQ(pathText(file).size(), 4088u);
    std::filesystem::copy_file(kAltform, file);

    LoadedRecord loaded = loadRecordFile(file, 2, 2024);
    EXPECT_TRUE(loaded.migrated);
    EXPECT_EQ(loaded.record.value("AVCombo1StFrei"), "stfrei nach § 3 Nr. 63 EStG");
    EXPECT_EQ(loaded.updateError, "Die Stammdaten-Datei " + pathText(file) + " konnte nicht aktualisiert werden.");
    EXPECT_NE(loaded.updateReason.find("Name zu lang"), std::string::npos) << loaded.updateReason;
    EXPECT_EQ(readBytes(file), readBytes(kAltform));
    EXPECT_THROW(migrateRecordFile(file), IniError);
}

TEST(Record, CheckBoxTexts)
{
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"0", false}, {"00", false}, {" 0 ", false}, {"-0", false},
        {"2", true}, {"-1", true}, {"", true},    {"ja", true},
    };
    for (const auto& [text, checked] : cases) EXPECT_EQ(isCheckedText(text), checked) << '"' << text << '"';
    EXPECT_EQ(checkedText(false), "0");
}

}  // namespace
}  // namespace lx
