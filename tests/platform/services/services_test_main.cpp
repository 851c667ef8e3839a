// SPDX-License-Identifier: MIT
// The platform services need a QApplication; the tests run on the offscreen platform with
// their own settings, data and runtime folders, so they never touch the user's.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QtMessageHandler qtHandler = nullptr;

// The offscreen platform reports, for every dialog shown, that it cannot size windows to
// their contents; nothing here depends on that, so the note is dropped.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()")) {
        return;
    }
    qtHandler(type, context, message);
}

bool setFolder(const char* variable, const QString& path)
{
    if (!QDir().mkpath(path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return false;
    }
    return qputenv(variable, QFile::encodeName(path));
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!home.isValid() || !setFolder("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config"))) ||
        !setFolder("XDG_DATA_HOME", home.filePath(QStringLiteral("data"))) ||
        !setFolder("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")))) {
        return 1;
    }
    qtHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
