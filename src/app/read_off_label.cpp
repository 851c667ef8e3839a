// SPDX-License-Identifier: MIT
#include "app/read_off_label.h"

namespace probel {

ReadOffLabel::ReadOffLabel(QWidget* parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("ReadOff"));
    setAccessibleName(QString::fromUtf8(kName));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ReadOffLabel::setReading(const QString& reading)
{
    setText(reading);
    // Setting the name tells screen readers that it changed.
    const QString name = QString::fromUtf8(kName);
    setAccessibleName(reading.isEmpty() ? name : name + QStringLiteral(": ") + reading);
}

}  // namespace probel
