// SPDX-License-Identifier: MIT
// Fonts and painting on images need a QGuiApplication; the tests run without a display.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include <memory>

#include "platform/canvas/font_substitution.h"

namespace probel {
namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        installFontSubstitutions();
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[32] = "test_platform_canvas";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
}  // namespace probel
