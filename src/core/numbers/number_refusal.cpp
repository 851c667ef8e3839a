// SPDX-License-Identifier: MIT
#include "core/numbers/number_refusal.h"

#include <limits>

#include "core/numbers/number_text.h"
#include "core/util/text_excerpt.h"

namespace probel {

std::string numberRefusal(std::string_view text)
{
    if (beyondNumberRange(text)) {
        return "数値が大きすぎます (絶対値 " + generalNumberText(std::numeric_limits<double>::max()) + " まで)";
    }
    return "数値ではありません";
}

std::string quotedNumberRefusal(std::string_view text)
{
    return numberRefusal(text) + ": \"" + textExcerpt(text) + "\"";
}

}  // namespace probel
