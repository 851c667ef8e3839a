// SPDX-License-Identifier: MIT
#include "platform/text/freetype_face.h"

#include FT_ADVANCES_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <array>
#include <limits>

namespace probel {
namespace {

constexpr int kFixedOne = 64;
// FreeType's linear advances are 16.16; Qt cuts them to 26.6.
constexpr int kLinearToFixedShift = 10;

constexpr FT_ULong tag(const char (&name)[5])
{
    return FT_MAKE_TAG(name[0], name[1], name[2], name[3]);
}

std::vector<std::uint8_t> sfntTable(FT_Face face, FT_ULong tableTag)
{
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face, tableTag, 0, nullptr, &length) != 0 || length == 0) {
        return {};
    }
    std::vector<std::uint8_t> bytes(length);
    if (FT_Load_Sfnt_Table(face, tableTag, 0, bytes.data(), &length) != 0) {
        return {};
    }
    return bytes;
}

bool hasTable(FT_Face face, FT_ULong tableTag)
{
    FT_ULong length = 0;
    return FT_Load_Sfnt_Table(face, tableTag, 0, nullptr, &length) == 0 && length > 0;
}

// Tables that make Qt take other line heights (embedded bitmaps) or that position glyphs
// beyond their advances (HarfBuzz's GPOS, kern and Apple layout).
constexpr std::array kTablesQtMeasuresOtherwise = {
    tag("EBLC"), tag("EBDT"), tag("CBLC"), tag("CBDT"), tag("bdat"), tag("bloc"), tag("sbix"),
    tag("GPOS"), tag("kern"), tag("morx"), tag("mort"), tag("kerx"), tag("trak"),
};

// Qt's choice of character map: the last Unicode map of the face, and a symbol map apart.
struct CharacterMaps {
    FT_CharMap unicode = nullptr;
    FT_CharMap symbol = nullptr;
};

CharacterMaps qtCharacterMaps(FT_Face face)
{
    CharacterMaps maps;
    for (int i = 0; i < face->num_charmaps; ++i) {
        FT_CharMap map = face->charmaps[i];
        switch (map->encoding) {
        case FT_ENCODING_UNICODE:
            maps.unicode = map;
            break;
        case FT_ENCODING_APPLE_ROMAN:
        case FT_ENCODING_ADOBE_LATIN_1:
            if (maps.unicode == nullptr || maps.unicode->encoding != FT_ENCODING_UNICODE) {
                maps.unicode = map;
            }
            break;
        case FT_ENCODING_ADOBE_CUSTOM:
        case FT_ENCODING_MS_SYMBOL:
            if (maps.symbol == nullptr) {
                maps.symbol = map;
            }
            break;
        default:
            break;
        }
    }
    return maps;
}

}  // namespace

std::unique_ptr<FreeTypeFace> FreeTypeFace::open(FT_Library library, const std::string& path, int index)
{
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), index, &face) != 0) {
        return nullptr;
    }
    DefaultShaping shaping(sfntTable(face, tag("GSUB")), sfntTable(face, tag("GDEF")));
    return std::unique_ptr<FreeTypeFace>(new FreeTypeFace(face, std::move(shaping)));
}

FreeTypeFace::FreeTypeFace(FT_Face face, DefaultShaping shaping)
    : face_(face), shaping_(std::move(shaping)), os2_(sfntTable(face, tag("OS/2")))
{
    measurable_ = readAsQtReadsIt();
}

FreeTypeFace::~FreeTypeFace()
{
    // Frees the sizes too.
    FT_Done_Face(face_);
}

bool FreeTypeFace::readAsQtReadsIt()
{
    const CharacterMaps maps = qtCharacterMaps(face_);
    if (maps.unicode == nullptr || maps.unicode->encoding != FT_ENCODING_UNICODE || maps.symbol != nullptr ||
        FT_Set_Charmap(face_, maps.unicode) != 0) {
        return false;
    }
    if (!FT_IS_SFNT(face_) || !FT_IS_SCALABLE(face_) || FT_HAS_MULTIPLE_MASTERS(face_) || FT_IS_TRICKY(face_) ||
        face_->num_fixed_sizes != 0 || !hasTable(face_, tag("glyf"))) {
        return false;
    }
    for (const FT_ULong table : kTablesQtMeasuresOtherwise) {
        if (hasTable(face_, table)) {
            return false;
        }
    }
    return os2LineMetrics(os2_, face_->units_per_EM, 1).has_value();
}

std::uint32_t FreeTypeFace::glyph(char32_t c) const
{
    constexpr char32_t kSpace = 0x20;
    constexpr char32_t kNoBreakSpace = 0xA0;
    constexpr char32_t kTab = 0x09;
    const FT_UInt glyph = FT_Get_Char_Index(face_, c);
    if (glyph == 0 && (c == kNoBreakSpace || c == kTab)) {
        return FT_Get_Char_Index(face_, kSpace);
    }
    return glyph;
}

FreeTypeFace::Size* FreeTypeFace::sizeFor(int pixelSize)
{
    auto [slot, added] = sizes_.try_emplace(pixelSize);
    if (!added) {
        return slot->second.get();
    }
    FT_Size size = nullptr;
    if (FT_New_Size(face_, &size) != 0) {
        return nullptr;
    }
    const FT_F26Dot6 pixels = static_cast<FT_F26Dot6>(pixelSize) * kFixedOne;
    if (FT_Activate_Size(size) != 0 || FT_Set_Char_Size(face_, pixels, pixels, 0, 0) != 0) {
        FT_Done_Size(size);
        return nullptr;
    }
    slot->second = std::make_unique<Size>(Size{size, std::vector<std::int32_t>(face_->num_glyphs, -1)});
    return slot->second.get();
}

std::optional<std::int32_t> FreeTypeFace::advance(std::uint32_t glyph, int pixelSize)
{
    Size* size = sizeFor(pixelSize);
    if (size == nullptr || glyph >= size->advances.size()) {
        return std::nullopt;
    }
    std::int32_t& known = size->advances[glyph];
    if (known < 0) {
        FT_Fixed linear = 0;
        if (FT_Activate_Size(size->size) != 0 || FT_Get_Advance(face_, glyph, FT_LOAD_NO_HINTING, &linear) != 0) {
            return std::nullopt;
        }
        const FT_Fixed fixed = linear >> kLinearToFixedShift;
        if (fixed < 0 || fixed > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        known = static_cast<std::int32_t>(fixed);
    }
    return known;
}

std::optional<LineMetrics> FreeTypeFace::lineMetrics(int pixelSize) const
{
    return os2LineMetrics(os2_, face_->units_per_EM, pixelSize);
}

}  // namespace probel
