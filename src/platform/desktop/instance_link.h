// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;
class QLockFile;

namespace probel {

enum class HandOffResult {
    Acknowledged,       // the running instance took the files
    NoRunningInstance,  // nobody listens (no socket, or one left behind by a crash)
    NoAcknowledgement,  // an instance took the connection but did not answer in time
    Refused,            // the running instance refused the message
    NotSendable,        // no files, or more than one message can carry
};

enum class ListenResult {
    Listening,             // this is the primary instance and receives hand-offs
    OtherInstanceRunning,  // another instance holds the link; this one does not listen
    Failed,                // no runtime folder, or the socket could not be made
};

// The link between a running instance of the program and a second start that names files.
// The second start calls handOff(); when it is not acknowledged, the second start runs as an
// ordinary instance and calls listen(), which makes it the primary instance unless another
// one holds the link. The primary instance listens on a local socket that only its user can
// reach, guarded by a lock file next to it, and takes over a socket left by a crashed
// instance. What arrives is treated as untrusted (HandOffMessageReader); a peer that sends
// nothing, too little or too slowly is cut off after peerTimeoutMs() without blocking the
// event loop, or sooner when its place is needed. Each accepted hand-off is acknowledged and then reported by
// filesReceived() from the event loop. Two starts at the same moment can both miss each other's link: when listen()
// answers OtherInstanceRunning right after a hand-off found nobody, the other one was starting up, and handing off once
// more is worth a try.
class InstanceLink : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultPeerTimeoutMs = 5000;
    static constexpr int kMaxConnections = 8;

    // The link of this user: "probel-<uid>" in the user's runtime folder; empty when the
    // runtime folder cannot be had.
    static QString defaultServerPath();

    // Sends `files`, made absolute against the current folder, to the instance listening at
    // `serverPath` and waits at most `timeoutMs` in all for its acknowledgement. Blocks; meant
    // for the start of the program, before any window is shown.
    static HandOffResult handOff(const QStringList& files, int timeoutMs,
                                 const QString& serverPath = defaultServerPath());

    explicit InstanceLink(QObject* parent = nullptr);
    explicit InstanceLink(QString serverPath, QObject* parent = nullptr);
    ~InstanceLink() override;

    // Becomes the primary instance: takes the lock and listens. Calling it again while
    // listening does nothing and answers Listening.
    ListenResult listen();
    bool isListening() const;
    QString serverPath() const { return serverPath_; }

    // Peers connected at the moment: at most kMaxConnections. A peer that connects when all
    // are taken gets the place of the one that has been silent longest, so peers that only
    // hold connections open cannot keep a real hand-off out.
    int openConnections() const { return static_cast<int>(peers_.size()); }

    int peerTimeoutMs() const { return peerTimeoutMs_; }
    void setPeerTimeoutMs(int milliseconds) { peerTimeoutMs_ = milliseconds; }

signals:
    // The absolute paths of one accepted hand-off, in the order they were sent.
    void filesReceived(const QStringList& files);

private:
    struct Peer {
        QLocalSocket* socket;
        qint64 lastHeardMs;  // on clock_
    };

    void acceptConnections();
    void serve(QLocalSocket* socket);
    void dropSilentestPeer();
    void heardFrom(QLocalSocket* socket);

    QString serverPath_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    std::vector<Peer> peers_;
    QElapsedTimer clock_;
    int peerTimeoutMs_ = kDefaultPeerTimeoutMs;
};

}  // namespace probel
