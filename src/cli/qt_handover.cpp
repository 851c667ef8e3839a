// SPDX-License-Identifier: MIT
#include "cli/qt_handover.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/exit_codes.h"
#include "core/util/descriptor_io.h"

namespace probel::cli {
namespace {

constexpr std::size_t kPiece = 64 * 1024;

// Standard input from its start: the bytes already read, then the rest, in a memory file put
// in its place. Nothing changes when nothing was read.
bool replayStandardInput(std::string_view consumed)
{
    if (consumed.empty()) {
        return true;
    }
    const int memory = ::memfd_create("probel-cli-input", MFD_CLOEXEC);
    if (memory < 0 || writeAll(memory, consumed) != 0) {
        return false;
    }
    std::array<char, kPiece> piece{};
    for (;;) {
        const ssize_t read = readSome(STDIN_FILENO, piece.data(), piece.size());
        if (read < 0) {
            return false;
        }
        if (read == 0) {
            break;
        }
        if (writeAll(memory, std::string_view(piece.data(), static_cast<std::size_t>(read))) != 0) {
            return false;
        }
    }
    // dup2 clears close-on-exec on the copy, so the new program keeps it.
    return ::lseek(memory, 0, SEEK_SET) == 0 && ::dup2(memory, STDIN_FILENO) == STDIN_FILENO;
}

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

RecordingInput::int_type RecordingInput::underflow()
{
    const std::size_t start = consumed_.size();
    consumed_.resize(start + kPiece);
    const ssize_t read = readSome(STDIN_FILENO, consumed_.data() + start, kPiece);
    const int failure = errno;
    consumed_.resize(start + static_cast<std::size_t>(std::max<ssize_t>(read, 0)));
    if (read < 0) {
        // The stream turns this into its bad state, as a failing std::cin would be.
        throw std::system_error(failure, std::generic_category());
    }
    if (read == 0) {
        return traits_type::eof();
    }
    setg(consumed_.data() + start, consumed_.data() + start, consumed_.data() + consumed_.size());
    return traits_type::to_int_type(consumed_[start]);
}

int handOverToQt(char** argv, std::string_view consumedInput)
{
    std::fflush(stdout);
    const std::filesystem::path tool = qtToolPath();
    if (!replayStandardInput(consumedInput)) {
        std::fprintf(stderr, "probel-cli: 標準入力を描画用のプログラムに渡せません。\n");
        return kExitBadInput;
    }
    ::execv(tool.c_str(), argv);
    std::fprintf(stderr, "probel-cli: 描画用のプログラムを起動できません: %s\n", tool.c_str());
    return kExitBadInput;
}

}  // namespace probel::cli
