// SPDX-License-Identifier: MIT
#include "platform/desktop/file_filter.h"

#include <QString>

namespace probel {
namespace {

constexpr QChar kEntrySeparator = u'|';
constexpr QChar kPatternSeparator = u';';

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
        // The description is shown exactly as written; the dialog hides the pattern list
        // appended for Qt (QFileDialog::HideNameFilterDetails).
        QString description = parts[i].trimmed();
        if (description.isEmpty()) {
            description = patterns.join(u' ');
        }
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

}  // namespace probel
