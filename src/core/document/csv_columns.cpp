// SPDX-License-Identifier: MIT
#include "core/document/csv_columns.h"

#include <istream>
#include <iterator>
#include <string_view>
#include <utility>

#include "core/document/cp932.h"
#include "core/document/csv_table.h"
#include "core/util/utf8.h"

namespace probel {
namespace {

// The text of `bytes` in UTF-8; the bytes are taken over when they are UTF-8 already.
Result<std::string> utf8Text(std::string& bytes, const std::string& sourceName)
{
    removeByteOrderMark(bytes);
    if (isValidUtf8(bytes)) {
        return std::move(bytes);
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
    return readCsvColumns(std::move(bytes), sourceName);
}

Result<std::vector<CsvColumn>> readCsvColumns(std::string bytes, const std::string& sourceName)
{
    Result<std::string> text = utf8Text(bytes, sourceName);
    if (!text) {
        return text.error();
    }
    return parseCsvTable(text.value(), sourceName);
}

}  // namespace probel
