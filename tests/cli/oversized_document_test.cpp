// SPDX-License-Identifier: MIT
// A sparse file claims a size no memory could hold. Every command that reads a document
// refuses it by its size before reading, instead of dying for want of memory.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_files.h"
#include "support/cli_runner.h"

namespace probel {
namespace {

TEST(OversizedDocumentTest, ASparseDocumentIsRefusedByItsSize)
{
    test::TemporaryFolder folder;
    const std::string sparse = folder.path("s.pbl");
    {
        std::ofstream create(sparse);
    }
    std::filesystem::resize_file(sparse, std::uintmax_t{100} << 30);
    std::vector<std::vector<std::string>> commands = {{"dump", sparse}, {"convert", sparse, folder.path("out.pbl")}};
    commands.push_back({"render", sparse, "-o", folder.path("out.png")});
    for (const auto& arguments : commands) {
        const auto run = test::runCliInProcess(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.front();
        EXPECT_EQ(run.err, "probel-cli: ファイルを開けません: " + sparse +
                               ": 大きすぎます (100 GiB)。読めるのは 64 MiB までです\n")
            << arguments.front();
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path("out.pbl")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("out.png")));
}

}  // namespace
}  // namespace probel
