// SPDX-License-Identifier: MIT
// The other process of the single-instance link tests.
//   probel_instance_link_helper send <server path> <timeout ms> <file>...
//       hands the files off and prints the result ("acknowledged", "no-running-instance", ...)
//   probel_instance_link_helper listen <server path>
//       prints "listening" (or why not) and then one line per hand-off received:
//       "files" followed by each path, separated by tabs.
#include "platform/desktop/instance_link.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitNotAcknowledged = 3;
constexpr int kExitNotListening = 4;

void printLine(const QString& line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

const char* resultName(probel::HandOffResult result)
{
    switch (result) {
    case probel::HandOffResult::Acknowledged:
        return "acknowledged";
    case probel::HandOffResult::NoRunningInstance:
        return "no-running-instance";
    case probel::HandOffResult::NoAcknowledgement:
        return "no-acknowledgement";
    case probel::HandOffResult::Refused:
        return "refused";
    case probel::HandOffResult::NotSendable:
        return "not-sendable";
    }
    return "?";
}

int send(const QStringList& arguments)
{
    bool ok = false;
    const int timeoutMs = arguments.value(3).toInt(&ok);
    if (!ok) {
        return kExitUsage;
    }
    const probel::HandOffResult result = probel::InstanceLink::handOff(arguments.mid(4), timeoutMs, arguments[2]);
    printLine(QString::fromLatin1(resultName(result)));
    return result == probel::HandOffResult::Acknowledged ? kExitOk : kExitNotAcknowledged;
}

int listen(QCoreApplication& app, const QString& serverPath)
{
    probel::InstanceLink link(serverPath);
    QObject::connect(&link, &probel::InstanceLink::filesReceived, [](const QStringList& files) {
        printLine((QStringList{QStringLiteral("files")} + files).join(QLatin1Char('\t')));
    });
    switch (link.listen()) {
    case probel::ListenResult::Listening:
        printLine(QStringLiteral("listening"));
        return app.exec();
    case probel::ListenResult::OtherInstanceRunning:
        printLine(QStringLiteral("other-instance"));
        return kExitNotListening;
    case probel::ListenResult::Failed:
        printLine(QStringLiteral("failed"));
        return kExitNotListening;
    }
    return kExitNotListening;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() >= 4 && arguments[1] == QLatin1String("send")) {
        return send(arguments);
    }
    if (arguments.size() == 3 && arguments[1] == QLatin1String("listen")) {
        return listen(app, arguments[2]);
    }
    std::fputs("usage: probel_instance_link_helper send <server> <timeout ms> <file>... | listen <server>\n", stderr);
    return kExitUsage;
}
