// SPDX-License-Identifier: MIT
#include "app/graph_defaults.h"

#include <cstdint>
#include <string>

#include "core/graph/normo_bp.h"
#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "platform/desktop/settings_store.h"

namespace probel {
namespace {

constexpr auto kSection = "SekSetForm";
constexpr auto kTrue = "True";
constexpr auto kFalse = "False";
constexpr double kDefaultMin = 0;
constexpr double kDefaultMax = 100;
constexpr std::int32_t kDefaultBunnkatu = 10;

class DefaultsReader {
public:
    explicit DefaultsReader(const SettingsStore& settings) : settings_(settings) {}

    std::string text(const char* key, const std::string& fallback) const
    {
        return settings_.getSetting(kSection, key, fallback);
    }

    double real(const char* key, double fallback) const
    {
        return wholeNumber(text(key, generalNumberText(fallback))).value_or(fallback);
    }

    std::int32_t integer(const char* key, std::int32_t fallback) const
    {
        const auto number = wholeNumber(text(key, std::to_string(fallback)));
        return number ? toInt32HalfEven(*number).value_or(fallback) : fallback;
    }

    // True and False in any letter case; a number is true unless it is 0.
    bool boolean(const char* key, bool fallback) const
    {
        std::string stored = text(key, fallback ? kTrue : kFalse);
        for (char& c : stored) {
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
        if (stored == "true") {
            return true;
        }
        if (stored == "false") {
            return false;
        }
        const auto number = wholeNumber(stored);
        return number ? *number != 0 : fallback;
    }

private:
    const SettingsStore& settings_;
};

}  // namespace

void applyGraphDefaults(NormoBp& graph, const SettingsStore& settings)
{
    const DefaultsReader read(settings);
    graph.setLineDrawStyle(read.integer("LineDrawStyle", kPenDot));
    graph.setLineColor(read.integer("LineColor", 0));
    graph.setFrameWidth(read.integer("FrameWidth", 200));
    graph.setFrameHeight(read.integer("FrameHeight", 200));
    graph.setFrameDrawStyle(read.integer("FrameDrawStyle", kPenSolid));
    graph.setFrameColor(read.integer("FrameColor", 0));
    graph.setLogV(read.boolean("LogV", false));
    graph.setMin(read.real("Min", kDefaultMin));
    graph.setMax(read.real("Max", kDefaultMax));
    graph.setTanni(read.text("Tanni", ""));
    graph.setXJikuStep(read.integer("XJikuStep", 10));
    graph.setMemoriCheck(read.boolean("MemoriCheck", true));
    graph.setXJikuCheck(read.boolean("XJikuCheck", true));
    graph.setBunnkatu(read.integer("Bunnkatu", kDefaultBunnkatu));
}

bool hasDefaultAxis(const NormoBp& graph)
{
    return !graph.logV() && graph.storedMin() == kDefaultMin && graph.storedMax() == kDefaultMax &&
           graph.bunnkatu() == kDefaultBunnkatu;
}

void storeGraphDefaults(const NormoBp& graph, SettingsStore& settings)
{
    const auto store = [&settings](const char* key, const std::string& value) {
        settings.saveSetting(kSection, key, value);
    };
    const auto flag = [](bool on) { return std::string(on ? kTrue : kFalse); };
    store("LogV", flag(graph.logV()));
    store("FrameDrawStyle", std::to_string(graph.frameDrawStyle()));
    store("LineDrawStyle", std::to_string(graph.lineDrawStyle()));
    store("FrameWidth", std::to_string(graph.frameWidth()));
    store("FrameHeight", std::to_string(graph.frameHeight()));
    store("FrameColor", std::to_string(graph.frameColor()));
    store("LineColor", std::to_string(graph.lineColor()));
    store("Min", generalNumberText(graph.min()));
    store("Max", generalNumberText(graph.max()));
    store("Tanni", graph.tanni());
    store("XJikuStep", std::to_string(graph.xJikuStep()));
    store("MemoriCheck", flag(graph.memoriCheck()));
    store("XJikuCheck", flag(graph.xJikuCheck()));
    store("Bunnkatu", std::to_string(graph.bunnkatu()));
}

}  // namespace probel
