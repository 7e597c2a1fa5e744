#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>

#include "IniDocument.h"
#include "TempDir.h"
#include "TextCodec.h"

namespace lx {
namespace {

using test::TempDir;

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniDocument, ReadsByThePrivateProfileRules)
{
    const ReadCase cases[] = {
        {"CRLF", "[A]\r\nk=1\r\n", "A", "k", "1"},
        {"LF", "[A]\nk=1\n", "A", "k", "1"},
        {"CR", "[A]\rk=1\r", "A", "k", "1"},
        {"mixed, first", "[A]\rk=1\nj=2\r\ni=3", "A", "k", "1"},
        {"mixed, second", "[A]\rk=1\nj=2\r\ni=3", "A", "j", "2"},
        {"unterminated last line", "[A]\r\nk=1\r\ni=3", "A", "i", "3"},
        {"UTF-8 with BOM", "\xEF\xBB\xBF[\xC3\x84]\nk=\xC3\xBC", "Ä", "k", "ü"},
        {"BOM is no part of the first line", "\xEF\xBB\xBF[A]\nk=1", "A", "k", "1"},
        {"Windows-1252", "[\xC4]\nk=\xFC\x80", "Ä", "k", "ü€"},
        {"umlaut case", "[A]\nPVerh\xF6ht=ja", "A", "PVERHÖHT", "ja"},
        {"section case", "[Betr\xE4ge]\nAnzahl=2", "BETRÄGE", "anzahl", "2"},
        {"cp1252 letter case", "[A]\n\x8A\x8C\x8E\x9F=1", "A", "šœžÿ", "1"},
        {"sharp s is not SS",
         "[A]\nStra\xDF"
         "e=1",
         "A", "STRASSE", std::nullopt},
        {"sharp s is itself",
         "[A]\nStra\xDF"
         "e=1",
         "A", "STRAßE", "1"},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"first section only", "[A]\nx=1\n[a]\nk=2\n", "A", "k", std::nullopt},
        {"key and value trimmed", "[A]\n \tk \t=  1 \t\n", "A", "k", "1"},
        {"section trimmed, text after ] ignored", " [ A ] x\nk=1", "A", "k", "1"},
        {"double quotes removed", "[A]\nk=\"x\"", "A", "k", "x"},
        {"single quotes removed", "[A]\nk='x'", "A", "k", "x"},
        {"mixed quotes kept", "[A]\nk=\"x'", "A", "k", "\"x'"},
        {"one pair only", "[A]\nk=\"\"x\"\"", "A", "k", "\"x\""},
        {"empty quotes", "[A]\nk=\"\"", "A", "k", ""},
        {"blanks inside quotes", "[A]\nk= \" x \" ", "A", "k", " x "},
        {"empty value is not missing", "[A]\nk=", "A", "k", ""},
        {"= in the value", "[A]\nk=a=b", "A", "k", "a=b"},
        {"comment matches nothing", "[A]\n; k\nk=1", "A", "; k", std::nullopt},
        {"line without = matches nothing", "[A]\njunk\n", "A", "junk", std::nullopt},
        {"key before any section", "k=1\n[A]\n", "A", "k", std::nullopt},
        {"key of another section", "[A]\n[B]\nk=1", "A", "k", std::nullopt},
        {"no ] opens no section", "[A]\n[B\nk=1", "A", "k", "1"},
    };
    for (const ReadCase& c : cases) {
        IniDocument doc = IniDocument::fromBytes(c.bytes);
        EXPECT_EQ(doc.value(c.section, c.key), c.expected) << c.name;
        EXPECT_EQ(doc.bytes(), c.bytes) << c.name << ": read must not change the bytes";
    }
}

TEST(IniDocument, ReadFallsBackOnlyForMissingKeys)
{
    IniDocument doc = IniDocument::fromBytes("[A]\nleer=\n");
    EXPECT_EQ(doc.read("A", "leer", "vorgabe"), "");
    EXPECT_EQ(doc.read("A", "fehlt", "vorgabe"), "vorgabe");
    EXPECT_TRUE(doc.hasSection("a"));
    EXPECT_FALSE(doc.hasSection("B"));
}

struct WriteCase {
    const char* name;
    std::string before;
    IniDocument::Encoding encoding;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniDocument, WritesInPlaceOrAppendsAndReadsBack)
{
    using E = IniDocument::Encoding;
    const WriteCase cases[] = {
        {"in place, spelling and blanks kept", "[A]\r\nKEY = alt\r\nx=1\r\n", E::Cp1252, "A", "key", "neu",
         "[A]\r\nKEY =neu\r\nx=1\r\n"},
        {"in place, the line's own end kept", "[A]\r\nk=1\nj=2\r\n", E::Cp1252, "a", "K", "9", "[A]\r\nk=9\nj=2\r\n"},
        {"first of two keys", "[A]\nk=1\nk=2\n", E::Cp1252, "A", "k", "3", "[A]\nk=3\nk=2\n"},
        {"same value leaves the line", "[A]\nk = 'x' \n", E::Cp1252, "A", "k", "x", "[A]\nk = 'x' \n"},
        {"new key after the last non-blank line", "[A]\nk=1\n\n[B]\nx=1\n", E::Cp1252, "A", "j", "2",
         "[A]\nk=1\nj=2\n\n[B]\nx=1\n"},
        {"new key in the file's first line end", "[A]\nk=1\r\n", E::Cp1252, "A", "j", "2", "[A]\nk=1\r\nj=2\n"},
        {"new key after an unterminated line", "[A]\nk=1", E::Cp1252, "A", "j", "2", "[A]\nk=1\nj=2\n"},
        {"new key under an empty section", "[A]\n[B]\n", E::Cp1252, "A", "j", "2", "[A]\nj=2\n[B]\n"},
        {"new section at the end", "[A]\r\nk=1\r\n\r\n", E::Cp1252, "B", "x", "1", "[A]\r\nk=1\r\n\r\n[B]\r\nx=1\r\n"},
        {"new section after an unterminated line", "[A]\rk=1", E::Cp1252, "B", "x", "1", "[A]\rk=1\r[B]\rx=1\r"},
        {"empty file gets CRLF", "", E::Cp1252, "A", "k", "v", "[A]\r\nk=v\r\n"},
        {"other lines byte for byte", "; \x80\x81\r\n[A]\r\n junk \r\nk=1\r\n", E::Cp1252, "A", "k", "2",
         "; \x80\x81\r\n[A]\r\n junk \r\nk=2\r\n"},
        {"leading blank quoted", "", E::Cp1252, "A", "k", " x", "[A]\r\nk=\" x\"\r\n"},
        {"trailing tab quoted", "", E::Cp1252, "A", "k", "x\t", "[A]\r\nk=\"x\t\"\r\n"},
        {"enclosing double quotes quoted", "", E::Cp1252, "A", "k", "\"x\"", "[A]\r\nk=\"\"x\"\"\r\n"},
        {"enclosing single quotes quoted", "", E::Cp1252, "A", "k", "'x'", "[A]\r\nk=\"'x'\"\r\n"},
        {"mixed quotes bare", "", E::Cp1252, "A", "k", "\"x'", "[A]\r\nk=\"x'\r\n"},
        {"lone quote bare", "", E::Cp1252, "A", "k", "\"", "[A]\r\nk=\"\r\n"},
        {"empty value", "", E::Cp1252, "A", "k", "", "[A]\r\nk=\r\n"},
        {"Windows-1252 bytes", "", E::Cp1252, "Beträge", "Schlüssel", "€ § ü",
         "[Betr\xE4ge]\r\nSchl\xFCssel=\x80 \xA7 \xFC\r\n"},
        {"UTF-8 bytes", "\xEF\xBB\xBF", E::Utf8Bom, "A", "k", "Ł", "\xEF\xBB\xBF[A]\r\nk=\xC5\x81\r\n"},
        {"UTF-8 without a mark stays so", "[A]\nx=\xC3\xA4\n", E::Utf8, "A", "k", "Ł", "[A]\nx=\xC3\xA4\nk=\xC5\x81\n"},
        {"UTF-8 section name found", "[Betr\xC3\xA4ge]\r\n", E::Utf8, "Beträge", "Anzahl", "1",
         "[Betr\xC3\xA4ge]\r\nAnzahl=1\r\n"},
        {"invalid UTF-8 is Windows-1252", "[A]\nx=\xC3\xA4\xFC\n", E::Cp1252, "A", "k", "ü",
         "[A]\nx=\xC3\xA4\xFC\nk=\xFC\n"},
    };
    for (const WriteCase& c : cases) {
        IniDocument doc = IniDocument::fromBytes(c.before);
        ASSERT_EQ(doc.encoding(), c.encoding) << c.name;
        doc.write(c.section, c.key, c.value);
        EXPECT_EQ(doc.bytes(), c.after) << c.name;
        EXPECT_EQ(doc.value(c.section, c.key), c.value) << c.name << ": reads back";
        EXPECT_EQ(IniDocument::fromBytes(doc.bytes()).value(c.section, c.key), c.value) << c.name << ": reloaded";
    }
}

struct Refusal {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    std::string named;  // the text the message shows
};

TEST(IniDocument, RefusesTextsThatWouldNotReadBackAndKeepsTheBytes)
{
    const std::string before = "[A]\r\nk=1\r\n";
    const Refusal cases[] = {
        {"CR in a value", "A", "k", "a\rb", "\"a?b\""},
        {"LF in a value", "A", "k", "a\nb", "\"a?b\""},
        {"NUL in a value", "A", "k", std::string("a\0b", 3), "\"a?b\""},
        {"LF in a key", "A", "k\nx", "1", "\"k?x\""},
        {"= in a key", "A", "a=b", "1", "\"a=b\""},
        {"] in a section", "a]b", "k", "1", "\"a]b\""},
        {"CR in a section", "a\rb", "k", "1", "\"a?b\""},
        {"character Windows-1252 lacks, existing key", "A", "k", "Łódź", "\"Łódź\""},
        {"character Windows-1252 lacks, new key", "A", "Ł", "1", "\"Ł\""},
        {"character Windows-1252 lacks, new section", "Ł", "k", "1", "\"Ł\""},
        {"empty key", "A", "", "1", "\"\""},
        {"blank-edged key", "A", " k", "1", "\" k\""},
        {"key opening a section", "A", "[k]", "1", "\"[k]\""},
        {"empty section", "", "k", "1", "\"\""},
        {"invalid UTF-8", "A", "k", "\xFF", "\"\xEF\xBF\xBD\""},
    };
    for (const Refusal& c : cases) {
        IniDocument doc = IniDocument::fromBytes(before);
        try {
            doc.write(c.section, c.key, c.value);
            ADD_FAILURE() << c.name << ": not refused";
        } catch (const IniError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << c.name << ": " << e.what();
        }
        EXPECT_EQ(doc.bytes(), before) << c.name;
    }
}

TEST(IniDocument, EveryNonNulByteSurvives)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != '\r' && b != '\n') all += static_cast<char>(b);
    }
    const std::string bytes = all + "\n[A]\r\nk=" + all + "\r\n";
    IniDocument doc = IniDocument::fromBytes(bytes);
    EXPECT_EQ(doc.bytes(), bytes);

    // Read and written again, the value encodes to the same bytes; the other lines stay.
    std::string value = *doc.value("A", "k");
    EXPECT_EQ(utf8ToCp1252(value), all);
    doc.write("A", "k2", value);
    EXPECT_EQ(doc.bytes(), all + "\n[A]\r\nk=" + all + "\r\nk2=" + all + "\n");

    // The unused bytes decode to the control characters of their number.
    EXPECT_EQ(cp1252ToUtf8("\x80\x81\x8D\x8F\x90\x9D\x9F"), "€\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9DŸ");
}

TEST(IniDocument, RefusesLargeFilesAndNulBytes)
{
    std::string exact = "[A]\n";
    exact.resize(IniDocument::kMaxBytes, ';');
    EXPECT_NO_THROW(IniDocument::fromBytes(exact));
    EXPECT_THROW(IniDocument::fromBytes(exact + ";"), IniError);
    EXPECT_THROW(IniDocument::fromBytes(std::string("[A]\nk=\0", 7)), IniError);

    TempDir dir;
    test::writeBytes(dir / "gross.ini", exact + ";");
    test::writeBytes(dir / "nul.ini", std::string("[A]\0", 4));
    test::writeBytes(dir / "marke.ini", "\xEF\xBB\xBF[A]\r\nk=\xFC\r\n");  // a UTF-8 mark before Windows-1252
    EXPECT_THROW(IniDocument::fromBytes("\xEF\xBB\xBF[A]\nk=\xFC"), IniError);
    ASSERT_EQ(mkfifo((dir / "pipe.ini").c_str(), 0600), 0);
    for (const char* name : {"gross.ini", "nul.ini", "marke.ini", "fehlt.ini", "pipe.ini"}) {
        try {
            IniDocument::load(dir / name);
            ADD_FAILURE() << name << ": read";
        } catch (const IniError& e) {
            EXPECT_NE(std::string(e.what()).find(pathText(dir / name)), std::string::npos) << e.what();
        }
    }
}

TEST(IniDocument, SavesThroughATemporaryFileAndKeepsTheOldOneOnFailure)
{
    TempDir dir;
    const auto target = dir / "a.ini";
    test::writeBytes(target, "[A]\r\nk=1\r\n");
    IniDocument doc = IniDocument::load(target);
    doc.write("A", "k", "2");
    using std::filesystem::perms;
    std::filesystem::permissions(target, perms::owner_read | perms::owner_write | perms::group_read);
    doc.save(target);
    EXPECT_EQ(test::readBytes(target), "[A]\r\nk=2\r\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(),
              perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.ini"});

    // Under a regular file (root may write anywhere else): the reason, nothing left behind.
    const auto under = dir / "a.ini" / "b.ini";
    try {
        doc.save(under);
        ADD_FAILURE() << "saved under a file";
    } catch (const IniError& e) {
        EXPECT_EQ(std::string(e.what()), "Die Datei " + pathText(under) +
                                             " kann nicht gespeichert werden (ein Teil des Pfades ist kein Ordner).");
    }

    // A folder in the target's place: refused, nothing left behind.
    std::filesystem::create_directory(dir / "ordner");
    test::writeBytes(dir / "ordner" / "inhalt", "x");
    EXPECT_THROW(doc.save(dir / "ordner"), IniError);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"a.ini", "ordner"}));
    EXPECT_EQ(test::readBytes(target), "[A]\r\nk=2\r\n");

    // A long name still leaves room for the temporary file's.
    const auto longName = dir / (std::string(250, 'n') + ".ini");
    EXPECT_NO_THROW(doc.save(longName));
    EXPECT_EQ(test::readBytes(longName), "[A]\r\nk=2\r\n");
}

TEST(IniDocument, ChangesEncodingLosslessly)
{
    IniDocument doc = IniDocument::fromBytes("[A]\r\nk=\xFC\x81\r\n");
    doc.setEncoding(IniDocument::Encoding::Utf8Bom);
    EXPECT_EQ(doc.bytes(), "\xEF\xBB\xBF[A]\r\nk=\xC3\xBC\xC2\x81\r\n");
    doc.write("A", "j", "Ł");
    EXPECT_THROW(doc.setEncoding(IniDocument::Encoding::Cp1252), IniError);
    EXPECT_EQ(doc.encoding(), IniDocument::Encoding::Utf8Bom);
    EXPECT_EQ(doc.value("A", "j"), "Ł");
}

TEST(TextCodec, FoldsAsciiAndWindows1252LettersOnly)
{
    EXPECT_TRUE(equalsIgnoreCase("PVERHÖHT", "PVerhöht"));
    EXPECT_TRUE(equalsIgnoreCase("ÀÉÎÕÜÞ", "àéîõüþ"));
    EXPECT_TRUE(equalsIgnoreCase("ŠŒŽŸ", "šœžÿ"));
    EXPECT_FALSE(equalsIgnoreCase("ß", "SS"));
    EXPECT_FALSE(equalsIgnoreCase("×", "÷"));  // not letters
    EXPECT_FALSE(equalsIgnoreCase("Ł", "ł"));  // not in Windows-1252
    EXPECT_EQ(utf8ToCp1252("Ł"), std::nullopt);
    EXPECT_EQ(utf8ToCp1252("\xC0\x80"), std::nullopt);      // overlong
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), std::nullopt);  // surrogate
    EXPECT_EQ(sanitizeUtf8("a\xFF"
                           "b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace lx
