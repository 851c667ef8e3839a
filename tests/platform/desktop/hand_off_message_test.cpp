// SPDX-License-Identifier: MIT
#include "platform/desktop/hand_off_message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

using State = HandOffMessageReader::State;

QByteArray number(std::uint32_t value)
{
    QByteArray bytes;
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.append(static_cast<char>((value >> shift) & 0xFFU));
    }
    return bytes;
}

// A message built by hand, so that the reader is checked against the format and not
// against the encoder alone.
QByteArray message(const std::vector<QByteArray>& paths)
{
    QByteArray bytes = QByteArrayLiteral("PBH1") + number(static_cast<std::uint32_t>(paths.size()));
    for (const auto& path : paths) {
        bytes += number(static_cast<std::uint32_t>(path.size())) + path;
    }
    return bytes;
}

TEST(HandOffMessageTest, EncodedMessageIsReadBackWhetherItArrivesWholeOrByteByByte)
{
    const QStringList paths = {QStringLiteral("/home/u/a.pbl"), QStringLiteral("/home/u/データ 1.pbl"),
                               QStringLiteral("/tmp/x\ny.pbl")};
    const auto encoded = encodeHandOffMessage(paths);
    ASSERT_TRUE(encoded.has_value());
    EXPECT_EQ(*encoded, message({"/home/u/a.pbl", QStringLiteral("/home/u/データ 1.pbl").toUtf8(), "/tmp/x\ny.pbl"}));

    HandOffMessageReader whole;
    EXPECT_EQ(whole.append(*encoded), State::Complete);
    EXPECT_EQ(whole.paths(), paths);

    HandOffMessageReader pieces;
    for (qsizetype i = 0; i + 1 < encoded->size(); ++i) {
        ASSERT_EQ(pieces.append(encoded->mid(i, 1)), State::Incomplete) << "after byte " << i;
    }
    EXPECT_EQ(pieces.append(encoded->right(1)), State::Complete);
    EXPECT_EQ(pieces.paths(), paths);
}

TEST(HandOffMessageTest, EncoderRefusesWhatAReceiverWouldRefuse)
{
    EXPECT_FALSE(encodeHandOffMessage({}).has_value());
    EXPECT_FALSE(encodeHandOffMessage({QStringLiteral("relative.pbl")}).has_value());
    EXPECT_FALSE(encodeHandOffMessage({QStringLiteral("/a"), QString()}).has_value());
    EXPECT_FALSE(encodeHandOffMessage({QStringLiteral("/a") + QChar(0) + QStringLiteral("b")}).has_value());
    EXPECT_FALSE(encodeHandOffMessage({QLatin1Char('/') + QString(kMaxHandOffPathBytes, u'x')}).has_value());

    QStringList tooMany;
    for (std::uint32_t i = 0; i <= kMaxHandOffFiles; ++i) {
        tooMany.append(QStringLiteral("/f%1").arg(i));
    }
    EXPECT_FALSE(encodeHandOffMessage(tooMany).has_value());
    tooMany.removeLast();
    EXPECT_TRUE(encodeHandOffMessage(tooMany).has_value());

    // Twenty paths of 4000 bytes: each allowed, together beyond the size bound.
    const QStringList large(20, QLatin1Char('/') + QString(3999, u'x'));
    EXPECT_FALSE(encodeHandOffMessage(large).has_value());
}

struct BadMessage {
    const char* what;
    QByteArray bytes;
};

TEST(HandOffMessageTest, ReaderRefusesMalformedMessages)
{
    const std::vector<BadMessage> cases = {
        {"wrong magic", QByteArrayLiteral("PBH2") + number(1) + number(2) + "/a"},
        {"plain text", "/home/u/a.pbl\n"},
        {"no paths", message({})},
        {"too many paths", QByteArrayLiteral("PBH1") + number(kMaxHandOffFiles + 1)},
        {"empty path", message({""})},
        {"relative path", message({"a.pbl"})},
        {"NUL inside", message({QByteArray("/a\0b", 4)})},
        {"lone continuation byte", message({"/a\x80"})},
        {"overlong slash", message({"/a\xC0\xAF"})},
        {"encoded surrogate", message({"/a\xED\xA0\x80"})},
        {"cut character", message({"/a\xE3\x81"})},
        {"path longer than allowed", QByteArrayLiteral("PBH1") + number(1) + number(kMaxHandOffPathBytes + 1)},
        {"bytes after the last path", message({"/a"}) + "x"},
        {"second message", message({"/a"}) + message({"/b"})},
    };
    for (const auto& c : cases) {
        HandOffMessageReader reader;
        EXPECT_EQ(reader.append(c.bytes), State::Invalid) << c.what;
        EXPECT_TRUE(reader.paths().isEmpty()) << c.what;
        // It stays refused whatever comes after.
        EXPECT_EQ(reader.append(message({"/a"})), State::Invalid) << c.what;
    }
}

TEST(HandOffMessageTest, ReaderRefusesAsSoonAsItCanTell)
{
    HandOffMessageReader magic;
    EXPECT_EQ(magic.append("X"), State::Invalid);

    HandOffMessageReader count;
    EXPECT_EQ(count.append(QByteArrayLiteral("PBH1") + number(0xFFFFFFFFU)), State::Invalid);

    HandOffMessageReader length;
    EXPECT_EQ(length.append(QByteArrayLiteral("PBH1") + number(2) + number(0x7FFFFFFFU)), State::Invalid);

    // The first of two paths is already checked while the second is still on its way.
    HandOffMessageReader first;
    EXPECT_EQ(first.append(QByteArrayLiteral("PBH1") + number(2) + number(1) + "r"), State::Invalid);
}

TEST(HandOffMessageTest, ReaderHoldsNoMoreThanTheSizeBound)
{
    // A valid start that announces the largest count, then more bytes than a message may have.
    HandOffMessageReader reader;
    QByteArray start = QByteArrayLiteral("PBH1") + number(kMaxHandOffFiles);
    ASSERT_EQ(reader.append(start), State::Incomplete);
    const QByteArray entry = number(96) + QByteArray(1, '/') + QByteArray(95, 'x');
    State state = State::Incomplete;
    qsizetype sent = start.size();
    while (state == State::Incomplete && sent <= kMaxHandOffBytes) {
        state = reader.append(entry);
        sent += entry.size();
    }
    EXPECT_EQ(state, State::Invalid);
    EXPECT_LE(sent, kMaxHandOffBytes + entry.size());
}

}  // namespace
}  // namespace probel
