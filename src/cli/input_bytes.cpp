// SPDX-License-Identifier: MIT
#include "cli/input_bytes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>

#include "core/util/byte_size_text.h"

namespace probel::cli {
namespace {

constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

// `expected`: how many bytes the input holds, as far as known (0 when not), reserved at once so
// that a large file is not copied as the text grows.
Result<std::string> readBounded(std::istream& in, const std::string& name, std::size_t limit, std::size_t expected = 0)
{
    std::string bytes;
    bytes.reserve(std::min(expected, limit));
    std::array<char, kChunkBytes> chunk{};
    while (in) {
        // A stream buffer that throws (a folder opened as a file does) leaves the stream bad.
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count > limit - bytes.size()) {
            return Error{"入力が上限 (" + byteSizeText(limit) + ") を超えるので読み込めません。", name, 0};
        }
        bytes.append(chunk.data(), count);
    }
    if (in.bad()) {
        return Error{"読み込みに失敗しました。", name, 0};
    }
    return bytes;
}

}  // namespace

bool isStandardInput(const std::string& input)
{
    return input == "-";
}

std::string inputName(const std::string& input)
{
    return isStandardInput(input) ? kStandardInputName : input;
}

Result<std::string> readInputBytes(const std::string& input, std::istream& standardInput, std::size_t limit)
{
    if (isStandardInput(input)) {
        return readBounded(standardInput, kStandardInputName, limit);
    }
    std::error_code ignored;
    if (std::filesystem::is_directory(input, ignored)) {
        return Error{"フォルダーなので読み込めません。", input, 0};
    }
    std::ifstream file(input, std::ios::binary);
    if (!file) {
        return Error{"ファイルを開けません。", input, 0};
    }
    const std::uintmax_t size = std::filesystem::file_size(input, ignored);
    return readBounded(file, input, limit,
                       size == static_cast<std::uintmax_t>(-1) ? 0 : static_cast<std::size_t>(size));
}

}  // namespace probel::cli
