// SPDX-License-Identifier: MIT
#include "platform/desktop/file_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

struct FilterCase {
    std::string filter;
    QStringList expected;
};

TEST(FileFilterTest, WindowsFiltersBecomeQtNameFilters)
{
    const std::vector<FilterCase> cases = {
        {"Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*",
         {QStringLiteral("Probelﾌｧｲﾙ(*.pbl) (*.pbl)"), QStringLiteral("全てのﾌｧｲﾙ(*.*) (*)")}},
        {"Probelﾌｧｲﾙ(*.pbl)|*.pbl", {QStringLiteral("Probelﾌｧｲﾙ(*.pbl) (*.pbl)")}},
        // Several patterns of one entry.
        {"ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)|*.bmp; *.dib", {QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp) (*.bmp *.dib)")}},
        {"Bitmap (Windows)|*.bmp", {QStringLiteral("Bitmap (Windows) (*.bmp)")}},
        {"Text|*.txt", {QStringLiteral("Text (*.txt)")}},
        {"|*.pbl", {QStringLiteral("*.pbl (*.pbl)")}},
        // Incomplete or empty entries are left out.
        {"Probelﾌｧｲﾙ(*.pbl)|*.pbl|Dangling", {QStringLiteral("Probelﾌｧｲﾙ(*.pbl) (*.pbl)")}},
        {"Nothing| ;|Probel|*.pbl", {QStringLiteral("Probel (*.pbl)")}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qtNameFilters(c.filter), c.expected) << c.filter;
    }
}

}  // namespace
}  // namespace probel
