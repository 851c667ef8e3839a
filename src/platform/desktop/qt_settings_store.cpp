// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_settings_store.h"

#include <QStringList>
#include <QVariant>

namespace probel {
namespace {

constexpr auto kApplicationName = "Probel";

QString settingPath(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kApplicationName),
                QString::fromLatin1(kApplicationName))
{
}

QtSettingsStore::QtSettingsStore(const QString& iniPath) : settings_(iniPath, QSettings::IniFormat) {}

std::string QtSettingsStore::getSetting(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const
{
    const QVariant value = settings_.value(settingPath(section, key));
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value.toString().toStdString();
    case QMetaType::QStringList:
        // A hand-edited value with an unquoted comma comes back as a list; it was one text.
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    default:
        return defaultValue;
    }
}

void QtSettingsStore::saveSetting(const std::string& section, const std::string& key, const std::string& value)
{
    // Stored as a string, so the file holds the text as given and reads back as text.
    settings_.setValue(settingPath(section, key), QString::fromStdString(value));
    settings_.sync();
}

QString QtSettingsStore::fileName() const
{
    return settings_.fileName();
}

bool QtSettingsStore::writable() const
{
    return settings_.isWritable() && settings_.status() == QSettings::NoError;
}

}  // namespace probel
