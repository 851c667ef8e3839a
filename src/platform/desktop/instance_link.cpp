// SPDX-License-Identifier: MIT
#include "platform/desktop/instance_link.h"

#include "platform/desktop/hand_off_message.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace probel {
namespace {

constexpr auto kServerNamePrefix = "probel-";
constexpr auto kLockSuffix = ".lock";

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(std::max<qint64>(0, deadline.remainingTime()));
}

QString userTag()
{
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

}  // namespace

QString InstanceLink::defaultServerPath()
{
    // The runtime folder belongs to the user alone (Qt insists on mode 0700), so no other user
    // can put a socket where this one is looked for.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) {
        return {};
    }
    return runtime + QLatin1Char('/') + QLatin1String(kServerNamePrefix) + userTag();
}

HandOffResult InstanceLink::handOff(const QStringList& files, int timeoutMs, const QString& serverPath)
{
    QStringList paths;
    for (const QString& file : files) {
        if (!file.isEmpty()) {
            paths.append(QDir::cleanPath(QFileInfo(file).absoluteFilePath()));
        }
    }
    const std::optional<QByteArray> message = encodeHandOffMessage(paths);
    if (!message) {
        return HandOffResult::NotSendable;
    }
    if (serverPath.isEmpty()) {
        return HandOffResult::NoRunningInstance;
    }

    const QDeadlineTimer deadline(std::max(0, timeoutMs));
    QLocalSocket socket;
    socket.connectToServer(serverPath);
    if (!socket.waitForConnected(remainingMs(deadline))) {
        return HandOffResult::NoRunningInstance;
    }
    socket.write(*message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingMs(deadline))) {
            return HandOffResult::NoAcknowledgement;
        }
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(remainingMs(deadline))) {
            return HandOffResult::NoAcknowledgement;
        }
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == kHandOffAccepted ? HandOffResult::Acknowledged : HandOffResult::Refused;
}

InstanceLink::InstanceLink(QObject* parent) : InstanceLink(defaultServerPath(), parent) {}

InstanceLink::InstanceLink(QString serverPath, QObject* parent) : QObject(parent), serverPath_(std::move(serverPath)) {}

InstanceLink::~InstanceLink()
{
    // Closing removes the socket file; the open connections go with the server while this
    // object can still keep track of them.
    delete server_;
    server_ = nullptr;
}

ListenResult InstanceLink::listen()
{
    if (isListening()) {
        return ListenResult::Listening;
    }
    if (serverPath_.isEmpty()) {
        return ListenResult::Failed;
    }

    auto lock = std::make_unique<QLockFile>(serverPath_ + QLatin1String(kLockSuffix));
    // Held for the whole run: only a lock whose process is gone counts as stale, never an old one.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return lock->error() == QLockFile::LockFailedError ? ListenResult::OtherInstanceRunning : ListenResult::Failed;
    }
    // With the lock held, a socket file still present was left by an instance that crashed.
    QLocalServer::removeServer(serverPath_);

    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverPath_)) {
        delete server;
        return ListenResult::Failed;
    }
    connect(server, &QLocalServer::newConnection, this, &InstanceLink::acceptConnections);
    lock_ = std::move(lock);
    server_ = server;
    return ListenResult::Listening;
}

bool InstanceLink::isListening() const
{
    return server_ != nullptr && server_->isListening();
}

void InstanceLink::acceptConnections()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (openConnections() >= kMaxConnections) {
            dropSilentestPeer();
        }
        serve(socket);
    }
}

void InstanceLink::dropSilentestPeer()
{
    // A real hand-off sends its whole message as it connects; whoever has been silent longest
    // is the least likely to be one.
    const auto silentest = std::min_element(peers_.begin(), peers_.end(),
                                            [](const Peer& a, const Peer& b) { return a.lastHeardMs < b.lastHeardMs; });
    QLocalSocket* socket = silentest->socket;
    peers_.erase(silentest);
    socket->abort();
    socket->deleteLater();
}

void InstanceLink::heardFrom(QLocalSocket* socket)
{
    for (Peer& peer : peers_) {
        if (peer.socket == socket) {
            peer.lastHeardMs = clock_.elapsed();
        }
    }
}

void InstanceLink::serve(QLocalSocket* socket)
{
    if (!clock_.isValid()) {
        clock_.start();
    }
    peers_.push_back(Peer{socket, clock_.elapsed()});
    // Compared by address only: the socket is being destroyed.
    connect(socket, &QObject::destroyed, this,
            [this, socket] { std::erase_if(peers_, [socket](const Peer& peer) { return peer.socket == socket; }); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);

    // The peer has this long for the whole exchange, whatever it sends meanwhile.
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(peerTimeoutMs_);

    // Qt stops reading from the peer once this much waits unread.
    socket->setReadBufferSize(kMaxHandOffBytes);

    struct Exchange {
        HandOffMessageReader reader;
        bool answered = false;
    };
    auto exchange = std::make_shared<Exchange>();
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, exchange] {
        heardFrom(socket);
        HandOffMessageReader& reader = exchange->reader;
        while (socket->bytesAvailable() > 0 && reader.state() == HandOffMessageReader::State::Incomplete) {
            // One byte more than may still come is enough to tell that the message is too large.
            reader.append(socket->read(std::min(socket->bytesAvailable(), reader.room() + 1)));
        }
        if (exchange->answered) {
            socket->readAll();
            return;
        }
        if (reader.state() == HandOffMessageReader::State::Incomplete) {
            return;
        }
        exchange->answered = true;
        const bool accepted = reader.state() == HandOffMessageReader::State::Complete;
        socket->putChar(accepted ? kHandOffAccepted : kHandOffRefused);
        socket->flush();
        socket->disconnectFromServer();
        if (accepted) {
            // Reported from the event loop, after the answer is on its way, so that a receiver
            // which opens windows or asks questions cannot keep the sender waiting.
            QMetaObject::invokeMethod(
                this, [this, files = reader.paths()] { emit filesReceived(files); }, Qt::QueuedConnection);
        }
    });
}

}  // namespace probel
