// SPDX-License-Identifier: MIT
#include "platform/text/freetype_text_metrics.h"

#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/util/utf8.h"
#include "platform/text/font_substitutes.h"
#include "platform/text/fontconfig_lookup.h"
#include "platform/text/freetype_face.h"
#include "platform/text/unshaped_characters.h"

namespace probel {
namespace {

constexpr double kPointsPerInch = 72;
constexpr std::int64_t kFixedOne = 64;
constexpr char32_t kReplacementCharacter = 0xFFFD;
// Qt keeps to design advances under these hint styles and rounds hinted ones under the others.
constexpr int kHintStyleNone = FC_HINT_NONE;
constexpr int kHintStyleSlight = FC_HINT_SLIGHT;

// The whole pixel size Qt draws a font of `points` at on a canvas of `canvasDotsPerInch`
// measured on a device of `deviceDotsPerInch`: the canvas hands Qt points scaled by the two
// resolutions; Qt turns them to pixels at the device's, rounds to hundredths and then to
// whole pixels. Empty when Qt would not take the size.
std::optional<int> qtPixelSize(double points, double canvasDotsPerInch, int deviceDotsPerInch)
{
    const double pointSize = drawnPoints(points) * canvasDotsPerInch / deviceDotsPerInch;
    if (!std::isfinite(pointSize) || pointSize <= 0) {
        return std::nullopt;
    }
    const double hundredths = std::floor(((pointSize * deviceDotsPerInch) / kPointsPerInch) * 100 + 0.5) / 100;
    const double pixels = hundredths + 0.5;
    if (!(pixels >= 1 && pixels < std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(pixels);
}

// 1/64 pixels in pixels, exactly.
double toPixels(std::int64_t fixed)
{
    return static_cast<double>(fixed) / static_cast<double>(kFixedOne);
}

// Family names Qt reads a foundry or a list out of.
bool plainFamilyName(const std::string& name)
{
    return !name.empty() && name.find_first_of("[],") == std::string::npos;
}

}  // namespace

struct FreeTypeTextMetrics::FreeTypeLibrary {
    FreeTypeLibrary()
    {
        if (FT_Init_FreeType(&handle) != 0) {
            handle = nullptr;
        }
    }
    ~FreeTypeLibrary()
    {
        if (handle != nullptr) {
            FT_Done_FreeType(handle);
        }
    }
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
    FT_Library handle = nullptr;
};

FreeTypeTextMetrics::FreeTypeTextMetrics(int deviceDotsPerInch)
    : library_(std::make_unique<FreeTypeLibrary>()), deviceDotsPerInch_(deviceDotsPerInch)
{
    if (library_->handle == nullptr || deviceDotsPerInch_ <= 0 || FcInit() == FcFalse) {
        decline();
    }
}

FreeTypeTextMetrics::~FreeTypeTextMetrics() = default;

FreeTypeFace* FreeTypeTextMetrics::faceFor(const FontFile& file)
{
    auto [slot, added] = faces_.try_emplace(file.realPath);
    if (added && library_->handle != nullptr) {
        slot->second = FreeTypeFace::open(library_->handle, file.path, file.index);
    }
    return slot->second.get();
}

// Qt looks for a font of the name itself, and only when there is none for the substitute.
const FreeTypeTextMetrics::Family& FreeTypeTextMetrics::familyFor(const std::string& name)
{
    auto [slot, added] = families_.try_emplace(name);
    if (!added || !plainFamilyName(name)) {
        return slot->second;
    }
    std::string askedAs = name;
    FamilyLookup lookup = lookUpFamily(askedAs);
    if (lookup.result == FamilyLookup::kNotListed) {
        askedAs = ipaFamilyFor(name);
        if (!askedAs.empty()) {
            lookup = lookUpFamily(askedAs);
        }
    }
    if (lookup.result == FamilyLookup::kFound) {
        slot->second = {faceFor(lookup.file), askedAs, lookup.file};
    }
    return slot->second;
}

bool FreeTypeTextMetrics::keepsDesignAdvances(const Family& family, int pixelSize)
{
    auto [slot, added] = designAdvances_.try_emplace(std::pair(family.askedAs, pixelSize));
    if (added) {
        const std::optional<int> hintStyle = configuredHintStyle(family.askedAs, family.file, pixelSize);
        slot->second = hintStyle == kHintStyleNone || hintStyle == kHintStyleSlight;
    }
    return slot->second;
}

void FreeTypeTextMetrics::setFont(const CanvasFont& font, double dotsPerInch)
{
    face_ = nullptr;
    const std::optional<int> pixelSize = qtPixelSize(font.size, dotsPerInch, deviceDotsPerInch_);
    pixelSize_ = pixelSize.value_or(1);  // only for the estimates below
    // Estimates, kept unless the font is measured.
    ascent_ = pixelSize_ * 7.0 / 8;
    lineSpacing_ = pixelSize_ * 9.0 / 8;
    if (!pixelSize || !exact_) {
        decline();
        return;
    }
    const Family& family = familyFor(font.name);
    const std::optional<LineMetrics> lines =
        family.face != nullptr && family.face->measurable() ? family.face->lineMetrics(*pixelSize) : std::nullopt;
    const std::optional<std::int32_t> lineSpacing = lines ? lineSpacingOf(*lines) : std::nullopt;
    if (!lineSpacing || !keepsDesignAdvances(family, *pixelSize)) {
        decline();
        return;
    }
    face_ = family.face;
    ascent_ = toPixels(lines->ascent);
    lineSpacing_ = toPixels(*lineSpacing);
}

double FreeTypeTextMetrics::width(std::string_view text)
{
    // Estimates for what is not measured: half the size for ASCII, the size for the rest.
    const auto estimate = [&](char32_t c) {
        return static_cast<std::int64_t>(pixelSize_) * (c < 0x80 ? kFixedOne / 2 : kFixedOne);
    };
    std::int64_t total = 0;
    char32_t previous = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::optional<Utf8Char> read = readUtf8(text, pos);
        const char32_t c = read ? read->codePoint : kReplacementCharacter;
        pos += read ? read->length : 1;
        const std::uint32_t glyph = face_ != nullptr ? face_->glyph(c) : 0;
        const std::optional<std::int32_t> advance =
            glyph != 0 ? face_->advance(glyph, pixelSize_) : std::optional<std::int32_t>();
        if (!read || !advance || !isUnshapedCharacter(c, previous) || face_->shapingMayChange(glyph)) {
            decline();
        }
        total += advance.value_or(estimate(c));
        previous = c;
    }
    if (total > std::numeric_limits<std::int32_t>::max()) {
        decline();
    }
    return toPixels(total);
}

double FreeTypeTextMetrics::ascent() const
{
    return ascent_;
}

double FreeTypeTextMetrics::lineSpacing() const
{
    return lineSpacing_;
}

}  // namespace probel
