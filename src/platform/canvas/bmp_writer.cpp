// SPDX-License-Identifier: MIT
#include "platform/canvas/bmp_writer.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/canvas/opaque_image.h"

namespace probel {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 24;
constexpr std::uint32_t kNoCompression = 0;  // BI_RGB
constexpr int kBytesPerPixel = 3;
constexpr int kRowAlignment = 4;

void putU16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFFu));
    out.push_back(static_cast<char>((value >> 8) & 0xFFu));
}

void putU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFFu));
    }
}

}  // namespace

std::string encodeBmp24(const QImage& image)
{
    if (image.isNull()) {
        return {};
    }
    const QImage rgb = opaqueImage(image, QImage::Format_RGB888);
    const auto width = static_cast<std::uint64_t>(rgb.width());
    const auto height = static_cast<std::uint64_t>(rgb.height());
    const std::uint64_t rowBytes = (width * kBytesPerPixel + kRowAlignment - 1) / kRowAlignment * kRowAlignment;
    const std::uint64_t pixelBytes = rowBytes * height;
    const std::uint64_t fileBytes = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    if (fileBytes > std::numeric_limits<std::uint32_t>::max()) {
        return {};
    }

    std::string out;
    out.reserve(static_cast<std::size_t>(fileBytes));
    out += "BM";
    putU32(out, static_cast<std::uint32_t>(fileBytes));
    putU32(out, 0);  // two reserved words
    putU32(out, kFileHeaderSize + kInfoHeaderSize);

    putU32(out, kInfoHeaderSize);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    putU16(out, 1);                                   // planes
    putU16(out, kBitsPerPixel);
    putU32(out, kNoCompression);
    putU32(out, static_cast<std::uint32_t>(pixelBytes));
    putU32(out, static_cast<std::uint32_t>(std::max(rgb.dotsPerMeterX(), 0)));
    putU32(out, static_cast<std::uint32_t>(std::max(rgb.dotsPerMeterY(), 0)));
    putU32(out, 0);  // colours used
    putU32(out, 0);  // important colours

    const std::string padding(static_cast<std::size_t>(rowBytes - width * kBytesPerPixel), '\0');
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const uchar* pixel = row + x * kBytesPerPixel;
            out.push_back(static_cast<char>(pixel[2]));
            out.push_back(static_cast<char>(pixel[1]));
            out.push_back(static_cast<char>(pixel[0]));
        }
        out += padding;
    }
    return out;
}

}  // namespace probel
