// SPDX-License-Identifier: MIT
#include "core/document/csv_columns.h"

#include <istream>
#include <iterator>
#include <string_view>

#include "core/document/cp932.h"
#include "core/document/csv_table.h"
#include "core/util/utf8.h"

namespace probel {
namespace {

Result<std::string> utf8Text(std::string bytes, const std::string& sourceName)
{
    removeByteOrderMark(bytes);
    if (isValidUtf8(bytes)) {
        return bytes;
    }
    Result<std::string> decoded = decodeCp932(bytes);
    if (!decoded) {
        return Error{"文字コードが UTF-8 でも Shift_JIS でもありません: " + decoded.error().message, sourceName, 0};
    }
    return decoded;
}

}  // namespace

Result<std::vector<CsvColumn>> readCsvColumns(std::istream& in, const std::string& sourceName)
{
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return Error{"読み込みに失敗しました。", sourceName, 0};
    }
    Result<std::string> text = utf8Text(std::move(bytes), sourceName);
    if (!text) {
        return text.error();
    }

    return parseCsvTable(text.value(), sourceName);
}

}  // namespace probel
