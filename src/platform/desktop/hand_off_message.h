// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace probel {

// The message a second start sends to the running instance: the magic "PBH1", the number of
// paths, then each path as its byte length and its UTF-8 bytes, numbers as 32-bit big-endian.
// The running instance answers one byte, kHandOffAccepted or kHandOffRefused.
inline constexpr char kHandOffAccepted = '\x06';
inline constexpr char kHandOffRefused = '\x15';

// Bounds a receiver holds every message to; a sender never builds a message beyond them.
inline constexpr qsizetype kMaxHandOffBytes = 64 * 1024;
inline constexpr std::uint32_t kMaxHandOffFiles = 1000;
inline constexpr std::uint32_t kMaxHandOffPathBytes = 4096;

// The message for `paths`, or nothing when it cannot be sent: no paths, a path that the
// receiver would refuse (see HandOffMessageReader), or more than the bounds allow.
std::optional<QByteArray> encodeHandOffMessage(const QStringList& paths);

// Reads one message from bytes that arrive in pieces from an untrusted peer. It refuses, as
// soon as it can tell, a message that is larger than kMaxHandOffBytes, names no path or more
// than kMaxHandOffFiles, holds a path that is not absolute, contains a NUL, is not valid UTF-8
// or is longer than kMaxHandOffPathBytes, or has bytes after its last path. Nothing is
// buffered beyond the size bound.
class HandOffMessageReader {
public:
    enum class State { Incomplete, Complete, Invalid };

    // Takes the next bytes of the stream and returns the state reached.
    State append(const QByteArray& bytes);

    State state() const { return state_; }
    // How many more bytes may still arrive before the message is too large.
    qsizetype room() const { return kMaxHandOffBytes - buffer_.size(); }
    // The paths of a complete message.
    const QStringList& paths() const { return paths_; }

private:
    State parse();
    State fail();

    QByteArray buffer_;
    QStringList paths_;
    std::uint32_t count_ = 0;  // paths announced; 0 until the header is read
    qsizetype next_ = 0;       // where the next unread path entry starts
    State state_ = State::Incomplete;
};

}  // namespace probel
