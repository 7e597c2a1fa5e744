#pragma once
// The one way the program writes a file (records, the settings file, the
// payslip text): the new bytes go to a temporary file in the target's folder,
// are flushed to the disk and then renamed over the target, and the folder is
// flushed too. A failure at any step leaves the old file as it was, and a
// power cut leaves either the old or the new file, never an empty one.
//
// - An existing target without any write permission bit (0444) is refused:
//   it is read-only for the user even where the system would let the write
//   through (as for root).
// - A symbolic link stays a link; the file it points to gets the new bytes.
// - The temporary file has no name until it is complete (O_TMPFILE), so an
//   interrupted save leaves nothing; where the file system cannot do that, a
//   hidden name of the pattern ".<Name>.<8 hex digits>.tmp" is used. Every
//   completed save removes such names left in its folder.

#include <filesystem>
#include <functional>
#include <string_view>

namespace lx {

// Writes the bytes over the target as above. IniError "Die Datei <Pfad> kann
// nicht gespeichert werden (<Grund>)." naming the path as given.
void saveFileReplacing(const std::filesystem::path& file, std::string_view bytes);

// The steps of a save that reach the disk, so that tests can watch them or
// make one fail (root can write anywhere, and a full disk is hard to come
// by). Each returns 0 or an errno value; openUnnamed returns a descriptor or
// minus an errno value.
struct SaveSystemCalls {
    std::function<int(const std::filesystem::path& folder, unsigned mode)> openUnnamed;
    std::function<int(int fd, std::string_view bytes)> write;
    std::function<int(int fd)> syncFile;
    std::function<int(const std::filesystem::path& from, const std::filesystem::path& to)> rename;
    std::function<int(int folderFd)> syncFolder;
};

// The calls in use; tests replace members and put the old ones back.
SaveSystemCalls& saveSystemCalls();

// Whether a file name is one of the temporary names above.
bool isReplacingSaveTempName(std::string_view name);

}  // namespace lx
