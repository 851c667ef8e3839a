// SPDX-License-Identifier: MIT
#include "core/util/path_resolution.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "core/util/error_text.h"

namespace probel {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 65534;

class PathResolutionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "probel-paths-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        // The folder as the kernel names it, links in the temporary folder's own path resolved.
        root_ = fs::canonical(pattern).string();
        fs::create_directories(root_ + "/Sub");
        std::ofstream(root_ + "/Sub/Lot.pbl") << "x";
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string resolved(const std::string& path) const
    {
        const Result<ResolvedPath> result = resolvePath(path);
        EXPECT_TRUE(result.ok()) << (result.ok() ? "" : errorText(result.error()));
        return result.ok() ? result->path + (result->exists ? "" : " (missing)") : "";
    }
    std::string refusal(const std::string& path) const
    {
        const Result<ResolvedPath> result = resolvePath(path);
        return result.ok() ? "resolved to " + result->path : result.error().message;
    }

    std::string root_;
};

TEST_F(PathResolutionTest, NamesAreResolvedAsTheKernelWalksThem)
{
    fs::create_symlink("Sub/Lot.pbl", root_ + "/relative-link.pbl");
    fs::create_symlink(root_ + "/Sub", root_ + "/folder-link");
    fs::create_symlink("../relative-link.pbl", root_ + "/Sub/chain.pbl");
    const std::string lot = root_ + "/Sub/Lot.pbl";
    EXPECT_EQ(resolved(root_ + "/Sub/../Sub/./Lot.pbl"), lot);
    EXPECT_EQ(resolved(root_ + "//Sub///Lot.pbl"), lot);
    EXPECT_EQ(resolved(root_ + "/relative-link.pbl"), lot);
    EXPECT_EQ(resolved(root_ + "/folder-link/Lot.pbl"), lot);
    EXPECT_EQ(resolved(root_ + "/folder-link/../Sub/chain.pbl"), lot) << "\"..\" after a link leaves its target";
    EXPECT_EQ(resolved("/"), "/");
    EXPECT_EQ(resolved("/.."), "/");

    const std::string before = fs::current_path().string();
    fs::current_path(root_ + "/Sub");
    EXPECT_EQ(resolved("Lot.pbl"), lot);
    EXPECT_EQ(resolved("../relative-link.pbl"), lot);
    fs::current_path(before);
}

TEST_F(PathResolutionTest, WhatDoesNotExistYetKeepsItsNamesUnderItsResolvedFolder)
{
    fs::create_symlink(root_ + "/Sub", root_ + "/folder-link");
    EXPECT_EQ(resolved(root_ + "/folder-link/new.pbl"), root_ + "/Sub/new.pbl (missing)");
    EXPECT_EQ(resolved(root_ + "/folder-link/no/such/../new.pbl"), root_ + "/Sub/no/new.pbl (missing)");
    EXPECT_EQ(resolved(root_ + "/Sub/lot.pbl"), root_ + "/Sub/lot.pbl (missing)") << "letter case counts";
    fs::create_symlink("nowhere.pbl", root_ + "/dangling.pbl");
    EXPECT_EQ(resolved(root_ + "/dangling.pbl"), root_ + "/nowhere.pbl (missing)");
}

TEST_F(PathResolutionTest, LoopsEmptyNamesAndNamesUnderAFileAreRefused)
{
    fs::create_symlink("b", root_ + "/a");
    fs::create_symlink("a", root_ + "/b");
    EXPECT_EQ(refusal(root_ + "/a"), std::strerror(ELOOP));
    EXPECT_EQ(refusal(root_ + "/Sub/Lot.pbl/x"), std::strerror(ENOTDIR));
    EXPECT_EQ(refusal(root_ + "/Sub/Lot.pbl/."), std::strerror(ENOTDIR));
    EXPECT_EQ(refusal(""), std::strerror(ENOENT));
    const Result<ResolvedPath> result = resolvePath(root_ + "/a");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(errorText(result.error()), "ファイルを開けません: " + root_ + "/a: " + std::strerror(ELOOP));
}

// As in /tmp: a folder everyone may write, sticky. A link there that another user made is not
// followed, unless the folder is that user's; the user's own links are.
TEST_F(PathResolutionTest, ALinkPlantedInASharedStickyFolderIsNotFollowed)
{
    const std::string shared = root_ + "/shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string planted = shared + "/report.pbl";
    fs::create_symlink(root_ + "/Sub/Lot.pbl", planted);
    fs::create_symlink(root_ + "/Sub/Lot.pbl", shared + "/own.pbl");
    EXPECT_EQ(resolved(shared + "/own.pbl"), root_ + "/Sub/Lot.pbl");
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a link to another user needs root";
    }
    ASSERT_EQ(::lchown(planted.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(refusal(planted), kPlantedLinkRefused);
    EXPECT_EQ(refusal(shared + "/../shared/report.pbl"), kPlantedLinkRefused);

    ASSERT_EQ(::chown(shared.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(resolved(planted), root_ + "/Sub/Lot.pbl") << "the folder's owner may place links in it";
    ASSERT_EQ(::chown(shared.c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(shared.c_str(), 0777), 0);
    EXPECT_EQ(resolved(planted), root_ + "/Sub/Lot.pbl") << "not sticky: the kernel follows it too";
}

}  // namespace
}  // namespace probel
