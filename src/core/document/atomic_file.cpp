// SPDX-License-Identifier: MIT
#include "core/document/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace probel {
namespace {

constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 0777;
// Leaves room for the dot and the mkstemp suffix within the 255 bytes of a file name.
constexpr std::size_t kMaxNameInTemporary = 200;
// Linux writes at most about 2 GiB per call; smaller pieces keep every count in range.
constexpr std::size_t kMaxWriteChunk = std::size_t{1} << 30;
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;

Error fileError(const char* what, const std::string& path, const std::string& reason) {
    return Error{std::string(what) + path + ": " + reason, path, 0};
}

Error saveError(const std::string& path, int error) {
    return fileError("ファイルを保存できません: ", path, std::strerror(error));
}

mode_t currentUmask() {
    mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Writing through a symbolic link must not replace the link by a plain file.
std::string resolvedTarget(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* real = realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

std::string directoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A hidden sibling of the target, named after it, for mkstemp.
std::string temporaryTemplate(const std::string& target) {
    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    if (name.size() > kMaxNameInTemporary) {
        std::size_t cut = kMaxNameInTemporary;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0U) == 0x80U) --cut;
        name.resize(cut);
    }
    return folder + "." + name + ".XXXXXX";
}

// A full disk may accept part of a write without an error; only the whole length counts.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), std::min(bytes.size(), kMaxWriteChunk));
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int syncFile(int fd) {
    while (::fsync(fd) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

// Makes the rename itself durable. A folder that cannot be synced still holds the new file.
void syncFolder(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    syncFile(fd);
    ::close(fd);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & kPermissionBits)
                                                          : (kNewFileMode & ~currentUmask());

    std::string temporary = temporaryTemplate(target);
    int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return saveError(path, errno);

    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    if (error == 0) error = writeAll(fd, bytes);
    if (error == 0) error = syncFile(fd);
    // After a successful fsync an interrupted close has still released the descriptor and
    // the data is on the disk.
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return saveError(path, error);
    }
    syncFolder(directoryOf(target));
    return {};
}

Result<std::string> readWholeFile(const std::string& path) {
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return fileError("ファイルを開けません: ", path, std::strerror(errno));
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return fileError("ファイルを開けません: ", path, std::strerror(errno));
    }
    if (S_ISDIR(status.st_mode)) {
        return fileError("ファイルを開けません: ", path, std::strerror(EISDIR));
    }
    if (!S_ISREG(status.st_mode)) {
        return fileError("ファイルを開けません: ", path, "通常のファイルではありません");
    }

    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[kReadChunk];
    for (;;) {
        ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) continue;
            return fileError("ファイルを読み込めません: ", path, std::strerror(errno));
        }
        if (count == 0) break;
        content.append(buffer, static_cast<std::size_t>(count));
    }
    return content;
}

}  // namespace probel
