// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/print_dialogs.h"

#include <QPointer>

class QWidget;

namespace probel {

// The printers CUPS knows (QPrinterInfo), QPrintDialog and QPrintPreviewDialog, modal over
// the parent widget when one is set.
class QtPrintDialogs : public PrintDialogs {
public:
    explicit QtPrintDialogs(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    bool selectDesktopPrinter(QPrinter& printer) override;
    bool choosePrinter(QPrinter& printer) override;
    void preview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
