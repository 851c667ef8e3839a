// SPDX-License-Identifier: MIT
#include "platform/canvas/xml_text.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "core/util/utf8.h"
#include "platform/canvas/svg_canvas.h"
#include "support/xml_characters.h"

namespace probel {
namespace {

using test::firstNonXmlCharacter;

constexpr std::string_view kReplacement = "\uFFFD";

// Each code point as its own text: what XML allows comes out as it went in (markup escaped),
// controls as blanks, U+FFFE and U+FFFF as U+FFFD.
TEST(XmlTextTest, EveryCodePointComesOutAsCharactersXmlAllows)
{
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) {
            continue;  // surrogates are no UTF-8
        }
        std::string text;
        appendUtf8(text, c);
        const std::string out = xmlText(text);
        ASSERT_EQ(firstNonXmlCharacter(out), std::nullopt) << std::hex << static_cast<unsigned>(c);
        if (c == 0xFFFE || c == 0xFFFF) {
            EXPECT_EQ(out, kReplacement);
        } else if (c < 0x20) {
            EXPECT_EQ(out, c == '\t' ? "\t" : " ") << static_cast<unsigned>(c);
        } else if (c != '<' && c != '>' && c != '&' && c != '"') {
            ASSERT_EQ(out, text) << std::hex << static_cast<unsigned>(c);
        }
    }
}

TEST(XmlTextTest, MarkupIsEscapedAndBytesThatAreNotUtf8AreReplacedOneByOne)
{
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"a < b & \"c\" > d", "a &lt; b &amp; &quot;c&quot; &gt; d"},
        {"x\xFFy", "x\uFFFDy"},
        {"\xC0\xAF", "\uFFFD\uFFFD"},            // an overlong "/"
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"値\xE3\x81", "値\uFFFD\uFFFD"},        // cut off by the end
        {"\xEF\xBF\xBF\xEF\xBF\xBE", "\uFFFD\uFFFD"},
        {"\xF4\x8F\xBF\xBF\xEF\xBF\xBD", "\xF4\x8F\xBF\xBF\xEF\xBF\xBD"},  // U+10FFFF, U+FFFD
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(xmlText(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

// Fixed measures: only what the canvas writes matters here.
class FixedMetrics : public TextMetrics {
public:
    void setFont(const CanvasFont& /*font*/, double /*dotsPerInch*/) override {}
    double width(std::string_view text) override { return static_cast<double>(text.size()); }
    double ascent() const override { return 10; }
    double lineSpacing() const override { return 12; }
};

// Every text the SVG canvas takes (title, description, drawn text, markers, font names) goes
// through the one escaping, so a hostile text anywhere leaves the document well-formed.
TEST(XmlTextTest, NoTextReachesAnSvgDocumentUnescaped)
{
    const std::string hostile = "<&\uFFFF\uFFFE\x01\x1F\xFF\"";
    const SvgPage page{100, 100, 96, "title " + hostile, "description " + hostile, std::nullopt};
    std::string document;
    FixedMetrics metrics;
    {
        SvgCanvas canvas(
            page, [&](std::string_view piece) { document += piece; }, metrics);
        CanvasFont font;
        font.name = "font " + hostile;
        canvas.setFont(font);
        canvas.drawText({10, 10}, "text " + hostile);
        const std::vector<PointF> places = {{20, 20}, {30, 30}};
        canvas.stampText(places, "marker " + hostile);
    }
    EXPECT_EQ(firstNonXmlCharacter(document), std::nullopt) << document;
    for (const char* before : {"title ", "description ", "text ", "marker "}) {
        EXPECT_NE(document.find(before + std::string("&lt;&amp;\uFFFD\uFFFD  \uFFFD&quot;")), std::string::npos)
            << before << document;
    }
    EXPECT_NE(document.find("font &lt;&amp;\uFFFD\uFFFD  \uFFFD"), std::string::npos) << document;
}

}  // namespace
}  // namespace probel
