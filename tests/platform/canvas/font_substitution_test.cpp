// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QStringList>

#include "platform/canvas/font_substitution.h"
#include "platform/canvas/qpainter_canvas.h"

namespace probel {
namespace {

TEST(FontSubstitutionTest, WindowsNamesDrawWithTheirIpaFonts)
{
    installFontSubstitutions();
    struct Case {
        const char* name;
        const char* family;
    };
    const Case cases[] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"MS PGothic", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
        {"MS Gothic", "IPAGothic"},        {"ＭＳ 明朝", "IPAMincho"},   {"MS Mincho", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"MS PMincho", "IPAPMincho"}, {"ＭＳ ＵＩ Gothic", "IPAPGothic"},
        {"MS UI Gothic", "IPAPGothic"},
    };
    for (const auto& test : cases) {
        const QString name = QString::fromUtf8(test.name);
        EXPECT_EQ(QFontInfo(QFont(name)).family(), QString::fromUtf8(test.family)) << test.name;
        EXPECT_EQ(ipaFamilyFor(name), QString::fromUtf8(test.family)) << test.name;
    }
    EXPECT_EQ(ipaFamilyFor(std::string_view("Arial")), "");
    EXPECT_EQ(std::size(cases), fontSubstitutes().size());
}

TEST(FontSubstitutionTest, InstallingAgainAddsNothing)
{
    installFontSubstitutions();
    installFontSubstitutions();
    for (const auto& substitute : fontSubstitutes()) {
        const QStringList families = QFont::substitutes(QString::fromUtf8(substitute.windowsName));
        EXPECT_EQ(families.filter(QString::fromUtf8(substitute.ipaFamily), Qt::CaseInsensitive).size(), 1)
            << substitute.windowsName;
    }
}

TEST(FontSubstitutionTest, TheCanvasKeepsTheNameAsWritten)
{
    installFontSubstitutions();
    QImage image(10, 10, QImage::Format_RGB32);
    QPainterCanvas canvas(image);
    CanvasFont font;
    font.name = "ＭＳ 明朝";
    font.size = 12;
    font.bold = true;
    canvas.setFont(font);
    EXPECT_EQ(canvas.font(), font);
    EXPECT_EQ(canvas.qtFont().family(), QString::fromUtf8("ＭＳ 明朝"));
    EXPECT_EQ(QFontInfo(canvas.qtFont()).family(), QString::fromUtf8("IPAMincho"));
}

}  // namespace
}  // namespace probel
