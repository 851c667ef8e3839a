// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/table_input.h"

namespace probel {

class FileActions;
class PicForm;

// Files dropped from a file manager. Documents (.pbl in any letter case) open as if chosen in
// 開く, wherever they are dropped. A table of measurements dropped on a graph adds each of its
// numeric columns as a series of that graph, read by the same rules as probel-cli plot's
// input; a table without a numeric column is refused and changes nothing.
class DropActions {
public:
    DropActions(FileActions& fileActions, const AppServices& services);

    // Files dropped on the main window, away from any graph.
    void dropFiles(const std::vector<std::string>& paths);
    // Files dropped on graph `number` of `form`.
    void dropFilesOnGraph(PicForm& form, std::int32_t number, const std::vector<std::string>& paths);

    // Whether the file is a sheet document, by its name.
    static bool isSheetDocument(const std::string& path);

private:
    // The table at `path` as series of the graph; false (with a message) when it cannot be.
    bool addTable(PicForm& form, std::int32_t number, const std::string& path);
    void report(const std::string& text);

    FileActions& fileActions_;
    AppServices services_;
    TableInput tables_;
};

}  // namespace probel
