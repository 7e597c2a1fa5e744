// The replacing save: flushed before and after the rename, read-only targets
// refused, links kept, no temporary file left, failures at every step.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "IniDocument.h"
#include "ReplacingSave.h"
#include "TempDir.h"

namespace lx {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// Puts the real system calls back after a test replaced some.
class Calls {
public:
    ~Calls() { saveSystemCalls() = saved_; }
    SaveSystemCalls& operator*() { return saveSystemCalls(); }
    SaveSystemCalls* operator->() { return &saveSystemCalls(); }
    const SaveSystemCalls& real() const { return saved_; }

private:
    SaveSystemCalls saved_ = saveSystemCalls();
};

std::string message(const fs::path& file, const std::string& reason)
{
    return "Die Datei " + pathText(file) + " kann nicht gespeichert werden (" + reason + ").";
}

std::string saveError(const fs::path& file, const std::string& bytes)
{
    try {
        saveFileReplacing(file, bytes);
    } catch (const IniError& e) {
        return e.what();
    }
    return "";
}

TEST(ReplacingSave, FlushesTheFileBeforeTheRenameAndTheFolderAfter)
{
    for (const bool unnamed : {true, false}) {
        TempDir dir;
        const fs::path target = dir / "a.abr";
        test::writeBytes(target, "alt");
        Calls calls;
        std::vector<std::string> steps;
        std::vector<std::string> whileWriting;
        if (!unnamed) calls->openUnnamed = [](const fs::path&, unsigned) { return -EOPNOTSUPP; };
        calls->write = [&](int fd, std::string_view bytes) {
            steps.push_back("write");
            whileWriting = dir.entries();
            return calls.real().write(fd, bytes);
        };
        calls->syncFile = [&](int fd) {
            steps.push_back("syncFile");
            return calls.real().syncFile(fd);
        };
        calls->rename = [&](const fs::path& from, const fs::path& to) {
            steps.push_back("rename " + from.filename().string() + " " + to.filename().string());
            EXPECT_TRUE(isReplacingSaveTempName(from.filename().native())) << from;
            return calls.real().rename(from, to);
        };
        calls->syncFolder = [&](int fd) {
            steps.push_back("syncFolder");
            return calls.real().syncFolder(fd);
        };
        saveFileReplacing(target, "neu");
        ASSERT_EQ(steps.size(), 4u) << unnamed;
        EXPECT_EQ(steps[0], "write");
        EXPECT_EQ(steps[1], "syncFile");
        EXPECT_EQ(steps[2].substr(steps[2].size() - 6), " a.abr");
        EXPECT_EQ(steps[3], "syncFolder");
        EXPECT_EQ(test::readBytes(target), "neu");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.abr"});
        // The unnamed file shows up only when complete; the fallback's name is hidden.
        if (unnamed) {
            EXPECT_EQ(whileWriting, std::vector<std::string>{"a.abr"});
        } else {
            ASSERT_EQ(whileWriting.size(), 2u);
            EXPECT_TRUE(isReplacingSaveTempName(whileWriting[0])) << whileWriting[0];
        }
    }
}

TEST(ReplacingSave, AFailedStepLeavesTheOldFileAndNoTemporaryOne)
{
    struct Fall {
        const char* schritt;
        int fehler;
        const char* grund;
    };
    for (const bool unnamed : {true, false}) {
        for (const Fall& f : {Fall{"write", ENOSPC, "kein Platz auf dem Datenträger"},
                              Fall{"syncFile", EIO, "Ein-/Ausgabefehler"}, Fall{"rename", EACCES, "keine Berechtigung"},
                              Fall{"openUnnamed", EROFS, "schreibgeschützter Datenträger"}}) {
            if (!unnamed && std::string(f.schritt) == "openUnnamed") continue;
            TempDir dir;
            const fs::path target = dir / "a.ini";
            test::writeBytes(target, "alt");
            Calls calls;
            if (!unnamed) calls->openUnnamed = [](const fs::path&, unsigned) { return -EINVAL; };
            const std::string schritt = f.schritt;
            const int fehler = f.fehler;
            if (schritt == "write") calls->write = [fehler](int, std::string_view) { return fehler; };
            if (schritt == "syncFile") calls->syncFile = [fehler](int) { return fehler; };
            if (schritt == "rename") calls->rename = [fehler](const fs::path&, const fs::path&) { return fehler; };
            if (schritt == "openUnnamed") calls->openUnnamed = [fehler](const fs::path&, unsigned) { return -fehler; };
            EXPECT_EQ(saveError(target, "neu"), message(target, f.grund)) << schritt << " " << unnamed;
            EXPECT_EQ(test::readBytes(target), "alt") << schritt;
            EXPECT_EQ(dir.entries(), std::vector<std::string>{"a.ini"}) << schritt << " " << unnamed;
        }
    }
    // The folder cannot be flushed: the new file is in place, but the user is told.
    TempDir dir;
    Calls calls;
    calls->syncFolder = [](int) { return EIO; };
    EXPECT_EQ(saveError(dir / "b.ini", "neu"), message(dir / "b.ini", "Ein-/Ausgabefehler"));
    EXPECT_EQ(test::readBytes(dir / "b.ini"), "neu");
}

TEST(ReplacingSave, ReadOnlyTargetsAreRefusedUnchanged)
{
    // Root writes whatever the bits say; the save itself looks at them.
    for (const fs::perms bits : {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                                 fs::perms::owner_read, fs::perms::none}) {
        TempDir dir;
        const fs::path target = dir / "fest.abr";
        test::writeBytes(target, "alt");
        fs::permissions(target, bits);
        EXPECT_EQ(saveError(target, "neu"), message(target, "schreibgeschützt")) << static_cast<int>(bits);
        EXPECT_EQ(test::readBytes(target), "alt");
        EXPECT_EQ(fs::status(target).permissions(), bits);
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"fest.abr"});
    }
    // One write bit is enough, and the bits stay as they were.
    TempDir dir;
    const fs::path target = dir / "gruppe.abr";
    test::writeBytes(target, "alt");
    const fs::perms bits = fs::perms::owner_read | fs::perms::group_read | fs::perms::group_write;
    fs::permissions(target, bits);
    EXPECT_EQ(saveError(target, "neu"), "");
    EXPECT_EQ(fs::status(target).permissions(), bits);
    // A pipe in the target's place is no file to replace.
    ASSERT_EQ(mkfifo((dir / "pipe.abr").c_str(), 0644), 0);
    EXPECT_EQ(saveError(dir / "pipe.abr", "neu"), message(dir / "pipe.abr", "keine gewöhnliche Datei"));
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.abr"));
}

TEST(ReplacingSave, ALinkStaysALinkAndItsFileGetsTheBytes)
{
    TempDir dir;
    fs::create_directory(dir / "echt");
    test::writeBytes(dir / "echt" / "Max.abr", "alt");
    // Relative, absolute, a chain of two, and one whose file does not exist yet.
    fs::create_symlink("echt/Max.abr", dir / "relativ.abr");
    fs::create_symlink(dir / "echt" / "Max.abr", dir / "absolut.abr");
    fs::create_symlink("relativ.abr", dir / "kette.abr");
    fs::create_symlink("echt/Neu.abr", dir / "neu.abr");
    for (const char* link : {"relativ.abr", "absolut.abr", "kette.abr", "neu.abr"}) {
        const std::string bytes = std::string("über ") + link;
        EXPECT_EQ(saveError(dir / link, bytes), "") << link;
        EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
        EXPECT_EQ(test::readBytes(dir / link), bytes) << link;
    }
    EXPECT_EQ(test::readBytes(dir / "echt" / "Max.abr"), "über kette.abr");
    EXPECT_EQ(test::readBytes(dir / "echt" / "Neu.abr"), "über neu.abr");
    EXPECT_EQ(TempDir::entriesOf(dir / "echt"), (std::vector<std::string>{"Max.abr", "Neu.abr"}));
    // A link to itself.
    fs::create_symlink("schleife.abr", dir / "schleife.abr");
    EXPECT_EQ(saveError(dir / "schleife.abr", "x"),
              message(dir / "schleife.abr", "zu viele symbolische Verknüpfungen"));
    EXPECT_TRUE(fs::is_symlink(dir / "schleife.abr"));
}

TEST(ReplacingSave, ACompletedSaveRemovesWhatInterruptedSavesLeft)
{
    TempDir dir;
    const std::vector<std::string> reste = {".a.ini.0123abcd.tmp", ".Max.abr.ffffffff.tmp", ".x.00000000.tmp"};
    const std::vector<std::string> fremde = {
        ".a.ini.0123ABCD.tmp", "a.ini.0123abcd.tmp", ".x.0123abc.tmp", "..tmp", ".keep", "b.tmp"};
    for (const auto& name : reste) test::writeBytes(dir / name, "");
    for (const auto& name : fremde) test::writeBytes(dir / name, "fremd");
    // A folder of that pattern is nobody's temporary file.
    fs::create_directory(dir / ".ordner.12345678.tmp");
    saveFileReplacing(dir / "a.ini", "neu");
    std::vector<std::string> erwartet = fremde;
    erwartet.push_back(".ordner.12345678.tmp");
    erwartet.push_back("a.ini");
    std::sort(erwartet.begin(), erwartet.end());
    EXPECT_EQ(dir.entries(), erwartet);
}

TEST(ReplacingSave, AFullDiskLeavesTheOldFile)
{
    TempDir dir;
    const fs::path platte = dir / "platte";
    fs::create_directory(platte);
    if (::mount("tmpfs", platte.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "no small file system to fill here (" << std::strerror(errno) << ")";
    }
    struct Aushaengen {
        fs::path pfad;
        ~Aushaengen() { ::umount2(pfad.c_str(), MNT_DETACH); }
    } aushaengen{platte};
    const fs::path target = platte / "Max.abr";
    test::writeBytes(target, "[HauptForm]\r\nSteuerklasse=1\r\n");
    {
        std::FILE* f = std::fopen((platte / "voll").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string block(4096, 'x');
        while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
    }
    EXPECT_EQ(saveError(target, std::string(8192, 'n')), message(target, "kein Platz auf dem Datenträger"));
    EXPECT_EQ(test::readBytes(target), "[HauptForm]\r\nSteuerklasse=1\r\n");
    EXPECT_EQ(TempDir::entriesOf(platte), (std::vector<std::string>{"Max.abr", "voll"}));
}

TEST(ReplacingSave, KnowsItsTemporaryNames)
{
    for (const char* name : {".a.0123abcd.tmp", ".Max Müller.abr.deadbeef.tmp"}) {
        EXPECT_TRUE(isReplacingSaveTempName(name)) << name;
    }
    for (const char* name : {"..0123abcd.tmp", "a.0123abcd.tmp", ".a.0123abcg.tmp", ".a.0123abcd.tm", ".a0123abcd.tmp",
                             ".a.0123abcd.tmp.x", ""}) {
        EXPECT_FALSE(isReplacingSaveTempName(name)) << name;
    }
}

}  // namespace
}  // namespace lx
