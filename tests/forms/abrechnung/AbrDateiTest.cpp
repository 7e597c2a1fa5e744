#include <gtest/gtest.h>

#include <fstream>

#include "TempDir.h"
#include "abrechnung/AbrDatei.h"

namespace lx {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

const std::filesystem::path kDaten = std::filesystem::path(LX_TEST_DATA_DIR) / "abrechnung";

const std::vector<std::string> kUmlaute = {
    "Zudezivudirodeded                                                                Januar 2024",
    "_____",
    "",
    "Gehalt für März nach § 3   ",
    "Zuschläge € 1.234,56",
    "  ",
};

TEST(AbrDatei, SavesByteForByteAndOpensBack)
{
    TempDir dir;
    AbrSpeichern(dir / "a.txt", kUmlaute);
    EXPECT_EQ(readBytes(dir / "a.txt"), readBytes(kDaten / "umlaute-crlf.txt"));
    EXPECT_EQ(AbrOeffnen(kDaten / "umlaute-crlf.txt"), kUmlaute);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.txt"});
    // Converted to UTF-8 by an editor, the same lines.
    std::string utf8;
    for (const std::string& z : kUmlaute) utf8 += z + "\n";
    writeBytes(dir / "utf8.txt", utf8);
    EXPECT_EQ(AbrOeffnen(dir / "utf8.txt"), kUmlaute);
}

TEST(AbrDatei, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(AbrTextBytes({"a→b Ł", "x\xff"}), "a?b ?\r\nx?\r\n");
    EXPECT_EQ(AbrTextBytes({}), "");
    EXPECT_EQ(AbrTextBytes({""}), "\r\n");
}

TEST(AbrDatei, LineEndsOfEveryKind)
{
    const std::vector<std::string> erwartet = {"erste", "zweite ä", "", "dritte"};
    EXPECT_EQ(AbrOeffnen(kDaten / "nur-lf.txt"), erwartet);
    EXPECT_EQ(AbrOeffnen(kDaten / "nur-cr.txt"), erwartet);
    struct Fall {
        std::string bytes;
        std::vector<std::string> zeilen;
    };
    for (const Fall& f : std::vector<Fall>{
             {"", {}},
             {"\r\n", {""}},
             {"a\r\n\r\n", {"a", ""}},
             {"a\n\rb", {"a", "", "b"}},
             {"a\r\r\nb", {"a", "", "b"}},
         }) {
        EXPECT_EQ(AbrTextZeilen(f.bytes), f.zeilen) << testing::PrintToString(f.bytes);
    }
}

TEST(AbrDatei, FailedSaveKeepsTheOldFileAndNamesPathAndReason)
{
    TempDir dir;
    writeBytes(dir / "datei", "keine Mappe");
    const auto ziel = dir / "datei" / "a.txt";
    try {
        AbrSpeichern(ziel, kUmlaute);
        FAIL() << "saved under a regular file";
    } catch (const AbrDateiFehler& e) {
        EXPECT_EQ(std::string(e.what()), "Die Datei " + ziel.string() +
                                             " kann nicht gespeichert werden (ein Teil des Pfades ist kein Ordner).");
    }

    // A save over an existing file that fails half way leaves it whole: a folder in its place cannot be replaced.
    std::filesystem::create_directory(dir / "mappe.txt");
    writeBytes(dir / "mappe.txt" / "drin", "x");
    EXPECT_THROW(AbrSpeichern(dir / "mappe.txt", kUmlaute), AbrDateiFehler);
    EXPECT_EQ(readBytes(dir / "mappe.txt" / "drin"), "x");
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"datei", "mappe.txt"}));
}

TEST(AbrDatei, OpeningRefusesLargeAndUnreadableFiles)
{
    TempDir dir;
    writeBytes(dir / "gross.txt", std::string(2 * 1024 * 1024, 'a'));
    writeBytes(dir / "grenze.txt", std::string(kAbrDateiMaxBytes - 2, 'a') + "\r\n");
    writeBytes(dir / "bild.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    writeBytes(dir / "ungenutzt.txt", "Lohn \x81\x8D\r\n");
    struct Fall {
        std::filesystem::path datei;
        std::string meldung;
    };
    const auto gross = dir / "gross.txt";
    const auto fehlt = dir / "fehlt.txt";
    for (const Fall& f : std::vector<Fall>{
             {gross, "Die Datei " + gross.string() + " ist größer als 1 MB und wird nicht geöffnet."},
             {fehlt, "Die Datei " + fehlt.string() + " kann nicht gelesen werden (nicht gefunden)."},
             {dir.path(), "Die Datei " + dir.path().string() + " kann nicht gelesen werden (ist ein Ordner)."},
             {dir / "bild.png", "Die Datei " + (dir / "bild.png").string() +
                                    " ist keine Abrechnung als Textdatei und wird nicht geöffnet."},
             {dir / "ungenutzt.txt", "Die Datei " + (dir / "ungenutzt.txt").string() +
                                         " ist keine Abrechnung als Textdatei und wird nicht geöffnet."},
         }) {
        try {
            AbrOeffnen(f.datei);
            ADD_FAILURE() << f.datei << " opened";
        } catch (const AbrDateiFehler& e) {
            EXPECT_EQ(std::string(e.what()), f.meldung);
        }
    }
    EXPECT_EQ(AbrOeffnen(dir / "grenze.txt").size(), 1u);
}

}  // namespace
}  // namespace lx
