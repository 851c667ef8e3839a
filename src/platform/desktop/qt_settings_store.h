// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/settings_store.h"

#include <QSettings>
#include <QString>

#include <string>

namespace probel {

// The settings store of the program: an INI file per user, ~/.config/Probel/Probel.ini
// (below $XDG_CONFIG_HOME when set), one INI section per settings section, UTF-8 text.
// Every save is written to disk at once, so settings survive a crash of the program.
class QtSettingsStore : public SettingsStore {
public:
    // The user's store of the application "Probel".
    QtSettingsStore();
    // A store kept in the INI file at `iniPath` (tests, portable set-ups).
    explicit QtSettingsStore(const QString& iniPath);

    std::string getSetting(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void saveSetting(const std::string& section, const std::string& key, const std::string& value) override;

    // Where the values are kept.
    QString fileName() const;
    // False once a write to the file has failed (no access, disk full).
    bool writable() const;

private:
    QSettings settings_;
};

}  // namespace probel
