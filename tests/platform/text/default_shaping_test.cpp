// SPDX-License-Identifier: MIT
#include "platform/text/default_shaping.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace probel {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Big-endian 16-bit words, and bytes after them.
Bytes words(std::initializer_list<std::size_t> values, const Bytes& then = {})
{
    Bytes bytes;
    for (const std::size_t value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value >> 8U));
        bytes.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    }
    bytes.insert(bytes.end(), then.begin(), then.end());
    return bytes;
}

// Single substitution (each glyph becomes the next) of the glyphs a coverage table lists.
Bytes singleSubstitution(std::uint16_t first, std::uint16_t second)
{
    return words({1, 6, 1, 1, 2, first, second});
}

// A ligature of `first`, `second` and `third` (0: none) as glyph 999.
Bytes ligature(std::uint16_t first, std::uint16_t second, std::uint16_t third)
{
    const Bytes ligatureTable = third != 0 ? words({999, 3, second, third}) : words({999, 1});
    return words({1, 8, 1, 14, 1, 1, first, 1, 4}, ligatureTable);
}

constexpr std::uint16_t kSingle = 1;
constexpr std::uint16_t kLigature = 4;
constexpr std::uint16_t kChainedContext = 6;
constexpr std::uint16_t kExtension = 7;

struct Feature {
    std::string tag;
    std::uint16_t lookupType;
    Bytes subtable;
};

void append(Bytes& bytes, const Bytes& more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
}

// A GSUB table of one script whose default language system lists every feature (and may
// require one), feature i having lookup i of one subtable.
Bytes gsubTable(const std::vector<Feature>& features, std::size_t required = 0xFFFF)
{
    const std::size_t count = features.size();
    Bytes scripts = words({1}, {'D', 'F', 'L', 'T'});
    append(scripts, words({8, 4, 0, 0, required, count}));
    Bytes featureList = words({count});
    Bytes featureTables;
    Bytes lookupList = words({count});
    Bytes lookupTables;
    for (std::size_t i = 0; i < count; ++i) {
        append(scripts, words({i}));
        append(featureList, Bytes(features[i].tag.begin(), features[i].tag.end()));
        append(featureList, words({2 + 6 * count + featureTables.size()}));
        append(featureTables, words({0, 1, i}));
        append(lookupList, words({2 + 2 * count + lookupTables.size()}));
        append(lookupTables, words({features[i].lookupType, 0, 1, 8}, features[i].subtable));
    }
    append(featureList, featureTables);
    append(lookupList, lookupTables);
    Bytes table = words({1, 0, 10, 10 + scripts.size(), 10 + scripts.size() + featureList.size()});
    for (const Bytes* part : {&scripts, &featureList, &lookupList}) {
        append(table, *part);
    }
    return table;
}

TEST(DefaultShapingTest, SubstitutionsOfFeaturesAppliedUnaskedChangeTheirGlyphs)
{
    const DefaultShaping shaping(gsubTable({{"ccmp", kSingle, singleSubstitution(5, 6)},
                                            {"vert", kSingle, singleSubstitution(7, 7)},
                                            {"liga", kExtension, words({1, kSingle, 0, 8}, singleSubstitution(8, 8))}}),
                                 {});
    EXPECT_TRUE(shaping.mayChange(5));
    EXPECT_TRUE(shaping.mayChange(6));
    EXPECT_FALSE(shaping.mayChange(7));  // vertical text only
    EXPECT_TRUE(shaping.mayChange(8));
    EXPECT_FALSE(shaping.mayChange(9));
}

TEST(DefaultShapingTest, ALigatureNeedsAllItsComponentsAfterItsFirstGlyph)
{
    const DefaultShaping shaping(
        gsubTable({{"ccmp", kLigature, ligature(10, 11, 12)}, {"liga", kLigature, ligature(20, 0, 0)}}), {});
    EXPECT_FALSE(shaping.mayChange(10));
    EXPECT_TRUE(shaping.mayChange(11));
    EXPECT_TRUE(shaping.mayChange(12));
    EXPECT_TRUE(shaping.mayChange(20));  // a ligature of one glyph replaces it
}

TEST(DefaultShapingTest, ARequiredFeatureAppliesWhateverItsTag)
{
    EXPECT_TRUE(DefaultShaping(gsubTable({{"vert", kSingle, singleSubstitution(7, 7)}}, 0), {}).mayChange(7));
}

TEST(DefaultShapingTest, ContextualOrBrokenTablesLeaveNoGlyphSafe)
{
    EXPECT_TRUE(DefaultShaping(gsubTable({{"calt", kChainedContext, words({3, 0, 0, 0, 0})}}), {}).mayChange(1));
    Bytes cut = gsubTable({{"ccmp", kSingle, singleSubstitution(5, 5)}});
    EXPECT_FALSE(DefaultShaping(cut, {}).mayChange(1));
    cut.resize(cut.size() - 3);
    EXPECT_TRUE(DefaultShaping(cut, {}).mayChange(1));
}

TEST(DefaultShapingTest, GlyphsClassedAsMarksChange)
{
    // Glyph classes by ranges: 1-99 base glyphs, 100-101 marks.
    const DefaultShaping shaping({}, words({1, 0, 12, 0, 0, 0, 2, 2, 1, 99, 1, 100, 101, 3}));
    EXPECT_FALSE(shaping.mayChange(50));
    EXPECT_TRUE(shaping.mayChange(100));
    EXPECT_TRUE(shaping.mayChange(101));
    EXPECT_FALSE(shaping.mayChange(102));
}

}  // namespace
}  // namespace probel
