// SPDX-License-Identifier: MIT
#include "dialogs/percent_list.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include "core/document/extension_values.h"
#include "dialogs/number_box_text.h"

namespace probel {

QString percentListText(const std::vector<double>& percents)
{
    QStringList entries;
    for (const double percent : percents) {
        entries << numberText(percent);
    }
    return entries.join(QStringLiteral(", "));
}

PercentList readPercentList(const QString& text)
{
    static const QRegularExpression kSeparators(QStringLiteral("[,，、]"));
    PercentList list;
    for (const QString& typed : text.split(kSeparators)) {
        QString entry = typed.trimmed();
        if (entry.isEmpty()) {
            continue;
        }
        if (entry.endsWith(QLatin1Char('%')) || entry.endsWith(QChar(0xFF05))) {
            entry.chop(1);
        }
        // isPercentile also refuses a percentage that the document would round to 100.
        const std::optional<double> percent = wholeTypedNumber(entry);
        if (!percent || !isPercentile(*percent)) {
            list.refused = typed.trimmed();
            list.percents.clear();
            return list;
        }
        list.percents.push_back(*percent);
    }
    std::sort(list.percents.begin(), list.percents.end());
    list.percents.erase(std::unique(list.percents.begin(), list.percents.end()), list.percents.end());
    return list;
}

}  // namespace probel
