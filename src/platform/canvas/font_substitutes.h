// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace probel {

// A Windows font name that documents carry and the IPA font it is drawn with here.
struct FontSubstitute {
    const char* windowsName;
    const char* ipaFamily;
};

// The Windows Japanese fonts documents name (full-width and ASCII spellings) and their IPA
// counterparts: proportional Gothic to IPAPGothic, fixed Gothic to IPAGothic, and the same
// for Mincho. The UI font has no IPA twin; IPAPGothic is closest.
std::span<const FontSubstitute> fontSubstitutes();

// The IPA family for a Windows name, or an empty string when the name has none.
std::string ipaFamilyFor(std::string_view windowsName);

// The families a document that names `name` lists for viewers elsewhere, best first: the name
// itself, the IPA font that draws it here (when it has one), then the generic family of its
// kind (serif for Mincho, sans-serif otherwise), so a viewer without the first two still
// draws the right kind of letters.
std::vector<std::string> fontFamilyList(std::string_view name);

}  // namespace probel
