// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/cli.h"
#include "core/util/file_size_signal.h"

int main(int argc, char** argv)
{
    probel::failWritesPastTheFileSizeLimit();
    probel::cli::Arguments arguments(argv + 1, argv + argc);
    return probel::cli::runCli(arguments, {std::cin, std::cout, std::cerr});
}
