// SPDX-License-Identifier: MIT
#include "output_fixtures.h"

#include <QFile>
#include <QTemporaryDir>

namespace probel::test {

std::unique_ptr<ChartSheet> emptySheet(std::int32_t paperCode)
{
    auto sheet = std::make_unique<ChartSheet>();
    sheet->fName = "新規作成1";
    sheet->myFormType = paperCode;
    return sheet;
}

std::int32_t addFramedGraph(ChartSheet& sheet, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height)
{
    const std::int32_t number = sheet.addGraph();
    NormoBp& graph = *sheet.graph(number);
    graph.setFrameLeft(left);
    graph.setFrameTop(top);
    graph.setFrameWidth(width);
    graph.setFrameHeight(height);
    graph.setXJikuCheck(false);
    graph.setMemoriCheck(false);
    sheet.setFrameVisible(number, true);
    return number;
}

ChartLabel& addTextLabel(ChartSheet& sheet, const std::string& caption, float left, float top, double points,
                         std::int32_t bgr, bool bold)
{
    ChartLabel& label = *sheet.comLabel(sheet.addComLabel());
    label.caption = caption;
    label.left = left;
    label.top = top;
    label.font.name = "ＭＳ Ｐゴシック";
    label.font.size = points;
    label.font.bold = bold;
    label.foreColor = bgr;
    label.visible = true;
    return label;
}

QRect inkBox(const QImage& image, const std::function<bool(QRgb)>& ink, QRect area)
{
    const QRect within = area.isNull() ? image.rect() : area.intersected(image.rect());
    int left = within.right() + 1;
    int right = within.left() - 1;
    int top = within.bottom() + 1;
    int bottom = within.top() - 1;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = within.left(); x <= within.right(); ++x) {
            if (ink(row[x])) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (left > right) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

bool darkPixel(QRgb pixel)
{
    constexpr int kDark = 160;
    return qRed(pixel) < kDark && qGreen(pixel) < kDark && qBlue(pixel) < kDark;
}

bool reddishPixel(QRgb pixel)
{
    constexpr int kMargin = 60;
    return qRed(pixel) > qGreen(pixel) + kMargin && qRed(pixel) > qBlue(pixel) + kMargin;
}

std::string ScratchFolder::path(const std::string& name) const
{
    return folder_.filePath(QString::fromStdString(name)).toStdString();
}

QByteArray fileBytes(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace probel::test
