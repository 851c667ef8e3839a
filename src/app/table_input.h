// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_services.h"
#include "app/data_actions.h"

namespace probel {

class PicForm;
struct CsvColumn;

// A table of measurements taken into a graph: each numeric column becomes a series, all in
// one undoable step, read by the same rules as probel-cli plot's input (commas, tabs or
// semicolons; a header row when a cell of the first row is not a number). Whatever is wrong
// is said with the table's name and changes nothing.
class TableInput {
public:
    static constexpr std::size_t kMaxValuesPerSeries = 30000;

    // Where the table comes from: a file dropped on the graph (columns without a header are
    // named after the file) or the clipboard (named "データ - n" as new series are; a blank cell
    // with values below it is refused, as it would shift the rows of its column).
    enum class Source { File, Clipboard };

    explicit TableInput(const AppServices& services);

    // The table's bytes as series of graph `number`; false (with a message titled `title`)
    // when they cannot be.
    bool addTable(PicForm& form, std::int32_t number, std::string bytes, const std::string& name, Source source,
                  const char* title);
    // "表から貼り付け": the clipboard's text as series of graph `number`.
    bool pasteTable(PicForm& form, std::int32_t number);

    // The columns with values, named by their header or else by `unnamed` (empty: left for the
    // series' own name).
    static std::vector<NamedValues> numericColumns(std::vector<CsvColumn> columns, const std::string& unnamed);

private:
    bool refuse(const std::string& text, const char* title);

    AppServices services_;
    DataActions dataActions_;
};

}  // namespace probel
