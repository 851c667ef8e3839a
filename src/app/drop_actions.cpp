// SPDX-License-Identifier: MIT
#include "app/drop_commands.h"

#include <algorithm>
#include <filesystem>

#include "app/file_commands.h"
#include "app/pic_form.h"
#include "core/document/atomic_file.h"
#include "core/document/csv_columns.h"
#include "core/stats/data.h"
#include "core/util/error_text.h"
#include "core/util/text_excerpt.h"
#include "platform/message_boxes.h"

namespace probel {
namespace {

constexpr auto kDropTitle = "ファイルのドロップ";
constexpr auto kDocumentExtension = ".pbl";

std::string lowerAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return text;
}

}  // namespace

DropCommands::DropCommands(FileCommands& fileCommands, const AppServices& services)
    : fileCommands_(fileCommands), services_(services), dataCommands_(services)
{
}

bool DropCommands::isSheetDocument(const std::string& path)
{
    return lowerAscii(std::filesystem::path(path).extension().string()) == kDocumentExtension;
}

std::vector<NamedValues> DropCommands::numericColumns(const std::vector<CsvColumn>& columns,
                                                      const std::string& fileName)
{
    std::vector<NamedValues> named;
    for (const CsvColumn& column : columns) {
        if (!column.values.empty()) {
            named.push_back(NamedValues{column.header.empty() ? fileName : column.header, column.values});
        }
    }
    return named;
}

void DropCommands::dropFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> documents;
    std::vector<std::string> others;
    for (const std::string& path : paths) {
        (isSheetDocument(path) ? documents : others).push_back(path);
    }
    if (!others.empty()) {
        report("表のファイルはデータを加えるグラフの上に落としてください: " + others.front());
    }
    fileCommands_.openDocuments(documents);
}

void DropCommands::dropFilesOnGraph(PicForm& form, std::int32_t number, const std::vector<std::string>& paths)
{
    std::vector<std::string> documents;
    for (const std::string& path : paths) {
        if (isSheetDocument(path)) {
            documents.push_back(path);
        } else if (!addTable(form, number, path)) {
            break;  // one message is enough; what was added stays, each table its own step
        }
    }
    fileCommands_.openDocuments(documents);
}

bool DropCommands::addTable(PicForm& form, std::int32_t number, const std::string& path)
{
    const Result<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        report(errorText(bytes.error()));
        return false;
    }
    const std::string fileName = std::filesystem::path(path).filename().string();
    const Result<std::vector<CsvColumn>> columns = readCsvColumns(bytes.value(), fileName);
    if (!columns) {
        report(errorText(columns.error()));
        return false;
    }
    const std::vector<NamedValues> named = numericColumns(columns.value(), fileName);
    if (named.empty()) {
        report("ファイル \"" + fileName + "\" には数値の列がありません。");
        return false;
    }
    for (const NamedValues& column : named) {
        if (column.values.size() > kMaxValuesPerSeries) {
            report("列 \"" + textExcerpt(column.name) + "\" の値が " + std::to_string(column.values.size()) +
                   " 個あります。一つのデータは 30000 個までです。");
            return false;
        }
    }
    if (const std::size_t room = DataCommands::seriesRoom(form.sheet(), number); named.size() > room) {
        report("ファイル \"" + fileName + "\" の " + std::to_string(named.size()) + " 列は、このグラフに入りません。" +
               "一つのグラフに描ける系列は " + std::to_string(kMaxSeriesPerGraph) + " 個までで、あと " +
               std::to_string(room) + " 個です。");
        return false;
    }
    return dataCommands_.addSeriesColumns(form, number, named);
}

void DropCommands::report(const std::string& text)
{
    services_.messages.show(text, kDropTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace probel
