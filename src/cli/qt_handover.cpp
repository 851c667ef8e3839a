// SPDX-License-Identifier: MIT
#include "cli/qt_handover.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/exit_codes.h"

namespace probel::cli {
namespace {

std::filesystem::path qtToolPath()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !self.is_absolute()) {
        // Never a program of that name in whatever folder happens to be current.
        return PROBEL_INSTALLED_QT_TOOL;
    }
    const std::filesystem::path folder = self.parent_path();
    const std::filesystem::path beside = folder / "probel-cli-qt";
    if (::access(beside.c_str(), X_OK) == 0) {
        return beside;
    }
    return folder.parent_path() / "libexec" / "probel" / "probel-cli-qt";
}

}  // namespace

int handOverToQt(char** argv)
{
    const std::filesystem::path tool = qtToolPath();
    ::execv(tool.c_str(), argv);
    std::fprintf(stderr, "probel-cli: 描画用のプログラムを起動できません: %s\n", tool.c_str());
    return kExitBadInput;
}

}  // namespace probel::cli
