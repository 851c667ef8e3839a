// SPDX-License-Identifier: MIT
#include "app/path_names.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace probel {
namespace {

TEST(PathNamesTest, OnlyNamesWithASlashAreFilePaths)
{
    EXPECT_FALSE(namesFilePath("新規作成1"));
    EXPECT_FALSE(namesFilePath("C:\\data\\lot1.pbl"));
    EXPECT_TRUE(namesFilePath("/data/lot1.pbl"));
    EXPECT_EQ(displayName("/data/lot1.pbl"), "lot1.pbl");
    EXPECT_EQ(displayName("新規作成1"), "新規作成1");
    EXPECT_EQ(displayName("/data/"), "");
}

TEST(PathNamesTest, LongPathNameIsAbsoluteCanonicalAndKeepsLetterCase)
{
    QTemporaryDir dir;
    const std::filesystem::path root = std::filesystem::canonical(dir.path().toStdString());
    std::filesystem::create_directory(root / "Sub");
    std::ofstream(root / "Sub" / "Lot.pbl") << "x";
    ASSERT_EQ(::symlink((root / "Sub" / "Lot.pbl").c_str(), (root / "link.pbl").c_str()), 0);

    EXPECT_EQ(longPathName((root / "Sub" / ".." / "Sub" / "Lot.pbl").string()), (root / "Sub" / "Lot.pbl").string());
    EXPECT_EQ(longPathName((root / "link.pbl").string()), (root / "Sub" / "Lot.pbl").string());
    EXPECT_FALSE(longPathName((root / "Sub" / "lot.pbl").string())) << "another letter case is another name";
    EXPECT_FALSE(longPathName(""));

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(root / "Sub");
    EXPECT_EQ(longPathName("Lot.pbl"), (root / "Sub" / "Lot.pbl").string());
    std::filesystem::current_path(previous);

    EXPECT_TRUE(namesExistingFile((root / "Sub" / "Lot.pbl").string()));
    EXPECT_FALSE(namesExistingFile((root / "Sub").string())) << "a folder is no document";
}

}  // namespace
}  // namespace probel
