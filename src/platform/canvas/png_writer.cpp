// SPDX-License-Identifier: MIT
#include "platform/canvas/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
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

// Image rows as PNG stores them, each after its filter byte. Left uninitialised until written:
// clearing some megabytes first would cost a good part of the encoding.
struct Rows {
    explicit Rows(std::size_t size) : bytes(new char[size]), size(size) {}
    std::string_view view() const { return {bytes.get(), size}; }

    std::unique_ptr<char[]> bytes;
    std::size_t size;
};

// The palette of the image and its rows as palette indices; empty when the image has more
// colours than a palette holds.
struct IndexedRows {
    std::vector<QRgb> palette;
    std::optional<Rows> rows;
};

bool indexRows(const QImage& image, IndexedRows& indexed)
{
    const auto width = static_cast<std::size_t>(image.width());
    indexed.rows.emplace((width + 1) * static_cast<std::size_t>(image.height()));
    // Open addressing on the colour: a page has a handful of colours, so probes are short.
    constexpr std::size_t kBuckets = 1024;
    std::array<std::int32_t, kBuckets> buckets;
    buckets.fill(-1);
    char* out = indexed.rows->bytes.get();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        *out++ = static_cast<char>(kFilterNone);
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
            *out++ = static_cast<char>(lastIndex);
        }
    }
    return true;
}

// zlib's stream of rows given in pieces; the same bytes as one deflate call over all of them.
class Deflater {
public:
    explicit Deflater(std::size_t inputSize)
    {
        ready_ = deflateInit2(&stream_, kCompressionLevel, Z_DEFLATED, MAX_WBITS, MAX_MEM_LEVEL,
                              kCompressionStrategy) == Z_OK;
        if (ready_) {
            out_.emplace(deflateBound(&stream_, static_cast<uLong>(inputSize)));
            stream_.next_out = reinterpret_cast<Bytef*>(out_->bytes.get());
            stream_.avail_out = static_cast<uInt>(out_->size);
        }
    }
    ~Deflater()
    {
        if (ready_) {
            deflateEnd(&stream_);
        }
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    void add(std::string_view bytes, bool last)
    {
        if (!ready_) {
            return;
        }
        stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        stream_.avail_in = static_cast<uInt>(bytes.size());
        const int result = deflate(&stream_, last ? Z_FINISH : Z_NO_FLUSH);
        ready_ = last ? result == Z_STREAM_END : result == Z_OK && stream_.avail_in == 0;
        finished_ = last && ready_;
    }

    // The compressed bytes; empty when zlib failed.
    std::string result() const { return finished_ ? std::string(out_->bytes.get(), stream_.total_out) : std::string(); }

private:
    z_stream stream_{};
    std::optional<Rows> out_;
    bool ready_ = false;
    bool finished_ = false;
};

std::string compressed(std::string_view rows)
{
    Deflater deflater(rows.size());
    deflater.add(rows, true);
    return deflater.result();
}

// The image's rows as RGB, each after its filter byte, handed to zlib a few rows at a time so
// that they are still in the cache when it reads them. Qt converts the pixels (with the
// processor's vector instructions where it has them).
std::string compressedRgbRows(const QImage& image)
{
    constexpr int kRowsAtATime = 32;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull()) {
        return {};
    }
    const auto pixelBytes = static_cast<std::size_t>(rgb.width()) * 3;
    Deflater deflater((pixelBytes + 1) * static_cast<std::size_t>(rgb.height()));
    Rows piece((pixelBytes + 1) * kRowsAtATime);
    for (int first = 0; first < rgb.height(); first += kRowsAtATime) {
        const int last = std::min(first + kRowsAtATime, rgb.height());
        char* out = piece.bytes.get();
        for (int y = first; y < last; ++y) {
            *out++ = static_cast<char>(kFilterNone);
            std::memcpy(out, rgb.constScanLine(y), pixelBytes);
            out += pixelBytes;
        }
        deflater.add(std::string_view(piece.bytes.get(), static_cast<std::size_t>(out - piece.bytes.get())),
                     last == rgb.height());
    }
    return deflater.result();
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
    const std::string data = paletted ? compressed(indexed.rows->view()) : compressedRgbRows(image);
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
