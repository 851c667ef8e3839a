// SPDX-License-Identifier: MIT
// Dialogs, windows, printing and fonts need a QApplication; the tests run without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "platform/canvas/font_substitution.h"

namespace probel {
namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform notes for every window shown that it cannot size windows to their
// contents; nothing here depends on that.
void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("This plugin does not support propagateSizeHints()") ||
        message == QLatin1String("This plugin does not support raise()")) {
        return;
    }
    previousHandler(type, context, message);
}

class WidgetsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        previousHandler = qInstallMessageHandler(filterMessages);
        application_ = std::make_unique<QApplication>(argc_, argv_);
        installFontSubstitutions();
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[32] = "test_widgets_output";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kWidgetsEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

}  // namespace
}  // namespace probel
