// SPDX-License-Identifier: MIT
// What a save does with targets other than a plain writable file: links, loops, devices,
// pipes, read-only files and links planted in shared folders. Runs as root and as an ordinary
// user: device nodes are made in the test's own folder, never in /dev.
#include "core/document/save_target.h"
#include "core/document/atomic_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "core/util/error_text.h"

namespace probel {
namespace {

namespace fs = std::filesystem;

// An owner that is neither root nor the user running the tests.
constexpr uid_t kOtherUser = 54321;

class SaveTargetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probel-target-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    static std::string contentOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::string& file, const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static mode_t modeOf(const std::string& file)
    {
        struct stat status {};
        EXPECT_EQ(::lstat(file.c_str(), &status), 0) << file;
        return status.st_mode;
    }
    // The message of a save to `file` refused for `reason`.
    static std::string refusal(const std::string& file, const std::string& reason)
    {
        return "ファイルを保存できません: " + file + ": " + reason;
    }
    static std::string saveText(const std::string& file, const std::string& bytes)
    {
        const Status saved = writeFileAtomically(file, bytes);
        return saved ? std::string() : errorText(saved.error());
    }
    // Names in the test folder that are not `expected`: temporary files left behind.
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

TEST_F(SaveTargetTest, ADanglingLinkGetsItsFileCreatedAndStaysALink)
{
    fs::create_directory(path("real"));
    fs::create_symlink("real/new.pbl", path("link.pbl"));
    EXPECT_EQ(saveText(path("link.pbl"), "new"), "");
    EXPECT_TRUE(fs::is_symlink(path("link.pbl")));
    EXPECT_EQ(contentOf(path("real/new.pbl")), "new");

    // A chain of relative links, each read from its own folder.
    fs::create_directory(path("sub"));
    fs::create_symlink("../link.pbl", path("sub/chain.pbl"));
    EXPECT_EQ(saveText(path("sub/chain.pbl"), "again"), "");
    EXPECT_TRUE(fs::is_symlink(path("sub/chain.pbl")));
    EXPECT_TRUE(fs::is_symlink(path("link.pbl")));
    EXPECT_EQ(contentOf(path("real/new.pbl")), "again");
    EXPECT_EQ(entries(), 3U);
}

TEST_F(SaveTargetTest, ALoopOfLinksIsRefusedAndLeftAsItWas)
{
    fs::create_symlink("b.pbl", path("a.pbl"));
    fs::create_symlink("a.pbl", path("b.pbl"));
    fs::create_symlink("self.pbl", path("self.pbl"));
    for (const char* name : {"a.pbl", "self.pbl"}) {
        EXPECT_EQ(saveText(path(name), "data"), refusal(path(name), std::strerror(ELOOP)));
    }
    EXPECT_TRUE(fs::is_symlink(path("a.pbl")));
    EXPECT_TRUE(fs::is_symlink(path("b.pbl")));
    EXPECT_EQ(fs::read_symlink(path("self.pbl")), "self.pbl");
    EXPECT_EQ(entries(), 3U);
}

TEST_F(SaveTargetTest, OnlyRegularFilesAreReplaced)
{
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0666), 0);
    fs::create_symlink(path("pipe"), path("to-pipe.png"));
    // A null device of our own as root; as anyone else /dev/null, which they cannot replace.
    std::string device = "/dev/null";
    if (::geteuid() == 0) {
        device = path("null");
        ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0) << std::strerror(errno);
    }
    fs::create_symlink(device, path("to-device.png"));

    for (const char* name : {"pipe", "to-pipe.png", "to-device.png"}) {
        EXPECT_EQ(saveText(path(name), "picture"), refusal(path(name), "通常のファイルではありません")) << name;
    }
    EXPECT_TRUE(S_ISFIFO(modeOf(path("pipe"))));
    EXPECT_TRUE(S_ISCHR(modeOf(device)));
    EXPECT_TRUE(fs::is_symlink(path("to-pipe.png")));
    EXPECT_TRUE(fs::is_symlink(path("to-device.png")));
    EXPECT_EQ(entries(), ::geteuid() == 0 ? 4U : 3U);
}

TEST_F(SaveTargetTest, AReadOnlyFileIsRefusedByItsMode)
{
    const std::string locked = path("ro.pbl");
    write(locked, "old");
    ASSERT_EQ(::chmod(locked.c_str(), 0444), 0);
    fs::create_symlink(locked, path("to-ro.pbl"));
    EXPECT_EQ(saveText(locked, "new"), refusal(locked, "読み取り専用のファイルです"));
    EXPECT_EQ(saveText(path("to-ro.pbl"), "new"), refusal(path("to-ro.pbl"), "読み取り専用のファイルです"));
    EXPECT_EQ(contentOf(locked), "old");
    EXPECT_EQ(modeOf(locked) & 07777, 0444U);
    EXPECT_EQ(entries(), 2U);

    // One write bit for the owner is enough for the owner, and it is kept.
    ASSERT_EQ(::chmod(locked.c_str(), 0644), 0);
    EXPECT_EQ(saveText(locked, "new"), "");
    EXPECT_EQ(contentOf(locked), "new");
    EXPECT_EQ(modeOf(locked) & 07777, 0644U);
}

// As in /tmp: a folder everyone may write, sticky, where a link by someone else is followed only
// when the folder's owner made it. Setting the link's owner needs root.
TEST_F(SaveTargetTest, ALinkPlantedInAStickyFolderIsFollowedOnlyWhereTheKernelWould)
{
    const std::string shared = path("shared");
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string victim = path("victim.pbl");
    write(victim, "precious");
    const std::string link = shared + "/out.pbl";
    fs::create_symlink(victim, link);

    // The user's own link is followed.
    EXPECT_EQ(saveText(link, "mine"), "");
    EXPECT_EQ(contentOf(victim), "mine");

    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs root";
    }
    ASSERT_EQ(::lchown(link.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(saveText(link, "planted"), refusal(link, "他のユーザーが共有フォルダーに置いたリンクはたどりません"));
    EXPECT_EQ(contentOf(victim), "mine");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(std::distance(fs::directory_iterator(shared), fs::directory_iterator()), 1);

    // Not sticky, or not writable by everyone: the kernel follows it, and so does saving.
    for (mode_t mode : {0777, 01775}) {
        ASSERT_EQ(::chmod(shared.c_str(), mode), 0);
        EXPECT_EQ(saveText(link, "followed"), "") << std::oct << mode;
        write(victim, "mine");
    }
    // The folder's owner owns the link.
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    ASSERT_EQ(::chown(shared.c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    EXPECT_EQ(saveText(link, "owner's"), "");
    EXPECT_EQ(contentOf(victim), "owner's");
}

TEST_F(SaveTargetTest, TheTargetNamesTheFileAtTheEndOfTheLinks)
{
    write(path("real.pbl"), "old");
    ASSERT_EQ(::chmod(path("real.pbl").c_str(), 0640), 0);
    fs::create_symlink("real.pbl", path("link.pbl"));
    const Result<SaveTarget> found = findSaveTarget(path("link.pbl"));
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->file, path("real.pbl"));
    EXPECT_EQ(found->folder, folder_.string());
    EXPECT_TRUE(found->exists);
    EXPECT_EQ(found->mode & 07777, 0640U);

    const Result<SaveTarget> fresh = findSaveTarget("new.pbl");
    ASSERT_TRUE(fresh.ok());
    EXPECT_EQ(fresh->file, "new.pbl");
    EXPECT_EQ(fresh->folder, ".");
    EXPECT_FALSE(fresh->exists);
}

}  // namespace
}  // namespace probel
