// SPDX-License-Identifier: MIT
#include "app/drop_actions.h"

#include <algorithm>
#include <filesystem>

#include "app/file_actions.h"
#include "app/pic_form.h"
#include "core/document/atomic_file.h"
#include "core/document/csv_columns.h"
#include "core/stats/data.h"
#include "core/util/error_text.h"
#include "core/util/text_excerpt.h"
#include "platform/desktop/message_boxes.h"

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

DropActions::DropActions(FileActions& fileActions, const AppServices& services)
    : fileActions_(fileActions), services_(services), tables_(services)
{
}

bool DropActions::isSheetDocument(const std::string& path)
{
    return lowerAscii(std::filesystem::path(path).extension().string()) == kDocumentExtension;
}

void DropActions::dropFiles(const std::vector<std::string>& paths)
{
    std::vector<std::string> documents;
    std::vector<std::string> others;
    for (const std::string& path : paths) {
        (isSheetDocument(path) ? documents : others).push_back(path);
    }
    if (!others.empty()) {
        report("表のファイルはデータを加えるグラフの上に落としてください: " + others.front());
    }
    fileActions_.openDocuments(documents);
}

void DropActions::dropFilesOnGraph(PicForm& form, std::int32_t number, const std::vector<std::string>& paths)
{
    std::vector<std::string> documents;
    for (const std::string& path : paths) {
        if (isSheetDocument(path)) {
            documents.push_back(path);
        } else if (!addTable(form, number, path)) {
            break;  // one message is enough; what was added stays, each table its own step
        }
    }
    fileActions_.openDocuments(documents);
}

bool DropActions::addTable(PicForm& form, std::int32_t number, const std::string& path)
{
    Result<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        report(errorText(bytes.error()));
        return false;
    }
    const std::string fileName = std::filesystem::path(path).filename().string();
    return tables_.addTable(form, number, std::move(bytes).value(), fileName, TableInput::Source::File, kDropTitle);
}

void DropActions::report(const std::string& text)
{
    services_.messages.show(text, kDropTitle, MessageButtons::Ok, MessageIcon::Exclamation);
}

}  // namespace probel
