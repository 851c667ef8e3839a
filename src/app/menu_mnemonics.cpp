// SPDX-License-Identifier: MIT
#include "app/menu_mnemonics.h"

namespace probel {

QChar mnemonicOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        if (caption[i + 1] != u'&') {
            return caption[i + 1];
        }
        ++i;
    }
    return {};
}

QString numberedEntry(int position, const QString& name, const QString& taken)
{
    QString letters = QStringLiteral("1234567890");
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
        if (!taken.contains(QChar(letter), Qt::CaseInsensitive)) {
            letters.append(QChar(letter));
        }
    }
    const QString shown = QString(name).replace(u'&', QStringLiteral("&&"));
    if (position < 1 || position > letters.size()) {
        return QString::number(position) + u' ' + shown;
    }
    const QChar letter = letters[position - 1];
    if (position < 10) {
        return u'&' + QString(letter) + u' ' + shown;
    }
    // The tenth reads "10" with its 0 underlined; a later one has a letter before its number.
    const QString number = QString::number(position);
    return (position == 10 ? QStringLiteral("1&0") : u'&' + QString(letter) + u' ' + number) + u' ' + shown;
}

}  // namespace probel
