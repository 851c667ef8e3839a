// SPDX-License-Identifier: MIT
#include "app/environment_hooks.h"

#include <QPixmap>
#include <QTimer>

#include <cstdio>

#include "app/mdi_output.h"
#include "app/path_names.h"
#include "app/pic_form.h"

namespace probel {
namespace {

constexpr auto kReportVariable = "PROBEL_REPORT_OPENED";
constexpr auto kScreenshotVariable = "PROBEL_SCREENSHOT";
// Long enough for the window to be mapped and every sheet drawn.
constexpr int kScreenshotDelayMs = 1500;

void report(const std::string& line)
{
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

}  // namespace

void installEnvironmentHooks(MDIOutput& window)
{
    if (!qEnvironmentVariableIsEmpty(kReportVariable)) {
        QObject::connect(&window, &MDIOutput::sheetAdded, &window, [](PicForm* form) {
            if (namesFilePath(form->fName())) {
                report("opened " + form->fName());
            }
        });
    }
}

void startUpFinished(MDIOutput& window)
{
    if (!qEnvironmentVariableIsEmpty(kReportVariable)) {
        QTimer::singleShot(0, &window, [] { report("ready"); });
    }
    const QString screenshot = qEnvironmentVariable(kScreenshotVariable);
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(kScreenshotDelayMs, &window, [&window, screenshot] {
            if (!window.grab().save(screenshot)) {
                std::fprintf(stderr, "probel: cannot write %s\n", qPrintable(screenshot));
            }
            window.close();
        });
    }
}

}  // namespace probel
