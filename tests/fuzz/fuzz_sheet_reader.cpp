// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the document readers. Besides the sanitizers' checks: a refused
// document names a line; a document that reads must write again, and what is written must
// read back and write the same bytes (a sheet the program opened can always be saved).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/document/sheet_reader.h"
#include "core/document/sheet_writer.h"

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string name = "fuzz.pbl";
    auto sheet = probel::readSheetBytes(bytes, name);
    if (!sheet.ok()) {
        require(sheet.error().line >= 1 && sheet.error().file == name && !sheet.error().message.empty());
        return 0;
    }
    const auto written = probel::sheetFileBytes(*sheet.value());
    require(written.ok());
    const auto again = probel::readSheetBytes(written.value(), name);
    require(again.ok());
    const auto rewritten = probel::sheetFileBytes(*again.value());
    require(rewritten.ok() && rewritten.value() == written.value());
    return 0;
}
