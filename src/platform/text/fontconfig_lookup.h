// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace probel {

// One face of a font file, as fontconfig lists it.
struct FontFile {
    std::string path;
    // With links resolved: one file listed under two paths has one real path.
    std::string realPath;
    int index = 0;
};

// What fontconfig lists under a family name, asked as Qt's font database would find it.
struct FamilyLookup {
    enum Result {
        kFound,      // one face, `file`
        kNotListed,  // no font of that name, under any spelling
        kUnsure,     // fonts under a spelling Qt may not take, or more than one face
    };
    Result result = kNotListed;
    FontFile file;
};

// The face Qt draws the family `name` with when its font database (fontconfig's fonts under
// every name they carry, compared ignoring ASCII letter case) has it.
FamilyLookup lookUpFamily(std::string_view name);

// The hint style fontconfig configures (FC_HINT_STYLE_*) for `file` asked for as `family` at
// `pixelSize`, as Qt asks when it sets up a font engine; empty when fontconfig sets none.
std::optional<int> configuredHintStyle(std::string_view family, const FontFile& file, int pixelSize);

}  // namespace probel
