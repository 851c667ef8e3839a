// SPDX-License-Identifier: MIT
#include "core/util/text_excerpt.h"

#include "core/util/utf8.h"

namespace probel {
namespace {

constexpr char32_t kFirstPrintable = 0x20;
constexpr char32_t kDelete = 0x7F;
constexpr char32_t kLastC1Control = 0x9F;

bool isControl(char32_t c)
{
    return c < kFirstPrintable || (c >= kDelete && c <= kLastC1Control);
}

}  // namespace

std::string textExcerpt(std::string_view text)
{
    std::string shown;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<Utf8Char> c = readUtf8(text, pos);
        const std::size_t length = c ? c->length : 1;
        if (pos + length > kExcerptBytes) {
            break;
        }
        if (c && !isControl(c->codePoint)) {
            shown.append(text.substr(pos, length));
        } else {
            shown += '?';
        }
        pos += length;
    }
    if (pos < text.size()) {
        shown += "…";
    }
    return shown;
}

}  // namespace probel
