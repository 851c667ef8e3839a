// SPDX-License-Identifier: MIT
#include "core/document/atomic_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/document/save_target.h"
#include "core/util/byte_size_text.h"
#include "core/util/descriptor_io.h"
#include "core/util/file_errors.h"

namespace probel {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kOwnerOnly = 0600;
constexpr mode_t kPermissionBits = 0777;
// Leaves room for the dots and the random suffix within the 255 bytes of a file name.
constexpr std::size_t kMaxNameInTemporary = 200;
constexpr std::size_t kSuffixLength = 8;
// A name is taken again only when someone else made it first; this many tries mean something
// is making them on purpose.
constexpr int kNameAttempts = 100;
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;

Error saveError(const std::string& path, int error)
{
    return saveFileError(path, std::strerror(error));
}

// The start of a hidden sibling of the target, named after it: "folder/.name.".
std::string temporaryPrefix(const std::string& target)
{
    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.size() > kMaxNameInTemporary) {
        std::size_t cut = kMaxNameInTemporary;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U)
            --cut;
        name.resize(cut);
    }
    return folder + "." + name + ".";
}

// Letters and digits that are hard to guess, so that names made by others rarely collide.
// The counter keeps two calls apart should the kernel's random source fail.
std::string randomSuffix()
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static constexpr std::uint64_t kLetterCount = sizeof kLetters - 1;
    static std::atomic<std::uint64_t> calls{0};
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               (static_cast<std::uint64_t>(::getpid()) << 32U);
    }
    bits ^= calls.fetch_add(1) * 0x9E3779B97F4A7C15ULL;
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        suffix.push_back(kLetters[bits % kLetterCount]);
        bits /= kLetterCount;
    }
    return suffix;
}

// Creates a new temporary file next to the target and opens it for writing. The kernel gives
// it `mode` less the umask (or the folder's default ACL), so the umask is never read or
// changed, which other threads would race with. O_EXCL never opens an existing file or link.
int createTemporary(const std::string& prefix, mode_t mode, std::string& name)
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = prefix + randomSuffix();
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

int syncFile(int fd)
{
    while (::fsync(fd) != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Makes the rename itself durable. A folder that cannot be synced still holds the new file.
void syncFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    syncFile(fd);
    ::close(fd);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Status writeFileAtomically(const std::string& path, std::string_view bytes)
{
    return writeFileAtomically(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

Status writeFileAtomically(const std::string& path, const std::function<void(const ByteSink&)>& produce)
{
    Result<SaveTarget> found = findSaveTarget(path);
    if (!found)
        return found.error();
    const SaveTarget& target = found.value();
    const bool replacing = target.exists;

    // A replacement keeps the old file's bits exactly, whatever the umask would take away.
    std::string temporary;
    int fd = createTemporary(temporaryPrefix(target.file), replacing ? kOwnerOnly : kNewFileMode, temporary);
    if (fd < 0)
        return saveError(path, errno);

    int error = 0;
    if (replacing && ::fchmod(fd, target.mode & kPermissionBits) != 0)
        error = errno;
    if (error == 0)
        produce([&](std::string_view bytes) { error = error == 0 ? writeAll(fd, bytes) : error; });
    if (error == 0)
        error = syncFile(fd);
    // After a successful fsync an interrupted close has still released the descriptor and
    // the data is on the disk.
    if (::close(fd) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.file.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return saveError(path, error);
    }
    syncFolder(target.folder);
    return {};
}

Result<std::string> readWholeFile(const std::string& path, std::size_t limit)
{
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0)
        return openFileError(path, std::strerror(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return openFileError(path, std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return openFileError(path, std::strerror(EISDIR));
    }
    if (!S_ISREG(status.st_mode)) {
        return openFileError(path, kNotARegularFile);
    }

    const auto tooLarge = [&path, limit](std::uint64_t size) {
        return openFileError(
            path, "大きすぎます (" + byteSizeText(size) + ")。読めるのは " + byteSizeText(limit) + " までです");
    };
    if (static_cast<std::uint64_t>(status.st_size) > limit) {
        return tooLarge(static_cast<std::uint64_t>(status.st_size));
    }

    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[kReadChunk];
    for (;;) {
        const ssize_t count = readSome(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            return readFileError(path, std::strerror(errno));
        }
        if (count == 0)
            break;
        // A file that grows while it is read is held to the same limit.
        if (static_cast<std::size_t>(count) > limit - content.size()) {
            return tooLarge(content.size() + static_cast<std::size_t>(count));
        }
        content.append(buffer, static_cast<std::size_t>(count));
    }
    return content;
}

}  // namespace probel
