// SPDX-License-Identifier: MIT
#include "platform/file_filter.h"

#include <QString>

namespace probel {
namespace {

constexpr QChar kEntrySeparator = u'|';
constexpr QChar kPatternSeparator = u';';

// The description without a trailing "(*.pbl)", which would otherwise show the patterns twice.
// Brackets that hold no wildcard are words of the description and stay.
QString bareDescription(const QString& description)
{
    QString text = description.trimmed();
    if (text.endsWith(u')')) {
        const qsizetype open = text.lastIndexOf(u'(');
        if (open >= 0 && text.indexOf(u'*', open) >= 0) {
            text.truncate(open);
            text = text.trimmed();
        }
    }
    return text;
}

QStringList qtPatterns(const QString& patterns)
{
    QStringList result;
    for (const QString& part : patterns.split(kPatternSeparator)) {
        const QString pattern = part.trimmed();
        if (pattern.isEmpty()) {
            continue;
        }
        result.append(pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
    }
    return result;
}

}  // namespace

QStringList qtNameFilters(std::string_view filter)
{
    const QStringList parts =
        QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split(kEntrySeparator);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) {
            continue;
        }
        QString description = bareDescription(parts[i]);
        if (description.isEmpty()) {
            description = patterns.join(u' ');
        }
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

}  // namespace probel
