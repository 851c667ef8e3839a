// SPDX-License-Identifier: MIT
#include "platform/text/fontconfig_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

namespace probel {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* objects) const { FcObjectSetDestroy(objects); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* fcText(const std::string& text)
{
    return reinterpret_cast<const FcChar8*>(text.c_str());
}

// A listed face: the family names it carries (its own first) and where it is.
struct ListedFace {
    std::vector<std::string> families;
    FontFile file;
};

std::vector<ListedFace> listFamily(const std::string& family)
{
    const Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, fcText(family));
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, FC_FILE, FC_INDEX, static_cast<char*>(nullptr)));
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, pattern.get(), objects.get()));
    std::vector<ListedFace> faces;
    for (int i = 0; fonts != nullptr && i < fonts->nfont; ++i) {
        ListedFace face;
        FcChar8* text = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &text) == FcResultMatch; ++n) {
            face.families.emplace_back(reinterpret_cast<const char*>(text));
        }
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &text) == FcResultMatch) {
            face.file.path = reinterpret_cast<const char*>(text);
        }
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &face.file.index);
        if (!face.families.empty()) {
            faces.push_back(std::move(face));
        }
    }
    return faces;
}

// Qt compares family names ignoring letter case; ASCII letters are compared so here, other
// characters as they are (fontconfig, comparing more loosely, lists the rest as unsure).
bool sameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

bool carries(const ListedFace& face, std::string_view name)
{
    return std::ranges::any_of(face.families, [&](const std::string& family) { return sameName(family, name); });
}

std::string realPathOf(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(path, error);
    return error ? std::string() : real.string();
}

}  // namespace

FamilyLookup lookUpFamily(std::string_view name)
{
    const std::string family(name);
    std::vector<ListedFace> faces = listFamily(family);
    if (faces.empty()) {
        return {};
    }
    // Qt groups faces by their own family name and finds a group by that name or any other
    // name its faces carry; every face of the group found is a candidate.
    const std::string ownName = faces.front().families.front();
    for (const ListedFace& face : faces) {
        if (!carries(face, name) || !sameName(face.families.front(), ownName)) {
            return {FamilyLookup::kUnsure, {}};
        }
    }
    if (!sameName(ownName, name)) {
        faces = listFamily(ownName);
        std::erase_if(faces, [&](const ListedFace& face) { return !sameName(face.families.front(), ownName); });
        if (faces.empty()) {
            return {FamilyLookup::kUnsure, {}};
        }
    }
    FontFile file = faces.back().file;
    file.realPath = realPathOf(file.path);
    for (const ListedFace& face : faces) {
        if (file.realPath.empty() || realPathOf(face.file.path) != file.realPath || face.file.index != file.index) {
            return {FamilyLookup::kUnsure, {}};
        }
    }
    return {FamilyLookup::kFound, file};
}

std::optional<int> configuredHintStyle(std::string_view family, const FontFile& file, int pixelSize)
{
    const Pattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, fcText(std::string(family)));
    FcPatternAddString(pattern.get(), FC_FILE, fcText(file.path));
    FcPatternAddInteger(pattern.get(), FC_INDEX, file.index);
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelSize);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    int hintStyle = 0;
    if (match == nullptr || FcPatternGetInteger(match.get(), FC_HINT_STYLE, 0, &hintStyle) != FcResultMatch) {
        return std::nullopt;
    }
    return hintStyle;
}

}  // namespace probel
