// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/text/fontconfig_lookup.h"
#include "platform/text/text_metrics.h"

namespace probel {

class FreeTypeFace;

// Measures text with FreeType and fontconfig, to the same numbers Qt's QFontMetricsF gives on
// a measuring device of the given resolution once the Windows font names are substituted
// (see font_substitutes.h) - without starting Qt or reading Qt's font database. Where it
// cannot be sure of matching Qt (a font or character Qt measures another way, a hinting
// setup that rounds advances) it says so through exact(), and its answers from then on are
// estimates only.
class FreeTypeTextMetrics : public TextMetrics {
public:
    // `deviceDotsPerInch`: the measuring device's logical resolution (QPaintDevice::logicalDpiY).
    explicit FreeTypeTextMetrics(int deviceDotsPerInch);
    ~FreeTypeTextMetrics() override;
    FreeTypeTextMetrics(const FreeTypeTextMetrics&) = delete;
    FreeTypeTextMetrics& operator=(const FreeTypeTextMetrics&) = delete;

    void setFont(const CanvasFont& font, double dotsPerInch) override;
    double width(std::string_view text) override;
    double ascent() const override;
    double lineSpacing() const override;

    // False from the first font or text asked for that is not measured exactly as Qt would.
    bool exact() const { return exact_; }

private:
    // The face a family name draws with (nothing when it is not measured here), and the name
    // and file Qt asks fontconfig for its hinting with.
    struct Family {
        FreeTypeFace* face = nullptr;
        std::string askedAs;
        FontFile file;
    };
    const Family& familyFor(const std::string& name);
    FreeTypeFace* faceFor(const FontFile& file);
    bool keepsDesignAdvances(const Family& family, int pixelSize);
    void decline() { exact_ = false; }

    struct FreeTypeLibrary;
    // First of the members, so the faces close before it.
    std::unique_ptr<FreeTypeLibrary> library_;
    int deviceDotsPerInch_;
    bool exact_ = true;
    std::map<std::string, Family> families_;
    std::map<std::string, std::unique_ptr<FreeTypeFace>> faces_;
    std::map<std::pair<std::string, int>, bool> designAdvances_;
    // The font set last: its face (nothing when not measured here), size and line heights.
    FreeTypeFace* face_ = nullptr;
    int pixelSize_ = 1;
    double ascent_ = 0;
    double lineSpacing_ = 0;
};

}  // namespace probel
