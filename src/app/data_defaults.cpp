// SPDX-License-Identifier: MIT
#include "app/data_defaults.h"

#include <cstdint>
#include <string>

#include "core/numbers/number_text.h"
#include "core/numbers/rounding.h"
#include "dialogs/data_settings_editor.h"
#include "platform/desktop/settings_store.h"

namespace probel {
namespace {

constexpr auto kSection = "DataNewForm";

std::int32_t storedInteger(const SettingsStore& settings, const char* key, std::int32_t fallback)
{
    const auto number = wholeNumber(settings.getSetting(kSection, key, std::to_string(fallback)));
    return number ? toInt32HalfEven(*number).value_or(fallback) : fallback;
}

bool storedFlag(const SettingsStore& settings, const char* key, bool fallback)
{
    return storedInteger(settings, key, fallback ? 1 : 0) != 0;
}

std::string flagText(bool on)
{
    return on ? "1" : "0";
}

}  // namespace

void readDataDefaults(DataDialogInput& input, const SettingsStore& settings)
{
    input.drawStyle = storedInteger(settings, "DrawStyle", 0);
    input.lineVisible = storedFlag(settings, "LineCk", true);
    input.sizeText = std::to_string(storedInteger(settings, "MrkSize", 10));
    input.mrk = settings.getSetting(kSection, "Mrk", "○");
    input.label = storedFlag(settings, "LabelCk", false);
    input.heikin = storedFlag(settings, "HeikinCk", false);
    input.probel = storedFlag(settings, "ProbelCk", false);
    input.siguma = storedFlag(settings, "SigumaCk", false);
    input.cp = storedFlag(settings, "CpCk", false);
    input.heikinFormat = settings.getSetting(kSection, "HeikinFormat", "0.##");
    input.probelFormat = settings.getSetting(kSection, "ProbelFormat", "0.##");
    input.sigumaFormat = settings.getSetting(kSection, "SigumaFormat", "0.##");
    input.cpFormat = settings.getSetting(kSection, "CpFormat", "0.##");
    input.sigmaDivisor =
        sigmaDivisorFromWord(settings.getSetting(kSection, "SigmaDivisor", "n")).value_or(SigmaDivisor::Count);
}

void storeDataDefaults(const DataDialogValues& values, SettingsStore& settings)
{
    const auto store = [&settings](const char* key, const std::string& value) {
        settings.saveSetting(kSection, key, value);
    };
    store("MrkSize", generalNumberText(values.mrkSizeSetting));
    store("Mrk", values.mrk);
    store("Color", std::to_string(values.color));
    store("DrawStyle", std::to_string(values.drawStyle));
    store("HeikinFormat", values.heikinFormat);
    store("SigumaFormat", values.sigumaFormat);
    store("ProbelFormat", values.probelFormat);
    store("CpFormat", values.cpFormat);
    store("HeikinCk", flagText(values.heikin));
    store("ProbelCk", flagText(values.probel));
    store("SigumaCk", flagText(values.siguma));
    store("CpCk", flagText(values.cp));
    store("LabelCk", flagText(values.label));
    store("LineCk", flagText(values.lineVisible));
    store("SigmaDivisor", std::string(sigmaDivisorWord(values.sigmaDivisor)));
}

}  // namespace probel
