// SPDX-License-Identifier: MIT
#include "platform/desktop/instance_link.h"
#include "platform/desktop/hand_off_message.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace probel {
namespace {

// Generous: the machine may be busy; nothing here waits this long when it works.
constexpr int kWaitMs = 20000;
constexpr int kHandOffTimeoutMs = 5000;

// The helper program run as the other instance.
class Helper {
public:
    explicit Helper(const QStringList& arguments, const QString& workingDirectory = {})
    {
        process_.setProgram(QStringLiteral(PROBEL_INSTANCE_LINK_HELPER));
        process_.setArguments(arguments);
        if (!workingDirectory.isEmpty()) {
            process_.setWorkingDirectory(workingDirectory);
        }
        process_.start();
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;
    ~Helper()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    static std::unique_ptr<Helper> send(const QString& server, int timeoutMs, const QStringList& files,
                                        const QString& workingDirectory = {})
    {
        return std::make_unique<Helper>(QStringList{QStringLiteral("send"), server, QString::number(timeoutMs)} + files,
                                        workingDirectory);
    }

    // The next line the helper prints; the event loop runs meanwhile, so this process can
    // answer the helper. Empty when none comes.
    QString nextLine()
    {
        const bool ready = QTest::qWaitFor(
            [this] { return process_.canReadLine() || process_.state() == QProcess::NotRunning; }, kWaitMs);
        if (!ready || !process_.canReadLine()) {
            return {};
        }
        return QString::fromUtf8(process_.readLine()).chopped(1);
    }

    bool finished()
    {
        return QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, kWaitMs);
    }

    int exitCode() const { return process_.exitCode(); }

    // Ends the helper the way a crash would: no clean-up of its socket or lock file.
    void crash()
    {
        process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

// A client in this process that talks to the link by hand, without blocking the event loop.
class RawPeer {
public:
    explicit RawPeer(const QString& server)
    {
        QObject::connect(&socket_, &QLocalSocket::readyRead, [this] { answer_ += socket_.readAll(); });
        socket_.connectToServer(server);
        // connected() tells the test whether this worked.
        [[maybe_unused]] const bool connected =
            QTest::qWaitFor([this] { return socket_.state() == QLocalSocket::ConnectedState; }, kWaitMs);
    }

    bool connected() const { return socket_.state() == QLocalSocket::ConnectedState; }
    void send(const QByteArray& bytes) { socket_.write(bytes); }
    bool waitUntilCutOff()
    {
        return QTest::qWaitFor([this] { return socket_.state() == QLocalSocket::UnconnectedState; }, kWaitMs);
    }
    const QByteArray& answer() const { return answer_; }

private:
    QLocalSocket socket_;
    QByteArray answer_;
};

// Whatever the event loop had queued up to now has been delivered: an accepted hand-off has
// been reported by then (it is reported through the event loop).
bool queuedEventsDelivered(QObject& receiver)
{
    auto reached = std::make_shared<bool>(false);
    QMetaObject::invokeMethod(
        &receiver, [reached] { *reached = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([reached] { return *reached; }, kWaitMs);
}

// The link's clock counts whole milliseconds: once one has passed from now, whatever the link
// hears next is later than what it heard so far.
bool millisecondPassed()
{
    QElapsedTimer clock;
    clock.start();
    return QTest::qWaitFor([&clock] { return clock.elapsed() >= 1; }, kWaitMs);
}

class InstanceLinkTest : public ::testing::Test {
protected:
    QString serverPath() const { return folder_.filePath(QStringLiteral("probel-test")); }
    QString lockPath() const { return serverPath() + QStringLiteral(".lock"); }

    QTemporaryDir folder_;
};

TEST_F(InstanceLinkTest, SecondProcessHandsOffItsFilesAsAbsolutePaths)
{
    InstanceLink link(serverPath());
    ASSERT_EQ(link.listen(), ListenResult::Listening);
    QSignalSpy received(&link, &InstanceLink::filesReceived);

    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("work/sub")));
    const QString work = QDir(folder_.filePath(QStringLiteral("work"))).canonicalPath();
    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs,
                               {QStringLiteral("a.pbl"), QStringLiteral("データ 1.pbl"),
                                QStringLiteral("sub/../../other/./b.PbL"), work + QStringLiteral("/c.pbl")},
                               work);
    EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged"));
    ASSERT_TRUE(sender->finished());
    EXPECT_EQ(sender->exitCode(), 0);

    ASSERT_TRUE(received.count() == 1 || received.wait(kWaitMs));
    const QStringList expected = {work + QStringLiteral("/a.pbl"), work + QStringLiteral("/データ 1.pbl"),
                                  QFileInfo(work).path() + QStringLiteral("/other/b.PbL"),
                                  work + QStringLiteral("/c.pbl")};
    EXPECT_EQ(received.at(0).at(0).toStringList(), expected);
}

TEST_F(InstanceLinkTest, NobodyListeningIsReportedAtOnce)
{
    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("a.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("no-running-instance"));
    EXPECT_EQ(InstanceLink::handOff({QStringLiteral("a.pbl")}, kHandOffTimeoutMs, serverPath()),
              HandOffResult::NoRunningInstance);
    EXPECT_EQ(InstanceLink::handOff({}, kHandOffTimeoutMs, serverPath()), HandOffResult::NotSendable);
}

TEST_F(InstanceLinkTest, GarbageAndOversizedMessagesAreRefusedAndTheLinkGoesOn)
{
    InstanceLink link(serverPath());
    ASSERT_EQ(link.listen(), ListenResult::Listening);
    QSignalSpy received(&link, &InstanceLink::filesReceived);

    QByteArray oversized = QByteArrayLiteral("PBH1") + QByteArray("\x00\x00\x03\xE8", 4);
    while (oversized.size() <= kMaxHandOffBytes + 1024) {
        oversized += QByteArray("\x00\x00\x00\x40", 4) + '/' + QByteArray(63, 'x');
    }
    const std::vector<QByteArray> bad = {
        QByteArrayLiteral("GET / HTTP/1.0\r\n\r\n"),
        oversized,
        QByteArrayLiteral("PBH1") + QByteArray("\x00\x00\x00\x01\x00\x00\x00\x05", 8) + "a.pbl",
        QByteArray(1, '\0'),
    };
    for (const auto& bytes : bad) {
        RawPeer peer(serverPath());
        ASSERT_TRUE(peer.connected());
        peer.send(bytes);
        EXPECT_TRUE(peer.waitUntilCutOff());
        EXPECT_EQ(peer.answer(), QByteArray(1, kHandOffRefused));
    }
    ASSERT_TRUE(queuedEventsDelivered(link));
    EXPECT_EQ(received.count(), 0);

    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("/tmp/after.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged"));
    ASSERT_TRUE(received.count() == 1 || received.wait(kWaitMs));
    EXPECT_EQ(received.at(0).at(0).toStringList(), QStringList{QStringLiteral("/tmp/after.pbl")});
}

TEST_F(InstanceLinkTest, SilentAndSlowPeersAreCutOffWithoutHoldingUpOthers)
{
    InstanceLink link(serverPath());
    link.setPeerTimeoutMs(3000);
    ASSERT_EQ(link.listen(), ListenResult::Listening);
    QSignalSpy received(&link, &InstanceLink::filesReceived);

    RawPeer silent(serverPath());
    RawPeer slow(serverPath());
    ASSERT_TRUE(silent.connected());
    ASSERT_TRUE(slow.connected());
    slow.send(QByteArrayLiteral("PBH1\x00\x00"));

    // Another start is served while the two hold their connections open.
    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("/tmp/a.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged"));
    ASSERT_TRUE(received.count() == 1 || received.wait(kWaitMs));

    EXPECT_TRUE(silent.waitUntilCutOff());
    EXPECT_TRUE(slow.waitUntilCutOff());
    EXPECT_TRUE(silent.answer().isEmpty());
    EXPECT_TRUE(slow.answer().isEmpty());
    EXPECT_EQ(received.count(), 1);
}

TEST_F(InstanceLinkTest, ConnectionsBeyondTheLimitTakeThePlaceOfTheSilentest)
{
    InstanceLink link(serverPath());
    link.setPeerTimeoutMs(kWaitMs);
    ASSERT_EQ(link.listen(), ListenResult::Listening);

    std::vector<std::unique_ptr<RawPeer>> held;
    for (int i = 0; i < InstanceLink::kMaxConnections; ++i) {
        held.push_back(std::make_unique<RawPeer>(serverPath()));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.openConnections() == InstanceLink::kMaxConnections; }, kWaitMs));
    // The first peer speaks, so the second is now the one silent longest. The link's end of
    // each connection is its child; only the first peer speaks, so any of them reading is it.
    bool heard = false;
    const QObject listening;
    for (QLocalSocket* served : link.findChildren<QLocalSocket*>()) {
        QObject::connect(served, &QLocalSocket::readyRead, &listening, [&heard] { heard = true; });
    }
    ASSERT_TRUE(millisecondPassed());
    held[0]->send(QByteArrayLiteral("PB"));
    ASSERT_TRUE(QTest::qWaitFor([&heard] { return heard; }, kWaitMs));
    RawPeer extra(serverPath());
    EXPECT_TRUE(held[1]->waitUntilCutOff());
    EXPECT_TRUE(extra.connected());
    for (std::size_t i = 0; i < held.size(); ++i) {
        EXPECT_EQ(held[i]->connected(), i != 1) << i;
    }
    EXPECT_EQ(link.openConnections(), InstanceLink::kMaxConnections);

    held.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.openConnections() == 1; }, kWaitMs));
    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("/tmp/a.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged"));
}

TEST_F(InstanceLinkTest, IdlePeersHoldingEveryPlaceCannotKeepAHandOffOut)
{
    InstanceLink link(serverPath());
    link.setPeerTimeoutMs(kWaitMs);
    ASSERT_EQ(link.listen(), ListenResult::Listening);
    QSignalSpy received(&link, &InstanceLink::filesReceived);

    std::vector<std::unique_ptr<RawPeer>> idle;
    for (int i = 0; i < 2 * InstanceLink::kMaxConnections; ++i) {
        idle.push_back(std::make_unique<RawPeer>(serverPath()));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.openConnections() == InstanceLink::kMaxConnections; }, kWaitMs));
    for (int round = 0; round < 2; ++round) {
        auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("/tmp/a.pbl")});
        EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged")) << round;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.count() == 2; }, kWaitMs));
    EXPECT_LE(link.openConnections(), InstanceLink::kMaxConnections);
}

TEST_F(InstanceLinkTest, SenderGivesUpWhenNoAcknowledgementComes)
{
    // Something that takes connections and never answers, like an instance that hangs.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(serverPath()));
    std::vector<QLocalSocket*> taken;
    QObject::connect(&mute, &QLocalServer::newConnection, [&] { taken.push_back(mute.nextPendingConnection()); });

    constexpr int kShortTimeoutMs = 300;
    auto sender = Helper::send(serverPath(), kShortTimeoutMs, {QStringLiteral("/tmp/a.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("no-acknowledgement"));
    ASSERT_TRUE(sender->finished());
    EXPECT_NE(sender->exitCode(), 0);
    EXPECT_EQ(taken.size(), 1U);
}

TEST_F(InstanceLinkTest, OneInstanceListensAtATime)
{
    auto first = std::make_unique<InstanceLink>(serverPath());
    ASSERT_EQ(first->listen(), ListenResult::Listening);
    EXPECT_EQ(first->listen(), ListenResult::Listening);

    InstanceLink second(serverPath());
    EXPECT_EQ(second.listen(), ListenResult::OtherInstanceRunning);
    EXPECT_FALSE(second.isListening());

    first.reset();
    EXPECT_FALSE(QFileInfo::exists(serverPath()));
    EXPECT_FALSE(QFileInfo::exists(lockPath()));
    EXPECT_EQ(second.listen(), ListenResult::Listening);
}

TEST_F(InstanceLinkTest, LinkLeftByACrashedInstanceIsTakenOver)
{
    auto primary = std::make_unique<Helper>(QStringList{QStringLiteral("listen"), serverPath()});
    ASSERT_EQ(primary->nextLine(), QStringLiteral("listening"));

    InstanceLink link(serverPath());
    EXPECT_EQ(link.listen(), ListenResult::OtherInstanceRunning);
    EXPECT_EQ(InstanceLink::handOff({QStringLiteral("/tmp/one.pbl")}, kHandOffTimeoutMs, serverPath()),
              HandOffResult::Acknowledged);
    EXPECT_EQ(primary->nextLine(), QStringLiteral("files\t/tmp/one.pbl"));

    primary->crash();
    ASSERT_TRUE(QFileInfo::exists(serverPath()));
    ASSERT_TRUE(QFileInfo::exists(lockPath()));
    EXPECT_EQ(InstanceLink::handOff({QStringLiteral("/tmp/two.pbl")}, kHandOffTimeoutMs, serverPath()),
              HandOffResult::NoRunningInstance);

    ASSERT_EQ(link.listen(), ListenResult::Listening);
    QSignalSpy received(&link, &InstanceLink::filesReceived);
    auto sender = Helper::send(serverPath(), kHandOffTimeoutMs, {QStringLiteral("/tmp/three.pbl")});
    EXPECT_EQ(sender->nextLine(), QStringLiteral("acknowledged"));
    ASSERT_TRUE(received.count() == 1 || received.wait(kWaitMs));
    EXPECT_EQ(received.at(0).at(0).toStringList(), QStringList{QStringLiteral("/tmp/three.pbl")});
}

TEST(InstanceLinkPathTest, DefaultLinkIsInTheUsersRuntimeFolder)
{
    const QString path = InstanceLink::defaultServerPath();
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    ASSERT_FALSE(runtime.isEmpty());
#ifdef Q_OS_UNIX
    EXPECT_EQ(path, runtime + QStringLiteral("/probel-") + QString::number(::getuid()));
#endif
    EXPECT_TRUE(QFileInfo(runtime).permissions().testFlag(QFile::ReadOwner));
    EXPECT_FALSE(QFileInfo(runtime).permissions().testFlag(QFile::ReadOther));
}

}  // namespace
}  // namespace probel
