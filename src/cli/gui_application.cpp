// SPDX-License-Identifier: MIT
#include "cli/gui_application.h"

#include <QGuiApplication>

#include <cstdio>

#include "platform/canvas/font_substitution.h"

namespace probel::cli {
namespace {

void reportSeriousQtMessages(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "probel-cli: %s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

void ensureGuiApplication()
{
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        qInstallMessageHandler(reportSeriousQtMessages);
        static int argc = 1;
        static char name[] = "probel-cli";
        static char* argv[] = {name, nullptr};
        // Lives until the process ends; tearing Qt down at exit gains nothing.
        new QGuiApplication(argc, argv);
    }
    installFontSubstitutions();
}

}  // namespace probel::cli
