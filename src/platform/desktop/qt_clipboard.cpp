// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace probel {

bool QtClipboard::hasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

std::string QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtClipboard::setText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtClipboard::setPicture(const std::string& png, const std::string& svg)
{
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/png"), QByteArray(png.data(), static_cast<qsizetype>(png.size())));
    data->setData(QStringLiteral("image/svg+xml"), QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace probel
