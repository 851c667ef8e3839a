// SPDX-License-Identifier: MIT
#include "core/numbers/full_width.h"

#include "core/util/blanks.h"

namespace probel {
namespace {

// U+FF01 … U+FF5E are the full-width forms of ASCII '!' … '~', U+FEE0 above them. In UTF-8
// they are EF BC 81 … EF BC BF (U+FF01 … U+FF3F) and EF BD 80 … EF BD 9E (U+FF40 … U+FF5E).
constexpr unsigned char kFullWidthLead = 0xEF;
constexpr unsigned char kLowBlock = 0xBC;
constexpr unsigned char kHighBlock = 0xBD;
constexpr char32_t kLowBlockStart = 0xFF00;
constexpr char32_t kHighBlockStart = 0xFF40;
constexpr char32_t kFullWidthOffset = 0xFEE0;
constexpr std::size_t kFullWidthBytes = 3;
constexpr unsigned char kContinuationBits = 0x3F;
constexpr unsigned char kContinuationTag = 0x80;
// Only what can be part of a number; other full-width letters stay as typed.
constexpr std::string_view kNumberCharacters = "0123456789+-.,Ee";

// The ASCII form of the full-width number character at `at`, or 0 when there is none.
char asciiFormAt(std::string_view text, std::size_t at)
{
    if (text.size() - at < kFullWidthBytes || static_cast<unsigned char>(text[at]) != kFullWidthLead) {
        return 0;
    }
    const auto block = static_cast<unsigned char>(text[at + 1]);
    const auto last = static_cast<unsigned char>(text[at + 2]);
    if ((block != kLowBlock && block != kHighBlock) || (last & ~kContinuationBits) != kContinuationTag) {
        return 0;
    }
    const char32_t codePoint = (block == kLowBlock ? kLowBlockStart : kHighBlockStart) + (last & kContinuationBits);
    const auto ascii = static_cast<char>(codePoint - kFullWidthOffset);
    return kNumberCharacters.find(ascii) != std::string_view::npos ? ascii : 0;
}

}  // namespace

std::string halfWidthNumberText(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (const char ascii = asciiFormAt(text, at); ascii != 0) {
            result.push_back(ascii);
            at += kFullWidthBytes;
        } else if (text.substr(at, kIdeographicSpace.size()) == kIdeographicSpace) {
            result.push_back(' ');
            at += kIdeographicSpace.size();
        } else {
            result.push_back(text[at]);
            ++at;
        }
    }
    return result;
}

}  // namespace probel
