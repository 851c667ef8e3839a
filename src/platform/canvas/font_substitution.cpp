// SPDX-License-Identifier: MIT
#include "platform/canvas/font_substitution.h"

#include <QFont>
#include <QStringList>

#include <array>

namespace probel {
namespace {

constexpr std::array kSubstitutes = {
    FontSubstitute{"ＭＳ Ｐゴシック", "IPAPGothic"},  FontSubstitute{"MS PGothic", "IPAPGothic"},
    FontSubstitute{"ＭＳ ゴシック", "IPAGothic"},     FontSubstitute{"MS Gothic", "IPAGothic"},
    FontSubstitute{"ＭＳ 明朝", "IPAMincho"},         FontSubstitute{"MS Mincho", "IPAMincho"},
    FontSubstitute{"ＭＳ Ｐ明朝", "IPAPMincho"},      FontSubstitute{"MS PMincho", "IPAPMincho"},
    FontSubstitute{"ＭＳ ＵＩ Gothic", "IPAPGothic"}, FontSubstitute{"MS UI Gothic", "IPAPGothic"},
};

}  // namespace

std::span<const FontSubstitute> fontSubstitutes()
{
    return kSubstitutes;
}

void installFontSubstitutions()
{
    for (const auto& substitute : kSubstitutes) {
        const QString name = QString::fromUtf8(substitute.windowsName);
        const QString family = QString::fromUtf8(substitute.ipaFamily);
        if (!QFont::substitutes(name).contains(family, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(name, family);
        }
    }
}

QString ipaFamilyFor(const QString& windowsName)
{
    for (const auto& substitute : kSubstitutes) {
        if (QString::fromUtf8(substitute.windowsName) == windowsName) {
            return QString::fromUtf8(substitute.ipaFamily);
        }
    }
    return {};
}

QStringList fontFamilyList(const QString& name)
{
    QStringList families{name};
    const QString ipaFamily = ipaFamilyFor(name);
    if (!ipaFamily.isEmpty()) {
        families.append(ipaFamily);
    }
    const bool mincho = ipaFamily.contains(QStringLiteral("Mincho")) || name.contains(QStringLiteral("Mincho")) ||
                        name.contains(QString::fromUtf8("明朝"));
    families.append(mincho ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    return families;
}

}  // namespace probel
