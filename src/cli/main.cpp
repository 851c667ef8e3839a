// SPDX-License-Identifier: MIT
#include <iostream>

#include "cli/cli.h"
#include "cli/exit_codes.h"
#include "core/util/file_size_signal.h"
#if PROBEL_QT_HANDOVER
#include "cli/qt_handover.h"
#endif

int main(int argc, char** argv)
{
    probel::failWritesPastTheFileSizeLimit();
    probel::cli::Arguments arguments(argv + 1, argv + argc);
#if PROBEL_QT_HANDOVER
    // Built without Qt: what needs Qt is handed to the Qt build, with the input read so far.
    probel::cli::RecordingInput standardInput;
    std::istream in(&standardInput);
    const int exitCode = probel::cli::runCli(arguments, {in, std::cout, std::cerr});
    if (exitCode == probel::cli::kExitHandOver) {
        return probel::cli::handOverToQt(argv, standardInput.consumed());
    }
    return exitCode;
#else
    return probel::cli::runCli(arguments, {std::cin, std::cout, std::cerr});
#endif
}
