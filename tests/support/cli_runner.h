// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

namespace probel::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the command-line tool in-process with `input` on standard input.
CliRun runCliInProcess(const std::vector<std::string>& arguments, const std::string& input = {});

// Runs a shell command line (the real probel-cli binary), capturing standard output.
CliRun runProcess(const std::string& commandLine);

}  // namespace probel::test
