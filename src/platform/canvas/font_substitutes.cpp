// SPDX-License-Identifier: MIT
#include "platform/canvas/font_substitutes.h"

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

std::string ipaFamilyFor(std::string_view windowsName)
{
    for (const auto& substitute : kSubstitutes) {
        if (windowsName == substitute.windowsName) {
            return substitute.ipaFamily;
        }
    }
    return {};
}

std::vector<std::string> fontFamilyList(std::string_view name)
{
    std::vector<std::string> families{std::string(name)};
    const std::string ipaFamily = ipaFamilyFor(name);
    if (!ipaFamily.empty()) {
        families.push_back(ipaFamily);
    }
    const bool mincho = ipaFamily.find("Mincho") != std::string::npos || name.find("Mincho") != std::string::npos ||
                        name.find("明朝") != std::string::npos;
    families.emplace_back(mincho ? "serif" : "sans-serif");
    return families;
}

}  // namespace probel
