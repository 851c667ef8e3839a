// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QPrinter;

namespace probel {

// The desktop's printers, its print dialog and the print preview. Printing asks through this,
// so tests can answer the dialogs and print into a file.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // Points `printer` at the desktop's default printer, or at its first printer when none is
    // the default. False, and `printer` unchanged, when no printer is installed.
    virtual bool selectDesktopPrinter(QPrinter& printer) = 0;
    // The print dialog over `printer` as it is set: printer, copies and paper. True when the user
    // chose to print, with the choices made in `printer`. Documents are one page, so no page
    // range is offered.
    virtual bool choosePrinter(QPrinter& printer) = 0;
    // The print preview of what `draw` paints on `printer`. `draw` runs whenever the preview
    // needs the page again, and when the user prints from the preview. Returns once the preview
    // is closed.
    virtual void preview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) = 0;
};

}  // namespace probel
