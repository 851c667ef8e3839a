// SPDX-License-Identifier: MIT
#include "platform/desktop/hand_off_message.h"

#include <QStringDecoder>

#include <algorithm>

namespace probel {
namespace {

constexpr char kMagic[] = {'P', 'B', 'H', '1'};
constexpr qsizetype kMagicSize = sizeof(kMagic);
constexpr qsizetype kNumberSize = 4;

void appendNumber(QByteArray& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(static_cast<char>((value >> shift) & 0xFFU));
    }
}

std::uint32_t numberAt(const QByteArray& bytes, qsizetype at)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < kNumberSize; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The path held by `bytes`, or nothing when a receiver must not accept it.
std::optional<QString> acceptablePath(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() > static_cast<qsizetype>(kMaxHandOffPathBytes) || bytes.front() != '/' ||
        bytes.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString path = decoder(bytes);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return path;
}

}  // namespace

std::optional<QByteArray> encodeHandOffMessage(const QStringList& paths)
{
    if (paths.isEmpty() || paths.size() > static_cast<qsizetype>(kMaxHandOffFiles)) {
        return std::nullopt;
    }
    QByteArray message(kMagic, kMagicSize);
    appendNumber(message, static_cast<std::uint32_t>(paths.size()));
    for (const QString& path : paths) {
        const QByteArray bytes = path.toUtf8();
        if (!acceptablePath(bytes)) {
            return std::nullopt;
        }
        appendNumber(message, static_cast<std::uint32_t>(bytes.size()));
        message.append(bytes);
        if (message.size() > kMaxHandOffBytes) {
            return std::nullopt;
        }
    }
    return message;
}

HandOffMessageReader::State HandOffMessageReader::append(const QByteArray& bytes)
{
    if (state_ != State::Incomplete) {
        // Anything after a complete message is garbage; an invalid one stays invalid.
        return bytes.isEmpty() ? state_ : fail();
    }
    if (bytes.size() > room()) {
        return fail();
    }
    buffer_.append(bytes);
    return parse();
}

HandOffMessageReader::State HandOffMessageReader::parse()
{
    if (count_ == 0) {
        const qsizetype known = std::min(buffer_.size(), kMagicSize);
        if (QByteArrayView(buffer_).first(known) != QByteArrayView(kMagic, known)) {
            return fail();
        }
        if (buffer_.size() < kMagicSize + kNumberSize) {
            return state_;
        }
        count_ = numberAt(buffer_, kMagicSize);
        if (count_ == 0 || count_ > kMaxHandOffFiles) {
            return fail();
        }
        next_ = kMagicSize + kNumberSize;
    }

    // Each path is checked once, as soon as it is whole, so a bad one is refused early and
    // a peer sending a byte at a time costs no more than one sending all at once.
    while (static_cast<std::uint32_t>(paths_.size()) < count_) {
        if (buffer_.size() < next_ + kNumberSize) {
            return state_;
        }
        const std::uint32_t length = numberAt(buffer_, next_);
        if (length == 0 || length > kMaxHandOffPathBytes) {
            return fail();
        }
        const qsizetype pathStart = next_ + kNumberSize;
        if (buffer_.size() < pathStart + static_cast<qsizetype>(length)) {
            return state_;
        }
        std::optional<QString> path = acceptablePath(QByteArrayView(buffer_).sliced(pathStart, length));
        if (!path) {
            return fail();
        }
        paths_.append(*path);
        next_ = pathStart + length;
    }
    if (next_ != buffer_.size()) {
        return fail();
    }
    state_ = State::Complete;
    return state_;
}

HandOffMessageReader::State HandOffMessageReader::fail()
{
    buffer_.clear();
    paths_.clear();
    count_ = 0;
    next_ = 0;
    state_ = State::Invalid;
    return state_;
}

}  // namespace probel
