// SPDX-License-Identifier: MIT
#pragma once

// Files for the command tests: a temporary folder removed
// with everything in it, whole-file reading and writing, and the documents kept in the tree.

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace probel::test {

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "probel-cli-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::string path(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string writeBytes(const std::string& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

// Every .pbl document under `folder` of the source tree, sorted.
inline std::vector<std::string> documentsIn(std::string_view folder)
{
    std::vector<std::string> documents;
    const std::filesystem::path root = std::filesystem::path(PROBEL_SOURCE_DIR) / folder;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(root, error)) {
        if (entry.path().extension() == ".pbl") {
            documents.push_back(entry.path().string());
        }
    }
    std::sort(documents.begin(), documents.end());
    return documents;
}

}  // namespace probel::test
