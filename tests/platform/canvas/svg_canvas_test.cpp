// SPDX-License-Identifier: MIT
#include "platform/canvas/svg_canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>

#include <array>
#include <regex>
#include <string>
#include <vector>

#include "platform/canvas/qpainter_canvas.h"
#include "platform/canvas/qt_text_metrics.h"

namespace probel {
namespace {

const SvgPage kA4{794, 1123, 96, "page", "Probel", std::nullopt};

// Draws on an SvgCanvas and returns the document with the pieces it came in.
struct Written {
    std::string document;
    std::vector<std::size_t> pieces;
};

template <typename Draw>
Written writeSvg(Draw draw)
{
    Written written;
    {
        QtTextMetrics metrics(kA4.dotsPerInch);
        SvgCanvas canvas(
            kA4,
            [&](std::string_view piece) {
                written.document += piece;
                written.pieces.push_back(piece.size());
            },
            metrics);
        draw(canvas);
    }
    return written;
}

std::size_t occurrences(const std::string& text, const std::string& what)
{
    std::size_t found = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++found;
    }
    return found;
}

// Every element and attribute read without an error, to the end of the document.
bool wellFormed(const std::string& document)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    while (!reader.atEnd()) {
        reader.readNext();
    }
    return !reader.hasError();
}

TEST(SvgCanvasTest, AMarkerIsOneShapePlacedByReferenceInFewBytes)
{
    std::vector<PointF> places;
    for (int i = 0; i < 30000; ++i) {
        places.push_back(PointF{50 + (i % 700) * 1.0137, 60 + (i / 700) * 23.4567});
    }
    const Written written = writeSvg([&](Canvas& canvas) {
        CanvasFont font;
        font.size = 10;
        canvas.setFont(font);
        canvas.setColor(0x0000FF);
        canvas.stampText(places, "○");
        canvas.setColor(0xFF0000);
        canvas.stampText(std::span(places).first(10), "○");
    });
    const std::string& svg = written.document;
    EXPECT_EQ(occurrences(svg, "○</text>"), 1u);
    EXPECT_EQ(occurrences(svg, "<use "), 30010u);
    // Each place is one line of at most 60 bytes.
    const std::regex use("<use [^\n]*/>\n");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), use); it != std::sregex_iterator(); ++it) {
        ASSERT_LE(it->length(), 60) << it->str();
    }
    // The colour comes from the group around the places, so one shape serves both colours.
    EXPECT_NE(svg.find("<g fill=\"#ff0000\">"), std::string::npos);
    EXPECT_NE(svg.find("<g fill=\"#0000ff\">"), std::string::npos);
    EXPECT_TRUE(wellFormed(svg));
    // Handed over in pieces, not held whole.
    EXPECT_GT(written.pieces.size(), 10u);
    for (const std::size_t piece : written.pieces) {
        EXPECT_LE(piece, 80u * 1024);
    }
}

TEST(SvgCanvasTest, TextNamesItsFontsFamilyListAndKeepsItsBlanks)
{
    struct Case {
        const char* name;
        const char* families;
    };
    const Case cases[] = {
        {"ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック, IPAPGothic, sans-serif"},
        {"ＭＳ 明朝", "ＭＳ 明朝, IPAMincho, serif"},
        {"MS PMincho", "MS PMincho, IPAPMincho, serif"},
        {"Arial", "Arial, sans-serif"},
        {"Odd, \"Name\"", "&apos;Odd, &quot;Name&quot;&apos;, sans-serif"},
    };
    for (const auto& test : cases) {
        const Written written = writeSvg([&](Canvas& canvas) {
            CanvasFont font;
            font.name = test.name;
            font.size = 9;
            canvas.setFont(font);
            canvas.drawText({10, 20}, " 9.5 ");
        });
        const std::string families = std::regex_replace(test.families, std::regex("&apos;"), "'");
        EXPECT_NE(written.document.find("font-family=\"" + families + "\" font-size=\"12\""), std::string::npos)
            << written.document;
        EXPECT_NE(written.document.find("xml:space=\"preserve\""), std::string::npos);
        EXPECT_NE(written.document.find("> 9.5 </text>"), std::string::npos);
        EXPECT_TRUE(wellFormed(written.document)) << test.name;
    }
}

TEST(SvgCanvasTest, TextIsMeasuredAsOnAnImageOfThePage)
{
    QImage image(794, 1123, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainterCanvas onImage(image);
    writeSvg([&](Canvas& svg) {
        for (const double size : {9.0, 10.5, 14.0}) {
            CanvasFont font;
            font.size = size;
            font.bold = size > 10;
            onImage.setFont(font);
            svg.setFont(font);
            for (const char* text : {" 12.5 ", "平均 : 10.026", "○", "1.0E+3"}) {
                EXPECT_DOUBLE_EQ(svg.textWidth(text), onImage.textWidth(text)) << text;
                EXPECT_DOUBLE_EQ(svg.textHeight(text), onImage.textHeight(text)) << text;
            }
        }
    });
}

TEST(SvgCanvasTest, LinesTakeThePensPatternAndTextIsEscaped)
{
    const Written written = writeSvg([](Canvas& canvas) {
        canvas.clear();
        const std::array line = {Point{10, 20}, Point{30, 40}, Point{50, 20}};
        canvas.setColor(0x00FF00);
        for (const std::int32_t style : {kPenSolid, kPenDot, kPenDash, kPenDashDot, kPenDashDotDot, kPenInvisible}) {
            canvas.setPenStyle(style);
            canvas.polyline(line);
        }
        canvas.drawText({5, 5}, "a < b & \"c\" > d\r\x01");
        // Far off every page, or not a place at all: left out.
        canvas.drawText({1e300, 5}, "far");
        const std::array places = {PointF{std::nan(""), 1}, PointF{1, -1e30}};
        canvas.stampText(places, "×");
    });
    const std::string& svg = written.document;
    EXPECT_EQ(occurrences(svg, "<polyline "), 5u);
    EXPECT_EQ(occurrences(svg, "points=\"10,20 30,40 50,20\""), 5u);
    for (const char* dashes : {"\"1,2\"", "\"4,2\"", "\"4,2,1,2\"", "\"4,2,1,2,1,2\""}) {
        EXPECT_EQ(occurrences(svg, std::string("stroke-dasharray=") + dashes), 1u) << dashes;
    }
    EXPECT_EQ(occurrences(svg, "stroke=\"#00ff00\""), 5u);
    EXPECT_NE(svg.find(">a &lt; b &amp; &quot;c&quot; &gt; d  </text>"), std::string::npos) << svg;
    EXPECT_EQ(svg.find("far"), std::string::npos);
    EXPECT_EQ(svg.find("<use"), std::string::npos);
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"794\" height=\"1123\" fill=\"#ffffff\"/>"), std::string::npos);
    EXPECT_NE(svg.find("width=\"210.079mm\" height=\"297.127mm\" viewBox=\"0 0 794 1123\""), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_TRUE(wellFormed(svg));
}

}  // namespace
}  // namespace probel
