// SPDX-License-Identifier: MIT
#include "platform/canvas/xml_text.h"

#include "core/util/utf8.h"

namespace probel {
namespace {

constexpr std::string_view kReplacementCharacter = "\uFFFD";
constexpr char32_t kFirstPrintable = 0x20;

// The two code points XML 1.0 leaves out of its characters besides controls and surrogates
// (which strict UTF-8 never gives).
bool isXmlNonCharacter(char32_t c)
{
    return c == 0xFFFE || c == 0xFFFF;
}

void appendEscaped(std::string& out, char c)
{
    switch (c) {
    case '&':
        out += "&amp;";
        break;
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        out += c;
    }
}

}  // namespace

std::string xmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto character = readUtf8(text, at);
        if (!character || isXmlNonCharacter(character->codePoint)) {
            out += kReplacementCharacter;
            at += character ? character->length : 1;
        } else if (character->codePoint < kFirstPrintable) {
            out += character->codePoint == '\t' ? '\t' : ' ';
            ++at;
        } else if (character->length == 1) {
            appendEscaped(out, text[at]);
            ++at;
        } else {
            out.append(text.substr(at, character->length));
            at += character->length;
        }
    }
    return out;
}

}  // namespace probel
