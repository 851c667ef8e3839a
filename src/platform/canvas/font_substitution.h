// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include "platform/canvas/font_substitutes.h"

namespace probel {

// Registers every substitute with Qt (QFont::insertSubstitution), so a QFont of a Windows name
// draws with the IPA font while the name itself stays as written. Needs a QGuiApplication;
// calling it again changes nothing.
void installFontSubstitutions();

// The IPA family for a Windows name, or an empty string when the name has none.
QString ipaFamilyFor(const QString& windowsName);

}  // namespace probel
