// SPDX-License-Identifier: MIT
#include "cli/output_folder.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "cli/input_bytes.h"
#include "core/util/text_excerpt.h"

namespace probel::cli {
namespace {

Status makeFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (std::filesystem::is_directory(folder)) {
        return {};
    }
    const std::string why = error ? error.message() : "同じ名前のファイルがあります。";
    return Error{"出力フォルダーを作れません: " + why, folder, 0};
}

}  // namespace

Result<std::vector<std::string>> outputPathsInFolder(const std::vector<std::string>& inputs, const std::string& folder,
                                                     std::string_view extension)
{
    std::vector<std::string> outputs;
    // Each output file name and the input that writes it, to refuse a second one.
    std::map<std::string, std::string> writers;
    for (const std::string& input : inputs) {
        if (isStandardInput(input)) {
            return Error{"--output-dir では標準入力 (-) を読めません。ファイルを指定してください。", "", 0};
        }
        std::string name = std::filesystem::path(input).filename().replace_extension().string();
        if (name.empty() || name == "." || name == "..") {
            return Error{"出力ファイルの名前にできません。", input, 0};
        }
        name += extension;
        const auto [taken, added] = writers.emplace(name, input);
        if (!added) {
            return Error{"出力ファイル " + textExcerpt(name) +
                             " が二つの入力で重なります: " + textExcerpt(taken->second) + " と " + textExcerpt(input),
                         "", 0};
        }
        outputs.push_back((std::filesystem::path(folder) / name).string());
    }
    if (Status made = makeFolder(folder); !made) {
        return made.error();
    }
    return outputs;
}

}  // namespace probel::cli
