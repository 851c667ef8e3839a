// SPDX-License-Identifier: MIT
#include "platform/canvas/font_substitution.h"

#include <QFont>
#include <QStringList>

namespace probel {

void installFontSubstitutions()
{
    for (const auto& substitute : fontSubstitutes()) {
        const QString name = QString::fromUtf8(substitute.windowsName);
        const QString family = QString::fromUtf8(substitute.ipaFamily);
        if (!QFont::substitutes(name).contains(family, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(name, family);
        }
    }
}

QString ipaFamilyFor(const QString& windowsName)
{
    return QString::fromStdString(ipaFamilyFor(windowsName.toStdString()));
}

}  // namespace probel
