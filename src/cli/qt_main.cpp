// SPDX-License-Identifier: MIT
// probel-cli-qt: every command of the tool, with Qt to measure text and draw pages.
#include <malloc.h>

#include <iostream>

#include "cli/cli.h"
#include "core/util/file_size_signal.h"

namespace {

// A page picture and its encoded rows are some megabytes each. Kept in the heap once freed,
// they serve the next document of a run instead of being returned to the system and faulted
// in afresh, which otherwise costs more than drawing the page.
constexpr int kLargestHeapBlock = 64 * 1024 * 1024;
constexpr int kFreeMemoryKept = 256 * 1024 * 1024;

}  // namespace

int main(int argc, char** argv)
{
    mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, kFreeMemoryKept);
    probel::failWritesPastTheFileSizeLimit();
    return probel::cli::runCli(probel::cli::Arguments(argv + 1, argv + argc), {std::cin, std::cout, std::cerr});
}
