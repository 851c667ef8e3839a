// SPDX-License-Identifier: MIT
#include "app/table_input.h"

#include <utility>

#include "app/pic_form.h"
#include "core/document/csv_columns.h"
#include "core/document/table_gaps.h"
#include "core/stats/data.h"
#include "core/util/error_text.h"
#include "core/util/text_excerpt.h"
#include "platform/desktop/clipboard.h"
#include "platform/desktop/message_boxes.h"

namespace probel {
namespace {

constexpr auto kPasteTitle = "表から貼り付け";
constexpr auto kClipboardName = "クリップボード";

}  // namespace

TableInput::TableInput(const AppServices& services) : services_(services), dataActions_(services) {}

std::vector<NamedValues> TableInput::numericColumns(std::vector<CsvColumn> columns, const std::string& unnamed)
{
    std::vector<NamedValues> named;
    for (CsvColumn& column : columns) {
        if (!column.values.empty()) {
            named.push_back(NamedValues{column.header.empty() ? unnamed : column.header, std::move(column.values)});
        }
    }
    return named;
}

bool TableInput::addTable(PicForm& form, std::int32_t number, std::string bytes, const std::string& name, Source source,
                          const char* title)
{
    const std::string shownName = source == Source::File ? "ファイル \"" + name + "\"" : name;
    Result<std::vector<CsvColumn>> columns = readCsvColumns(std::move(bytes), name);
    if (!columns) {
        return refuse(errorText(columns.error()), title);
    }
    if (source == Source::Clipboard) {
        if (const auto gap = firstGapInAColumn(columns.value())) {
            return refuse(name + " の " + std::to_string(gap->line) + " 行目 " + std::to_string(gap->column) +
                              " 列目が空で、その下に値があります。列の途中の空欄は貼り付けられません。",
                          title);
        }
    }
    std::vector<NamedValues> named =
        numericColumns(std::move(columns.value()), source == Source::File ? name : std::string());
    if (named.empty()) {
        return refuse(shownName + " には数値の列がありません。", title);
    }
    for (const NamedValues& column : named) {
        if (column.values.size() > kMaxValuesPerSeries) {
            return refuse("列 \"" + textExcerpt(column.name) + "\" の値が " + std::to_string(column.values.size()) +
                              " 個あります。一つのデータは 30000 個までです。",
                          title);
        }
    }
    if (const std::size_t room = DataActions::seriesRoom(form.sheet(), number); named.size() > room) {
        return refuse(shownName + " の " + std::to_string(named.size()) + " 列は、このグラフに入りません。" +
                          "一つのグラフに描ける系列は " + std::to_string(kMaxSeriesPerGraph) + " 個までで、あと " +
                          std::to_string(room) + " 個です。",
                      title);
    }
    return dataActions_.addSeriesColumns(form, number, std::move(named));
}

bool TableInput::pasteTable(PicForm& form, std::int32_t number)
{
    std::string text = services_.clipboard.hasText() ? services_.clipboard.text() : std::string();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return refuse("クリップボードに表がありません。表計算ソフトで列を選んでコピーしてください。", kPasteTitle);
    }
    return addTable(form, number, std::move(text), kClipboardName, Source::Clipboard, kPasteTitle);
}

bool TableInput::refuse(const std::string& text, const char* title)
{
    services_.messages.show(text, title, MessageButtons::Ok, MessageIcon::Exclamation);
    return false;
}

}  // namespace probel
