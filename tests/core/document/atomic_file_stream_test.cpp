// SPDX-License-Identifier: MIT
// Writing a file atomically from content made piece by piece.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/document/atomic_file.h"

namespace probel {
namespace {

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class AtomicStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("probel-atomic-stream-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
};

TEST_F(AtomicStreamTest, PiecesEndUpInTheFileInOrder)
{
    const auto file = folder_ / "out.txt";
    std::ofstream(file) << "old";
    std::string expected;
    ASSERT_TRUE(writeFileAtomically(file.string(), [&](const ByteSink& sink) {
        for (int i = 0; i < 1000; ++i) {
            const std::string piece = std::to_string(i) + ",";
            expected += piece;
            sink(piece);
        }
    }));
    EXPECT_EQ(contentOf(file), expected);
    // Only the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 1);
}

TEST_F(AtomicStreamTest, AFileThatCannotBeMadeIsReportedBeforeAnythingIsMade)
{
    const auto file = folder_ / "missing" / "out.txt";
    int pieces = 0;
    const Status written = writeFileAtomically(file.string(), [&](const ByteSink& sink) {
        sink("a");
        ++pieces;
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(pieces, 0) << "nothing is made when the file cannot be opened";
    EXPECT_FALSE(std::filesystem::exists(file));
}

// The file may grow to 4 KiB only (in a child process, whose limit the test does not share):
// the pieces after the write that fails are dropped, the call fails and the old file stays.
TEST_F(AtomicStreamTest, AWriteThatFailsPartWayKeepsTheOldFile)
{
    const auto file = folder_ / "out.txt";
    std::ofstream(file) << "old";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit fileSize{};
        ::getrlimit(RLIMIT_FSIZE, &fileSize);
        fileSize.rlim_cur = 4096;
        if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) {
            ::_exit(2);
        }
        const Status written = writeFileAtomically(file.string(), [](const ByteSink& sink) {
            for (int i = 0; i < 1000; ++i) {
                sink(std::string(100, 'x'));
            }
        });
        ::_exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(contentOf(file), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace probel
