// SPDX-License-Identifier: MIT
#include "support/cli_runner.h"

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

#include "cli/cli.h"

namespace probel::test {

CliRun runCliInProcess(const std::vector<std::string>& arguments, const std::string& input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.exitCode = cli::runCli(arguments, {in, out, err});
    run.out = out.str();
    run.err = err.str();
    return run;
}

CliRun runProcess(const std::string& commandLine)
{
    CliRun run;
    FILE* pipe = popen(commandLine.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, got);
    }
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace probel::test
