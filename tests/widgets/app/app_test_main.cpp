// SPDX-License-Identifier: MIT
// The program's windows need a QApplication; the tests run on the offscreen platform with
// their own settings, data and runtime folders, so they never touch the user's.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/canvas/font_substitution.h"

namespace {

bool setFolder(const char* variable, const QString& path)
{
    if (!QDir().mkpath(path) ||
        !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return false;
    }
    return qputenv(variable, QFile::encodeName(path));
}

// The offscreen platform warns at every raise() and size hint; those lines would bury real ones.
QtMessageHandler defaultHandler = nullptr;

void quietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, message);
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
    defaultHandler = qInstallMessageHandler(quietOffscreenWarnings);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    probel::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
