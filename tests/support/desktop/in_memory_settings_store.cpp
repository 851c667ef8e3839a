// SPDX-License-Identifier: MIT
#include "support/desktop/in_memory_settings_store.h"

namespace probel::test {

std::string InMemorySettingsStore::getSetting(const std::string& section, const std::string& key,
                                              const std::string& defaultValue) const
{
    const auto found = values_.find({section, key});
    return found == values_.end() ? defaultValue : found->second;
}

void InMemorySettingsStore::saveSetting(const std::string& section, const std::string& key, const std::string& value)
{
    values_[{section, key}] = value;
    ++saveCount_;
}

bool InMemorySettingsStore::contains(const std::string& section, const std::string& key) const
{
    return values_.contains({section, key});
}

}  // namespace probel::test
