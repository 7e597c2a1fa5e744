#include "ReplacingSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "IniDocument.h"

namespace lx {

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMaxLinks = 40;

SaveSystemCalls systemCalls()
{
    SaveSystemCalls c;
    c.openUnnamed = [](const std::filesystem::path& folder, unsigned mode) {
        const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
        return fd >= 0 ? fd : -errno;
    };
    c.write = [](int fd, std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return 0;
    };
    c.syncFile = [](int fd) { return ::fsync(fd) == 0 ? 0 : errno; };
    c.rename = [](const std::filesystem::path& from, const std::filesystem::path& to) {
        return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    };
    c.syncFolder = [](int fd) { return ::fsync(fd) == 0 ? 0 : errno; };
    return c;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void reset(int fd) { fd_ = fd; }
    // Closes now; 0 or the errno value.
    int close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// The file a path names once its symbolic links are followed; the path itself
// when it is no link or names nothing yet. `error` is set when the links
// cannot be followed.
std::filesystem::path followLinks(const std::filesystem::path& file, int& error)
{
    std::filesystem::path p = file;
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(p, ec)) || ec) return p;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) {
            error = ec.value();
            return p;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    error = ELOOP;
    return p;
}

std::filesystem::path tempPath(const std::filesystem::path& folder, const std::filesystem::path& target,
                               std::mt19937& gen)
{
    // A leading dot and no ".abr" ending keep the file out of the record list;
    // the name is cut so that the longest target name still leaves room.
    char suffix[16];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(gen()));
    return folder / ("." + target.filename().native().substr(0, 64) + suffix);
}

bool isLowerHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Left-overs of saves that were interrupted after the temporary file got its name.
void removeStaleTemps(const std::filesystem::path& folder)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_symlink(typeEc) && it->is_regular_file(typeEc) &&
            isReplacingSaveTempName(it->path().filename().native())) {
            std::filesystem::remove(it->path(), typeEc);
        }
    }
}

}  // namespace

SaveSystemCalls& saveSystemCalls()
{
    static SaveSystemCalls calls = systemCalls();
    return calls;
}

bool isReplacingSaveTempName(std::string_view name)
{
    constexpr std::string_view kEnd = ".tmp";
    constexpr std::size_t kHex = 8;
    if (name.size() < 2 + 1 + kHex + kEnd.size() || name.front() != '.' || !name.ends_with(kEnd)) return false;
    const std::string_view hex = name.substr(name.size() - kEnd.size() - kHex, kHex);
    for (char c : hex) {
        if (!isLowerHex(c)) return false;
    }
    return name[name.size() - kEnd.size() - kHex - 1] == '.';
}

void saveFileReplacing(const std::filesystem::path& file, std::string_view data)
{
    auto fail = [&](std::string_view reason) {
        return IniError("Die Datei " + pathText(file) + " kann nicht gespeichert werden (" + std::string(reason) +
                        ").");
    };
    const SaveSystemCalls& calls = saveSystemCalls();

    int linkError = 0;
    const std::filesystem::path target = followLinks(file, linkError);
    if (linkError != 0) throw fail(fileErrorReason(linkError));
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) throw fail(fileErrorReason(errno));
    if (exists) {
        if (S_ISDIR(old.st_mode)) throw fail(fileErrorReason(EISDIR));
        // A pipe or device would be replaced by a plain file.
        if (!S_ISREG(old.st_mode)) throw fail("keine gewöhnliche Datei");
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) throw fail("schreibgeschützt");
        if (::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            throw fail(fileErrorReason(errno));
        }
    }
    // The new file keeps the old one's permissions; a new one gets the usual ones less the umask.
    const mode_t mode = exists ? (old.st_mode & 07777) : 0666;

    Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() < 0) throw fail(fileErrorReason(errno));

    std::random_device seed;
    std::mt19937 gen(seed());
    std::filesystem::path temp;
    bool named = false;
    Descriptor out(calls.openUnnamed(folder, mode));
    if (out.get() < 0) {
        const int error = -out.get();
        // File systems without unnamed files; anything else is a reason to stop.
        if (error != EOPNOTSUPP && error != EISDIR && error != EINVAL) throw fail(fileErrorReason(error));
        for (int attempt = 0; attempt < 100 && out.get() < 0; ++attempt) {
            temp = tempPath(folder, target, gen);
            out.reset(::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode));
            if (out.get() < 0 && errno != EEXIST) throw fail(fileErrorReason(errno));
        }
        if (out.get() < 0) throw fail(fileErrorReason(EEXIST));
        named = true;
    }
    auto discard = [&](int error) {
        if (named) ::unlink(temp.c_str());
        return fail(fileErrorReason(error != 0 ? error : EIO));
    };

    int error = calls.write(out.get(), data);
    if (error == 0 && exists) {
        if (::fchmod(out.get(), mode) != 0) error = errno;
        // Root saving someone's record leaves it theirs; for anyone else this fails harmlessly.
        if (::geteuid() == 0 && ::fchown(out.get(), old.st_uid, old.st_gid) != 0) {
        }
    }
    if (error == 0) error = calls.syncFile(out.get());
    if (error != 0) throw discard(error);

    // Named only now that it is complete.
    if (!named) {
        const std::string self = "/proc/self/fd/" + std::to_string(out.get());
        for (int attempt = 0; attempt < 100 && !named; ++attempt) {
            temp = tempPath(folder, target, gen);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                (errno == ENOENT && ::linkat(out.get(), "", AT_FDCWD, temp.c_str(), AT_EMPTY_PATH) == 0)) {
                named = true;
            } else if (errno != EEXIST) {
                throw fail(fileErrorReason(errno));
            }
        }
        if (!named) throw fail(fileErrorReason(EEXIST));
    }
    error = out.close();
    if (error != 0) throw discard(error);
    error = calls.rename(temp, target);
    if (error != 0) throw discard(error);
    // The rename itself reaches the disk only with its folder.
    error = calls.syncFolder(folderFd.get());
    if (error != 0) throw fail(fileErrorReason(error));
    removeStaleTemps(folder);
}

}  // namespace lx
