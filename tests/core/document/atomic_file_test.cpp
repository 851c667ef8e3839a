// SPDX-License-Identifier: MIT
#include "core/document/atomic_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/util/error_text.h"

namespace probel::test {
// Calls of umask while a test counts them.
std::atomic<bool> countingUmask{false};
std::atomic<int> umaskCalls{0};
}  // namespace probel::test

// Stands in for the C library's umask in this test program and passes every call on, so a test
// can see that saving leaves the process's umask alone (threads share it).
extern "C" mode_t umask(mode_t mask) noexcept
{
    if (probel::test::countingUmask)
        ++probel::test::umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace probel {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "probel-atomic-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::string path() const { return path_.string(); }

    std::vector<std::string> names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    fs::path path_;
};

std::string contentOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t permissionsOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 0777;
}

std::string documentBytes(std::size_t size)
{
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i)
        bytes += std::to_string(i) + "\r\n";
    bytes.resize(size);
    return bytes;
}

std::string saveMessage(const std::string& path, int error)
{
    return "ファイルを保存できません: " + path + ": " + std::strerror(error);
}

TEST(AtomicFile, WritesANewFileAndReplacesAnOldOne)
{
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.pbl");
    const std::string first("\"0100\"\r\n0\r\n\0\xFF\r\n", 15);
    ASSERT_TRUE(writeFileAtomically(path, first).ok());
    EXPECT_EQ(contentOf(path), first);

    const std::string longer = documentBytes(3'000'000);
    ASSERT_TRUE(writeFileAtomically(path, longer).ok());
    EXPECT_EQ(contentOf(path), longer);

    ASSERT_TRUE(writeFileAtomically(path, "").ok());
    EXPECT_EQ(contentOf(path), "");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"sheet.pbl"});
}

TEST(AtomicFile, KeepsThePermissionsOfTheOldFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.pbl");
    ASSERT_TRUE(writeFileAtomically(path, "old").ok());
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    ASSERT_TRUE(writeFileAtomically(path, "new").ok());
    EXPECT_EQ(permissionsOf(path), 0604U);
}

TEST(AtomicFile, GivesANewFileTheUmaskPermissions)
{
    TemporaryFolder folder;
    const mode_t saved = ::umask(027);
    Status status = writeFileAtomically(folder.file("a.pbl"), "a");
    ::umask(022);
    Status other = writeFileAtomically(folder.file("b.pbl"), "b");
    ::umask(saved);
    ASSERT_TRUE(status.ok());
    ASSERT_TRUE(other.ok());
    EXPECT_EQ(permissionsOf(folder.file("a.pbl")), 0640U);
    EXPECT_EQ(permissionsOf(folder.file("b.pbl")), 0644U);
}

// Changing the umask even for a moment would give a file another thread creates meanwhile the
// wrong permissions.
TEST(AtomicFile, SavingNeverTouchesTheUmask)
{
    TemporaryFolder folder;
    test::umaskCalls = 0;
    test::countingUmask = true;
    const bool created = writeFileAtomically(folder.file("sheet.pbl"), "new").ok();
    const bool replaced = writeFileAtomically(folder.file("sheet.pbl"), "again").ok();
    test::countingUmask = false;
    EXPECT_TRUE(created);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(test::umaskCalls, 0);
}

TEST(AtomicFile, WritesThroughASymbolicLink)
{
    TemporaryFolder folder;
    fs::create_directory(folder.file("real"));
    const std::string real = folder.file("real/sheet.pbl");
    const std::string link = folder.file("link.pbl");
    ASSERT_TRUE(writeFileAtomically(real, "old").ok());
    fs::create_symlink(real, link);
    ASSERT_TRUE(writeFileAtomically(link, "new").ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(real), "new");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.pbl", "real"}));
}

TEST(AtomicFile, AMissingFolderIsReportedWithThePath)
{
    TemporaryFolder folder;
    const std::string path = folder.file("missing/sheet.pbl");
    Status status = writeFileAtomically(path, "data");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(errorText(status.error()), saveMessage(path, ENOENT));
    EXPECT_EQ(status.error().file, path);
    EXPECT_TRUE(folder.names().empty());
}

TEST(AtomicFile, AFolderInTheWayIsLeftAlone)
{
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.pbl");
    fs::create_directory(path);
    Status status = writeFileAtomically(path, "data");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(errorText(status.error()).find("ファイルを保存できません: " + path + ": "), std::string::npos);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(folder.names(), std::vector<std::string>{"sheet.pbl"});
}

// A file size limit makes write() stop part way, as a full disk does: the first write comes
// back short and the next one fails with EFBIG. Run in a child so the limit dies with it.
TEST(AtomicFile, AWriteThatStopsPartWayLeavesTheOldFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.pbl");
    const std::string old = documentBytes(1000);
    ASSERT_TRUE(writeFileAtomically(path, old).ok());
    const std::string replacement = documentBytes(200'000);

    for (rlim_t limit : {rlim_t{0}, rlim_t{1}, rlim_t{4096}, rlim_t{199'999}}) {
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(channel[0]);
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit fileSize{};
            ::getrlimit(RLIMIT_FSIZE, &fileSize);
            fileSize.rlim_cur = limit;
            if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
                ::_exit(2);
            Status status = writeFileAtomically(path, replacement);
            const std::string& message = status.ok() ? std::string() : errorText(status.error());
            ssize_t written = ::write(channel[1], message.data(), message.size());
            ::_exit(status.ok() || written != static_cast<ssize_t>(message.size()) ? 1 : 0);
        }
        ::close(channel[1]);
        std::string message;
        char buffer[512];
        for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
            message.append(buffer, n);
        ::close(channel[0]);
        int childStatus = 0;
        ASSERT_EQ(::waitpid(child, &childStatus, 0), child);
        ASSERT_TRUE(WIFEXITED(childStatus)) << "limit " << limit;
        EXPECT_EQ(WEXITSTATUS(childStatus), 0) << "limit " << limit;
        EXPECT_EQ(message, saveMessage(path, EFBIG)) << "limit " << limit;
        EXPECT_EQ(contentOf(path), old) << "limit " << limit;
        EXPECT_EQ(folder.names(), std::vector<std::string>{"sheet.pbl"}) << "limit " << limit;
    }
}

// A real full disk: a 64 KiB tmpfs. Needs root and a system that allows mounting.
TEST(AtomicFile, AFullDiskLeavesTheOldFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    TemporaryFolder folder;
    if (::mount("none", folder.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{folder.path()};

    const std::string path = folder.file("sheet.pbl");
    const std::string old = documentBytes(20'000);
    ASSERT_TRUE(writeFileAtomically(path, old).ok());

    Status status = writeFileAtomically(path, documentBytes(100'000));
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(errorText(status.error()), saveMessage(path, ENOSPC));
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"sheet.pbl"});

    // The space of the failed attempt is given back: a file that fits is still written.
    const std::string fits = documentBytes(30'000);
    ASSERT_TRUE(writeFileAtomically(path, fits).ok());
    EXPECT_EQ(contentOf(path), fits);
}

TEST(AtomicFile, ReadsAWholeFile)
{
    TemporaryFolder folder;
    const std::string path = folder.file("sheet.pbl");
    const std::string bytes = documentBytes(1'000'000) + std::string("\0\x81", 2);
    ASSERT_TRUE(writeFileAtomically(path, bytes).ok());
    Result<std::string> read = readWholeFile(path);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), bytes);

    ASSERT_TRUE(writeFileAtomically(path, "").ok());
    EXPECT_EQ(readWholeFile(path).value(), "");
}

TEST(AtomicFile, ReadingRefusesWhatIsNotAFile)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("missing.pbl");
    Result<std::string> read = readWholeFile(missing);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(errorText(read.error()), "ファイルを開けません: " + missing + ": " + std::strerror(ENOENT));
    EXPECT_EQ(read.error().file, missing);

    read = readWholeFile(folder.path());
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(errorText(read.error()), "ファイルを開けません: " + folder.path() + ": " + std::strerror(EISDIR));

    const std::string pipe = folder.file("pipe.pbl");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    read = readWholeFile(pipe);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(errorText(read.error()).find("ファイルを開けません: " + pipe), std::string::npos);
}

// A sparse file claims a size no memory could hold; reading must refuse it before setting any
// memory aside, naming the file and its size.
TEST(AtomicFile, ReadingRefusesAFileBeyondTheLimitBeforeTakingMemoryForIt)
{
    TemporaryFolder folder;
    const std::string sparse = folder.file("sparse.pbl");
    {
        std::ofstream create(sparse);
    }
    fs::resize_file(sparse, std::uintmax_t{100} << 30);
    Result<std::string> read = readWholeFile(sparse);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(errorText(read.error()),
              "ファイルを開けません: " + sparse + ": 大きすぎます (100 GiB)。読めるのは 64 MiB までです");

    const std::string small = folder.file("small.pbl");
    ASSERT_TRUE(writeFileAtomically(small, "0123456789").ok());
    EXPECT_EQ(readWholeFile(small, 10).value(), "0123456789") << "the limit itself is allowed";
    read = readWholeFile(small, 9);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().message, "大きすぎます (10 バイト)。読めるのは 9 バイト までです");
}

}  // namespace
}  // namespace probel
