// SPDX-License-Identifier: MIT
#include "dialogs/marker_size_box.h"

#include "core/numbers/full_width.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"

namespace probel {
namespace {

// Room for "500" and a decimal or two.
constexpr int kDigits = 5;
// Where the arrows start until a size is typed.
constexpr std::int32_t kFirstSize = 10;

}  // namespace

MarkerSizeBox::MarkerSizeBox(QWidget* parent) : SteppedTextBox(1, kDigits, kFirstSize, parent) {}

std::optional<std::int32_t> MarkerSizeBox::numberIn(const QString& text) const
{
    const auto number = wholeNumber(halfWidthNumberText(text.toStdString()));
    return number ? toInt32HalfEven(*number) : std::nullopt;
}

}  // namespace probel
