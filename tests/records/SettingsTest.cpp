#include <gtest/gtest.h>

#include <vector>

#include "IniDocument.h"
#include "Settings.h"
#include "TempDir.h"

namespace lx {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

TEST(Settings, StoresThePathAsUtf8WithBom)
{
    TempDir dir;
    const auto file = dir / std::string(kSettingsFileName);
    EXPECT_EQ(readStammPfad(file), std::nullopt);
    EXPECT_EQ(stammPfadOr(file, "/opt/prog"), "/opt/prog");

    writeStammPfad(file, "/home/łukasz/Stammdaten");
    EXPECT_EQ(readBytes(file), "\xEF\xBB\xBF[StammPfad]\r\nPfad=/home/\xC5\x82ukasz/Stammdaten\r\n");
    EXPECT_EQ(readStammPfad(file), "/home/łukasz/Stammdaten");

    writeStammPfad(file, " /mit Rand ");
    EXPECT_EQ(stammPfadOr(file, "/opt/prog"), " /mit Rand ");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"Stammpfad.ini"});
}

TEST(Settings, KeepsOtherLinesAndTurnsAnOldFileIntoUtf8)
{
    TempDir dir;
    const auto file = dir / "Stammpfad.ini";
    writeBytes(file, "; Ordner f\xFCr Stammdaten\r\n[stammpfad]\r\npfad=C:\\Alt\r\n");
    EXPECT_EQ(readStammPfad(file), "C:\\Alt");
    writeStammPfad(file, "/Ł");
    EXPECT_EQ(readBytes(file), "\xEF\xBB\xBF; Ordner f\xC3\xBCr Stammdaten\r\n[stammpfad]\r\npfad=/\xC5\x81\r\n");
}

TEST(Settings, UnusableFilesFallBack)
{
    TempDir dir;
    writeBytes(dir / "leer.ini", "[StammPfad]\r\nPfad=\r\n");
    writeBytes(dir / "nul.ini", std::string("[StammPfad]\r\nPfad=/x\0", 21));
    writeBytes(dir / "anders.ini", "[Sonst]\r\nPfad=/x\r\n");
    std::filesystem::create_directory(dir / "ordner.ini");
    for (const char* name : {"leer.ini", "nul.ini", "anders.ini", "ordner.ini"}) {
        EXPECT_EQ(stammPfadOr(dir / name, "/prog"), "/prog") << name;
    }
    EXPECT_THROW(writeStammPfad(dir / "nul.ini", "/y"), IniError);
    EXPECT_THROW(writeStammPfad(dir / "leer.ini" / "x.ini", "/y"), IniError);
}

TEST(Settings, ChoosesTheFirstWritableFolder)
{
    const std::vector<std::filesystem::path> folders{"/prog", "/home/u/.config/prog"};
    std::vector<std::filesystem::path> asked;
    auto only = [&](const std::filesystem::path& writable) {
        return [&asked, writable](const std::filesystem::path& p) {
            asked.push_back(p);
            return p == writable;
        };
    };
    EXPECT_EQ(chooseWritableFolder(folders, only("/prog")), "/prog");
    EXPECT_EQ(asked, std::vector<std::filesystem::path>{"/prog"});
    EXPECT_EQ(chooseWritableFolder(folders, only("/home/u/.config/prog")), "/home/u/.config/prog");
    EXPECT_EQ(chooseWritableFolder(folders, only("/nirgends")), "/home/u/.config/prog");
    EXPECT_EQ(chooseWritableFolder({}, only("/prog")), std::filesystem::path());

    TempDir dir;
    writeBytes(dir / "datei", "");
    EXPECT_TRUE(canCreateFileIn(dir.path()));
    EXPECT_FALSE(canCreateFileIn(dir / "datei"));
    EXPECT_FALSE(canCreateFileIn(dir / "fehlt"));
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"datei"});
    const std::vector<std::filesystem::path> real{dir / "datei", dir.path()};
    EXPECT_EQ(chooseWritableFolder(real, canCreateFileIn), dir.path());
}

}  // namespace
}  // namespace lx
