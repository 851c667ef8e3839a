// SPDX-License-Identifier: MIT
#include "support/desktop/widget_test_main.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/canvas/font_substitution.h"
#include "platform/desktop/qt_translations.h"

namespace probel::test {
namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform notes at every raise() and size hint that it cannot do them; those
// lines would bury real ones.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    defaultHandler(type, context, message);
}

bool setFolder(const char* variable, const QString& path)
{
    if (!QDir().mkpath(path) || !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        return false;
    }
    return qputenv(variable, QFile::encodeName(path));
}

}  // namespace

int runWidgetTests(int argc, char** argv)
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
    defaultHandler = qInstallMessageHandler(quietOffscreenNotes);
    useJapaneseLocale();  // as the program does, whatever locale the tests run under
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace probel::test
