// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

namespace probel {
namespace {

const QString kPngType = QStringLiteral("image/png");
const QString kSvgType = QStringLiteral("image/svg+xml");

QByteArray bytesOf(const std::string& text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A picture whose SVG form is written when a program first asks for it; the clipboard asks on
// behalf of the program a paste goes to.
class PictureMimeData : public QMimeData {
public:
    PictureMimeData(std::string png, std::function<std::string()> svg) : png_(bytesOf(png)), makeSvg_(std::move(svg)) {}

    QStringList formats() const override { return {kPngType, kSvgType}; }
    bool hasFormat(const QString& type) const override { return type == kPngType || type == kSvgType; }

protected:
    QVariant retrieveData(const QString& type, QMetaType /*preferred*/) const override
    {
        if (type == kPngType) {
            return png_;
        }
        if (type != kSvgType) {
            return {};
        }
        if (makeSvg_) {
            svg_ = bytesOf(makeSvg_());
            makeSvg_ = nullptr;
        }
        return svg_;
    }

private:
    QByteArray png_;
    mutable std::function<std::string()> makeSvg_;
    mutable QByteArray svg_;
};

}  // namespace

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

void QtClipboard::setPicture(std::string png, std::function<std::string()> svg)
{
    // The clipboard owns the data from here on.
    QGuiApplication::clipboard()->setMimeData(new PictureMimeData(std::move(png), std::move(svg)));
}

}  // namespace probel
