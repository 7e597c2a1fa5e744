#include <gtest/gtest.h>

#include <cstdio>

#include "IniDocument.h"
#include "RecordFiles.h"
#include "TempDir.h"

namespace lx {
namespace {

using test::TempDir;
using test::writeBytes;

TEST(RecordFiles, SafeNames)
{
    const std::pair<std::string, bool> cases[] = {
        {"Standard", true},    {"Max.Mustermann", true}, {"Jürgen Müller", true}, {"a.abr", true}, {"", false},
        {".versteckt", false}, {"../x", false},          {"a/b", false},          {"a\\b", false}, {"a\tb", false},
        {"a\x7F", false},      {"a\xC2\x85", false},     {"\xFF", false},
    };
    for (const auto& [name, safe] : cases) EXPECT_EQ(IsSafeRecordName(name), safe) << '"' << name << '"';
}

TEST(RecordFiles, ListsRegularRecordFilesByName)
{
    TempDir dir;
    for (const char* name : {"b.abr", "Y.ABR", "a.abr.abr", "Max.Mustermann.abr", "Ärger.Abr", ".abr", ".x.abr",
                             "notiz.txt", "abr", "c.abr~"}) {
        writeBytes(dir / name, "");
    }
    std::filesystem::create_directory(dir / "x.abr");
    std::filesystem::create_symlink(dir / "b.abr", dir / "Link.abr");
    std::filesystem::create_symlink(dir / "fehlt", dir / "Tot.abr");
    EXPECT_EQ(ListFilesByMask(dir.path()),
              (std::vector<std::string>{"a.abr", "b", "Link", "Max.Mustermann", "Y", "Ärger"}));
    EXPECT_EQ(ListFilesByMask(dir / "fehlt"), std::vector<std::string>{});
    EXPECT_EQ(ListFilesByMask(dir / "notiz.txt"), std::vector<std::string>{});
}

TEST(RecordFiles, ListsAtMost255SortedCaseInsensitively)
{
    TempDir dir;
    for (int i = 0; i < 300; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, i % 2 ? "r%03d.abr" : "R%03d.ABR", i);
        writeBytes(dir / name, "");
    }
    std::vector<std::string> names = ListFilesByMask(dir.path());
    ASSERT_EQ(names.size(), 255u);
    EXPECT_EQ(names.front(), "R000");
    EXPECT_EQ(names[1], "r001");
    EXPECT_EQ(names.back(), "R254");
}

TEST(RecordFiles, FindsTheRecordFileExactlyOrInAnyCase)
{
    TempDir dir;
    writeBytes(dir / "Standard.abr", "");
    writeBytes(dir / "MÜLLER.ABR", "");
    writeBytes(dir / "müller.abr", "");
    std::filesystem::create_directory(dir / "Ordner.abr");
    EXPECT_EQ(findRecordFile(dir.path(), "Standard"), dir / "Standard.abr");
    EXPECT_EQ(findRecordFile(dir.path(), "STANDARD"), dir / "Standard.abr");
    EXPECT_EQ(findRecordFile(dir.path(), "müller"), dir / "müller.abr");
    EXPECT_EQ(findRecordFile(dir.path(), "Müller"), dir / "MÜLLER.ABR");  // first in byte order
    EXPECT_EQ(findRecordFile(dir.path(), "Ordner"), std::nullopt);
    EXPECT_EQ(findRecordFile(dir.path(), "Sta"), std::nullopt);
    EXPECT_EQ(findRecordFile(dir / "fehlt", "Standard"), std::nullopt);

    // A typed name is never a path.
    std::filesystem::create_directory(dir / "unter");
    EXPECT_EQ(findRecordFile(dir / "unter", "../Standard"), std::nullopt);
    EXPECT_EQ(findRecordFile(dir.path(), pathText(dir / "Standard")), std::nullopt);
}

TEST(RecordFiles, NameOfASavedFile)
{
    EXPECT_EQ(recordNameOfFile("/x/Max.Mustermann.abr"), "Max.Mustermann");
    EXPECT_EQ(recordNameOfFile("/x/Neu.ABR"), "Neu");
    EXPECT_EQ(recordNameOfFile("/x/Neu.txt"), std::nullopt);
    EXPECT_EQ(recordNameOfFile("/x/.abr"), std::nullopt);
    EXPECT_EQ(recordNameOfFile("/x/.versteckt.abr"), std::nullopt);
    EXPECT_EQ(recordFilePath("/x", "Jürgen"), std::filesystem::path("/x/Jürgen.abr"));
}

TEST(RecordFiles, RemovesOrSaysWhy)
{
    TempDir dir;
    writeBytes(dir / "Weg.abr", "");
    std::filesystem::create_directory(dir / "Ordner.abr");
    removeRecordFile(dir / "Weg.abr");
    EXPECT_FALSE(std::filesystem::exists(dir / "Weg.abr"));
    const std::pair<const char*, const char*> failures[] = {
        {"Weg.abr", "nicht gefunden"},
        {"Ordner.abr", "ist ein Ordner"},
    };
    for (const auto& [name, reason] : failures) {
        try {
            removeRecordFile(dir / name);
            ADD_FAILURE() << name;
        } catch (const IniError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Die Datei " + pathText(dir / name) + " kann nicht gelöscht werden (" + reason + ").");
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Ordner.abr"));
}

}  // namespace
}  // namespace lx
