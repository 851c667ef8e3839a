// SPDX-License-Identifier: MIT
#include "platform/canvas/png_writer.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/canvas/opaque_image.h"

namespace probel {
namespace {

constexpr std::array<unsigned char, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char kBitDepth = 8;
constexpr unsigned char kIndexedColour = 3;
constexpr unsigned char kTrueColour = 2;
constexpr unsigned char kFilterNone = 0;
constexpr unsigned char kUnitMetre = 1;
constexpr std::size_t kMostPaletteColours = 256;
// Runs of white and of the few colours of a page compress well with run lengths alone, at a
// fraction of the time of the usual matching.
constexpr int kCompressionLevel = 1;
constexpr int kCompressionStrategy = Z_RLE;

void putU32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((value >> static_cast<unsigned>(shift)) & 0xFFU));
    }
}

void putChunk(std::string& out, const char* type, const std::string& data)
{
    putU32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    putU32(out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

// The palette of the image and its rows as palette indices, each after its filter byte;
// empty when the image has more colours than a palette holds.
struct IndexedRows {
    std::vector<QRgb> palette;
    std::string rows;
};

bool indexRows(const QImage& image, IndexedRows& indexed)
{
    const auto width = static_cast<std::size_t>(image.width());
    indexed.rows.resize((width + 1) * static_cast<std::size_t>(image.height()));
    // Open addressing on the colour: a page has a handful of colours, so probes are short.
    constexpr std::size_t kBuckets = 1024;
    std::array<std::int32_t, kBuckets> buckets;
    buckets.fill(-1);
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        indexed.rows[at++] = static_cast<char>(kFilterNone);
        QRgb last = ~line[0];
        unsigned char lastIndex = 0;
        for (std::size_t x = 0; x < width; ++x) {
            const QRgb colour = line[x] | 0xFF000000U;
            if (colour != last) {
                std::size_t bucket = (colour * 2654435761U) >> 22U;
                while (buckets[bucket] >= 0 && indexed.palette[static_cast<std::size_t>(buckets[bucket])] != colour) {
                    bucket = (bucket + 1) % kBuckets;
                }
                if (buckets[bucket] < 0) {
                    if (indexed.palette.size() == kMostPaletteColours) {
                        return false;
                    }
                    buckets[bucket] = static_cast<std::int32_t>(indexed.palette.size());
                    indexed.palette.push_back(colour);
                }
                last = colour;
                lastIndex = static_cast<unsigned char>(buckets[bucket]);
            }
            indexed.rows[at++] = static_cast<char>(lastIndex);
        }
    }
    return true;
}

std::string rgbRows(const QImage& image)
{
    const auto width = static_cast<std::size_t>(image.width());
    std::string rows;
    rows.reserve((width * 3 + 1) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        rows.push_back(static_cast<char>(kFilterNone));
        for (std::size_t x = 0; x < width; ++x) {
            rows.push_back(static_cast<char>(qRed(line[x])));
            rows.push_back(static_cast<char>(qGreen(line[x])));
            rows.push_back(static_cast<char>(qBlue(line[x])));
        }
    }
    return rows;
}

std::string compressed(const std::string& rows)
{
    z_stream stream{};
    if (deflateInit2(&stream, kCompressionLevel, Z_DEFLATED, MAX_WBITS, MAX_MEM_LEVEL, kCompressionStrategy) != Z_OK) {
        return {};
    }
    std::string out(deflateBound(&stream, static_cast<uLong>(rows.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rows.data()));
    stream.avail_in = static_cast<uInt>(rows.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END ? out : std::string();
}

}  // namespace

std::string encodePng(const QImage& source)
{
    if (source.isNull()) {
        return {};
    }
    const QImage image = opaqueImage(source, QImage::Format_RGB32);
    IndexedRows indexed;
    const bool paletted = indexRows(image, indexed);
    const std::string data = compressed(paletted ? indexed.rows : rgbRows(image));
    if (data.empty()) {
        return {};
    }

    std::string header;
    putU32(header, static_cast<std::uint32_t>(image.width()));
    putU32(header, static_cast<std::uint32_t>(image.height()));
    header += {static_cast<char>(kBitDepth), static_cast<char>(paletted ? kIndexedColour : kTrueColour), 0,
               static_cast<char>(kFilterNone), 0};
    std::string png(kSignature.begin(), kSignature.end());
    putChunk(png, "IHDR", header);
    if (paletted) {
        std::string palette;
        for (const QRgb colour : indexed.palette) {
            palette +=
                {static_cast<char>(qRed(colour)), static_cast<char>(qGreen(colour)), static_cast<char>(qBlue(colour))};
        }
        putChunk(png, "PLTE", palette);
    }
    std::string resolution;
    putU32(resolution, static_cast<std::uint32_t>(std::max(image.dotsPerMeterX(), 0)));
    putU32(resolution, static_cast<std::uint32_t>(std::max(image.dotsPerMeterY(), 0)));
    resolution.push_back(static_cast<char>(kUnitMetre));
    putChunk(png, "pHYs", resolution);
    putChunk(png, "IDAT", data);
    putChunk(png, "IEND", {});
    return png;
}

}  // namespace probel
