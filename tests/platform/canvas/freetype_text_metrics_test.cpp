// SPDX-License-Identifier: MIT
#include "platform/text/freetype_text_metrics.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QString>

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas/qt_font.h"
#include "platform/text/font_substitutes.h"

namespace probel {
namespace {

// Qt's measures of a font as SvgCanvas takes them: on a 1×1 image of the page's resolution.
class QtMeasures {
public:
    QtMeasures(const CanvasFont& font, double dotsPerInch) : device_(1, 1, QImage::Format_RGB32)
    {
        constexpr double kMetresPerInch = 0.0254;
        const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
        device_.setDotsPerMeterX(dotsPerMetre);
        device_.setDotsPerMeterY(dotsPerMetre);
        metrics_.emplace(canvasQtFont(font, dotsPerInch, device_.logicalDpiY()), &device_);
    }

    int deviceDotsPerInch() const { return device_.logicalDpiY(); }
    double width(const std::string& text) const { return metrics_->horizontalAdvance(QString::fromStdString(text)); }
    double ascent() const { return metrics_->ascent(); }
    double lineSpacing() const { return metrics_->lineSpacing(); }

private:
    QImage device_;
    std::optional<QFontMetricsF> metrics_;
};

const std::vector<std::string> kTexts = {
    "",
    " !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
    "-0.001 +12.5 99.99% 1,234.5 -3e-4 0.1 1 5 10 50 90 99.9",
    "あいうえおがぎぐげごぱぴぷぺぽっゃゅょー",
    "アイウエオガギグゲゴパピプペポッャュョヴ",
    "ｱｲｳｴｵｶﾞｷﾞﾊﾟﾋﾟｰ",
    "正規確率紙累積度数分布平均標準偏差値",
    "ＡＢＣａｂｃ０１２！？（）［］％＝",
    "○●□■△▲▽▼◇◆×＋＊※",
    "σ μ",
    "平均 μ = 12.5 mm（n=30）、σ = 1.25",
    "Probability 確率 ○● 5%",
    "A\u00A0B\u3000C",
};

struct Style {
    const char* name;
    bool bold;
    bool italic;
    bool underline;
    bool strikethru;
};
constexpr Style kStyles[] = {
    {"regular", false, false, false, false},      {"bold", true, false, false, false},
    {"italic", false, true, false, false},        {"underline", false, false, true, false},
    {"strikethrough", false, false, false, true}, {"bold italic", true, true, false, false},
};

CanvasFont fontOf(const std::string& name, double points, const Style& style)
{
    CanvasFont font;
    font.name = name;
    font.size = points;
    font.bold = style.bold;
    font.italic = style.italic;
    font.underline = style.underline;
    font.strikethru = style.strikethru;
    return font;
}

// The IPA families, the Windows names drawn with them, and other spellings Qt takes.
std::vector<std::string> familyNames()
{
    std::vector<std::string> names = {"IPAPGothic", "IPAGothic", "IPAMincho", "IPAPMincho", "ipapgothic", "IPA明朝"};
    for (const FontSubstitute& substitute : fontSubstitutes()) {
        names.emplace_back(substitute.windowsName);
    }
    return names;
}

// Measures `texts` in `font` both ways; every number must be Qt's, and measured exactly.
void expectQtMeasures(FreeTypeTextMetrics& metrics, const CanvasFont& font, double dotsPerInch,
                      const std::vector<std::string>& texts)
{
    const QtMeasures qt(font, dotsPerInch);
    metrics.setFont(font, dotsPerInch);
    const std::string where = font.name + " " + std::to_string(font.size) + " pt at " + std::to_string(dotsPerInch);
    EXPECT_EQ(metrics.ascent(), qt.ascent()) << where;
    EXPECT_EQ(metrics.lineSpacing(), qt.lineSpacing()) << where;
    for (const std::string& text : texts) {
        EXPECT_EQ(metrics.width(text), qt.width(text)) << where << ": " << text;
    }
    EXPECT_TRUE(metrics.exact()) << where;
}

constexpr double kPageDotsPerInch = 96;

TEST(FreeTypeTextMetricsTest, EveryFamilyAndStyleMeasuresAsQt)
{
    FreeTypeTextMetrics metrics(QtMeasures({}, kPageDotsPerInch).deviceDotsPerInch());
    for (const std::string& name : familyNames()) {
        for (const Style& style : kStyles) {
            for (const double points : {7.5, 9.0, 10.5, 36.0}) {
                SCOPED_TRACE(style.name);
                expectQtMeasures(metrics, fontOf(name, points, style), kPageDotsPerInch, kTexts);
            }
        }
    }
}

// Sizes from 1 to 72 points at several page resolutions, each with another family and style,
// so sizes, families and styles meet in many combinations. Halves of points give halves of
// pixels at 72 dots per inch; 95.5 dots per inch is measured on a device of 96.
TEST(FreeTypeTextMetricsTest, SizesAndResolutionsMeasureAsQt)
{
    struct Sweep {
        double dotsPerInch;
        double step;
    };
    const std::vector<std::string> names = familyNames();
    const std::vector<std::string> texts = {kTexts[1], kTexts[2], kTexts[6], kTexts[10]};
    std::size_t round = 0;
    for (const Sweep sweep :
         {Sweep{96, 0.5}, Sweep{72, 0.5}, Sweep{100, 1}, Sweep{150, 1}, Sweep{300, 1}, Sweep{95.5, 1}}) {
        FreeTypeTextMetrics metrics(QtMeasures({}, sweep.dotsPerInch).deviceDotsPerInch());
        for (double points = 1; points <= 72; points += sweep.step, ++round) {
            const Style& style = kStyles[round % std::size(kStyles)];
            expectQtMeasures(metrics, fontOf(names[round % names.size()], points, style), sweep.dotsPerInch, texts);
        }
    }
    // 10.497 pixels: Qt rounds to hundredths (10.50) before whole pixels.
    FreeTypeTextMetrics metrics(QtMeasures({}, kPageDotsPerInch).deviceDotsPerInch());
    expectQtMeasures(metrics, fontOf("IPAPGothic", 7.87275, kStyles[0]), kPageDotsPerInch, texts);
}

TEST(FreeTypeTextMetricsTest, FontsItCannotMeasureAsQtAreDeclined)
{
    for (const char* name : {"No Such Family", "IPAP Gothic", ""}) {
        FreeTypeTextMetrics metrics(QtMeasures({}, kPageDotsPerInch).deviceDotsPerInch());
        metrics.setFont(fontOf(name, 9, kStyles[0]), kPageDotsPerInch);
        EXPECT_FALSE(metrics.exact()) << name;
    }
}

TEST(FreeTypeTextMetricsTest, TextItCannotMeasureAsQtIsDeclined)
{
    const CanvasFont font = fontOf("IPAPGothic", 10.5, kStyles[0]);
    const std::string texts[] = {
        "smile 😀",          // no IPA font has it
        "₹ 100",            // nor this, though its neighbours are there
        "a\x01z",           // controls
        "a\tz",             // tabs stop at tab positions
        "two\nlines",       //
        "co\u00ADoperate",  // soft hyphens take no room
        "か\u3099",         // marks join the letter before
        "\u02E5\u02E9",     // tone letters the font joins into one
        "\xFF\xFE",         // not UTF-8
        "zero\u200Bwidth",  //
    };
    for (const std::string& text : texts) {
        FreeTypeTextMetrics metrics(QtMeasures(font, kPageDotsPerInch).deviceDotsPerInch());
        metrics.setFont(font, kPageDotsPerInch);
        metrics.width(text);
        EXPECT_FALSE(metrics.exact()) << text;
    }
    const QtMeasures qt(font, kPageDotsPerInch);
    EXPECT_NE(qt.width("\u02E5\u02E9"), qt.width("\u02E5") + qt.width("\u02E9"));
}

// Under full hinting Qt rounds every advance to whole pixels, which design advances do not.
TEST(FreeTypeTextMetricsTest, HintingToWholePixelsIsDeclined)
{
    FcConfig* const previous = FcConfigReference(nullptr);
    FcConfig* const fullHinting = FcConfigCreate();
    const char* const kFullHinting = R"(<?xml version="1.0"?>
        <fontconfig>
          <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
          <match target="font"><edit name="hintstyle" mode="assign"><const>hintfull</const></edit></match>
        </fontconfig>)";
    ASSERT_TRUE(FcConfigParseAndLoadFromMemory(fullHinting, reinterpret_cast<const FcChar8*>(kFullHinting), FcTrue));
    ASSERT_TRUE(FcConfigBuildFonts(fullHinting));
    ASSERT_TRUE(FcConfigSetCurrent(fullHinting));

    // A spelling of the family no other test asks for, so Qt sets up a font engine afresh.
    const CanvasFont font = fontOf("ipamincho", 11, kStyles[0]);
    const QtMeasures qt(font, kPageDotsPerInch);
    const double qtWidth = qt.width(kTexts[1]);
    FreeTypeTextMetrics metrics(qt.deviceDotsPerInch());
    metrics.setFont(font, kPageDotsPerInch);
    metrics.width(kTexts[1]);

    FcConfigSetCurrent(previous);
    FcConfigDestroy(previous);
    FcConfigDestroy(fullHinting);
    EXPECT_EQ(qtWidth, std::round(qtWidth));
    EXPECT_FALSE(metrics.exact());
}

}  // namespace
}  // namespace probel
