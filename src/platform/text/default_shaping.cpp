// SPDX-License-Identifier: MIT
#include "platform/text/default_shaping.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/text/table_bytes.h"

namespace probel {
namespace {

// Features HarfBuzz applies only when asked (or only to vertical text). Every other feature,
// known or not, counts as applied.
constexpr auto kFeaturesAppliedOnlyWhenAsked = std::to_array<std::string_view>({
    "aalt", "afrc", "c2pc", "c2sc", "case", "cpct", "cpsp", "cswh", "dlig", "expt", "falt", "fwid",
    "halt", "hist", "hkna", "hlig", "hojo", "hwid", "ital", "jalt", "jp04", "jp78", "jp83", "jp90",
    "lnum", "mgrk", "nalt", "nlck", "onum", "ordn", "ornm", "palt", "pcap", "pkna", "pnum", "pwid",
    "qwid", "ruby", "salt", "sinf", "size", "smcp", "smpl", "subs", "sups", "swsh", "titl", "tnum",
    "trad", "twid", "unic", "valt", "vert", "vhal", "vkna", "vkrn", "vpal", "vrt2", "vrtr",
});

constexpr std::uint16_t kNoRequiredFeature = 0xFFFF;
constexpr std::uint16_t kMarkGlyphClass = 3;
// Beyond this many glyphs a table is taken as malformed rather than read to the end.
constexpr std::size_t kMostGlyphs = std::size_t{1} << 20;

enum SubstitutionType : std::uint16_t {
    kSingle = 1,
    kMultiple = 2,
    kAlternate = 3,
    kLigature = 4,
    kExtension = 7,
};

void appendRange(std::vector<std::uint32_t>& glyphs, std::uint32_t first, std::uint32_t last)
{
    for (std::uint32_t glyph = first; glyph <= last; ++glyph) {
        glyphs.push_back(glyph);
    }
}

bool appliedOnlyWhenAsked(std::string_view tag)
{
    const auto numbered = [&](std::string_view prefix) {
        return tag.starts_with(prefix) && tag[2] >= '0' && tag[2] <= '9' && tag[3] >= '0' && tag[3] <= '9';
    };
    return numbered("ss") || numbered("cv") ||
           std::ranges::find(kFeaturesAppliedOnlyWhenAsked, tag) != kFeaturesAppliedOnlyWhenAsked.end();
}

// Collects the glyphs a table may change, noting when it holds what is not followed here.
class ChangedGlyphs {
public:
    explicit ChangedGlyphs(std::span<const std::uint8_t> table) : table_(table) {}

    // The glyphs of a coverage table, in coverage order.
    std::vector<std::uint32_t> coverage(std::size_t at)
    {
        std::vector<std::uint32_t> glyphs;
        const std::uint16_t format = table_.u16(at);
        const std::uint16_t count = table_.u16(at + 2);
        if (format == 1) {
            for (std::size_t i = 0; i < count; ++i) {
                glyphs.push_back(table_.u16(at + 4 + 2 * i));
            }
        } else if (format == 2) {
            for (std::size_t i = 0; i < count && glyphs.size() < kMostGlyphs; ++i) {
                const std::size_t record = at + 4 + 6 * i;
                appendRange(glyphs, table_.u16(record), table_.u16(record + 2));
            }
        } else {
            table_.markBroken();
        }
        return glyphs;
    }

    // A ClassDef table's glyphs of class `wanted`.
    void addClass(std::size_t at, std::uint16_t wanted)
    {
        const std::uint16_t format = table_.u16(at);
        if (format == 1) {
            const std::uint16_t first = table_.u16(at + 2);
            const std::uint16_t count = table_.u16(at + 4);
            for (std::size_t i = 0; i < count; ++i) {
                if (table_.u16(at + 6 + 2 * i) == wanted) {
                    add(first + static_cast<std::uint32_t>(i));
                }
            }
        } else if (format == 2) {
            const std::uint16_t count = table_.u16(at + 2);
            for (std::size_t i = 0; i < count && changed_.size() < kMostGlyphs; ++i) {
                const std::size_t record = at + 4 + 6 * i;
                if (table_.u16(record + 4) == wanted) {
                    appendRange(changed_, table_.u16(record), table_.u16(record + 2));
                }
            }
        } else {
            table_.markBroken();
        }
    }

    // The glyphs one GSUB subtable of `type` at `at` may replace or join.
    void addSubstitution(std::uint16_t type, std::size_t at)
    {
        switch (type) {
        case kSingle:
        case kMultiple:
        case kAlternate:
            addAll(coverage(at + table_.u16(at + 2)));
            break;
        case kLigature:
            addLigatures(at);
            break;
        case kExtension:
            if (table_.u16(at + 2) == kExtension) {
                table_.markBroken();
            } else {
                addSubstitution(table_.u16(at + 2), at + table_.u32(at + 4));
            }
            break;
        default:
            // Contextual, chained and reverse substitutions depend on the neighbours.
            table_.markBroken();
        }
    }

    void addLookup(std::size_t at)
    {
        const std::uint16_t type = table_.u16(at);
        const std::uint16_t subtables = table_.u16(at + 4);
        for (std::size_t i = 0; i < subtables && !table_.broken(); ++i) {
            addSubstitution(type, at + table_.u16(at + 6 + 2 * i));
        }
    }

    TableBytes& table() { return table_; }
    bool understood() const { return !table_.broken() && changed_.size() < kMostGlyphs; }
    std::vector<std::uint32_t>& changed() { return changed_; }

private:
    void add(std::uint32_t glyph) { changed_.push_back(glyph); }
    void addAll(const std::vector<std::uint32_t>& glyphs)
    {
        changed_.insert(changed_.end(), glyphs.begin(), glyphs.end());
    }

    // A ligature forms only where all its components follow its first glyph, so its components
    // after the first are what text must hold for it to change anything; a ligature of one
    // glyph is a plain replacement of that glyph.
    void addLigatures(std::size_t at)
    {
        const std::vector<std::uint32_t> firstGlyphs = coverage(at + table_.u16(at + 2));
        const std::uint16_t sets = table_.u16(at + 4);
        for (std::size_t set = 0; set < sets && set < firstGlyphs.size(); ++set) {
            const std::size_t setAt = at + table_.u16(at + 6 + 2 * set);
            const std::uint16_t ligatures = table_.u16(setAt);
            for (std::size_t i = 0; i < ligatures; ++i) {
                const std::size_t ligatureAt = setAt + table_.u16(setAt + 2 + 2 * i);
                const std::uint16_t components = table_.u16(ligatureAt + 2);
                if (components <= 1) {
                    add(firstGlyphs[set]);
                }
                for (std::size_t c = 1; c < components; ++c) {
                    add(table_.u16(ligatureAt + 4 + 2 * (c - 1)));
                }
            }
        }
    }

    TableBytes table_;
    std::vector<std::uint32_t> changed_;
};

// The features of every script and language system that HarfBuzz applies unasked: the
// required feature and those not applied only when asked.
std::vector<std::uint16_t> defaultFeatures(TableBytes& gsub)
{
    std::vector<std::uint16_t> features;
    const std::size_t featureList = gsub.u16(6);
    const std::uint16_t featureCount = gsub.u16(featureList);
    for (std::uint16_t i = 0; i < featureCount; ++i) {
        if (!appliedOnlyWhenAsked(gsub.tag(featureList + 2 + 6 * std::size_t{i}))) {
            features.push_back(i);
        }
    }
    const std::size_t scriptList = gsub.u16(4);
    const std::uint16_t scripts = gsub.u16(scriptList);
    for (std::size_t s = 0; s < scripts; ++s) {
        const std::size_t script = scriptList + gsub.u16(scriptList + 2 + 6 * s + 4);
        std::vector<std::size_t> langSystems;
        if (const std::uint16_t defaultLangSys = gsub.u16(script); defaultLangSys != 0) {
            langSystems.push_back(script + defaultLangSys);
        }
        const std::uint16_t languages = gsub.u16(script + 2);
        for (std::size_t l = 0; l < languages; ++l) {
            langSystems.push_back(script + gsub.u16(script + 4 + 6 * l + 4));
        }
        for (const std::size_t langSys : langSystems) {
            if (const std::uint16_t required = gsub.u16(langSys + 2); required != kNoRequiredFeature) {
                features.push_back(required);
            }
        }
    }
    return features;
}

void addDefaultSubstitutions(ChangedGlyphs& changes)
{
    TableBytes& gsub = changes.table();
    constexpr std::size_t kFeatureVariationsAt = 10;
    if (gsub.u16(2) >= 1 && gsub.u32(kFeatureVariationsAt) != 0) {
        // Features swapped for others under conditions of a variable font.
        gsub.markBroken();
        return;
    }
    const std::size_t featureList = gsub.u16(6);
    const std::size_t lookupList = gsub.u16(8);
    const std::uint16_t lookupCount = gsub.u16(lookupList);
    std::vector<bool> lookupSeen(lookupCount);
    for (const std::uint16_t feature : defaultFeatures(gsub)) {
        const std::size_t featureAt = featureList + gsub.u16(featureList + 2 + 6 * std::size_t{feature} + 4);
        const std::uint16_t lookups = gsub.u16(featureAt + 2);
        for (std::size_t i = 0; i < lookups && !gsub.broken(); ++i) {
            const std::uint16_t lookup = gsub.u16(featureAt + 4 + 2 * i);
            if (lookup >= lookupCount) {
                gsub.markBroken();
            } else if (!lookupSeen[lookup]) {
                lookupSeen[lookup] = true;
                changes.addLookup(lookupList + gsub.u16(lookupList + 2 + 2 * std::size_t{lookup}));
            }
        }
    }
}

}  // namespace

DefaultShaping::DefaultShaping(std::span<const std::uint8_t> gsub, std::span<const std::uint8_t> gdef)
{
    ChangedGlyphs substituted(gsub);
    if (!gsub.empty()) {
        addDefaultSubstitutions(substituted);
    }
    ChangedGlyphs marks(gdef);
    if (!gdef.empty()) {
        constexpr std::size_t kGlyphClassDefAt = 4;
        if (const std::uint16_t classDef = marks.table().u16(kGlyphClassDefAt); classDef != 0) {
            marks.addClass(classDef, kMarkGlyphClass);
        }
    }
    understood_ = substituted.understood() && marks.understood();
    changed_ = std::move(substituted.changed());
    changed_.insert(changed_.end(), marks.changed().begin(), marks.changed().end());
    std::sort(changed_.begin(), changed_.end());
    changed_.erase(std::unique(changed_.begin(), changed_.end()), changed_.end());
}

bool DefaultShaping::mayChange(std::uint32_t glyph) const
{
    return !understood_ || std::binary_search(changed_.begin(), changed_.end(), glyph);
}

}  // namespace probel
