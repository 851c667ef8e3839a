// SPDX-License-Identifier: MIT
#include "core/util/utf8.h"

namespace probel {
namespace {
constexpr unsigned kLastAscii = 0x7F;
}

std::optional<Utf8Char> readUtf8(std::string_view text, std::size_t pos)
{
    auto byte = [&](std::size_t i) -> unsigned {
        return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0x100U;
    };
    auto continuation = [&](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    unsigned lead = byte(0);
    if (lead <= kLastAscii) {
        return Utf8Char{lead, 1};
    }
    if (lead >= 0xC2 && lead <= 0xDF && continuation(1)) {
        return Utf8Char{((lead & 0x1FU) << 6) | (byte(1) & 0x3FU), 2};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned high = lead == 0xED ? 0x9F : 0xBF;
        if (continuation(1, low, high) && continuation(2)) {
            return Utf8Char{((lead & 0x0FU) << 12) | ((byte(1) & 0x3FU) << 6) | (byte(2) & 0x3FU), 3};
        }
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        if (continuation(1, low, high) && continuation(2) && continuation(3)) {
            return Utf8Char{
                ((lead & 0x07U) << 18) | ((byte(1) & 0x3FU) << 12) | ((byte(2) & 0x3FU) << 6) | (byte(3) & 0x3FU), 4};
        }
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isValidUtf8(std::string_view text)
{
    // Tables and documents are mostly ASCII: a block without a high bit is passed whole, with
    // an OR the compiler does in vector registers.
    constexpr std::size_t kBlock = 64;
    for (std::size_t pos = 0; pos < text.size();) {
        if (pos + kBlock <= text.size()) {
            unsigned char bits = 0;
            for (std::size_t i = pos; i < pos + kBlock; ++i) {
                bits |= static_cast<unsigned char>(text[i]);
            }
            if (bits <= kLastAscii) {
                pos += kBlock;
                continue;
            }
        }
        const auto character = readUtf8(text, pos);
        if (!character) {
            return false;
        }
        pos += character->length;
    }
    return true;
}

}  // namespace probel
