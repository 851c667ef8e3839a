// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "core/util/result.h"

namespace probel::cli {

// "file:line:column: message" (or less, when the error has no place), on one line. Messages
// written for the window's message boxes already name their file; they get no second prefix.
inline void reportError(std::ostream& err, const Error& error)
{
    err << "probel-cli: ";
    const bool placeInMessage = !error.file.empty() && error.message.find(error.file) != std::string::npos;
    if (!error.file.empty() && !placeInMessage) {
        err << error.file << ":";
        if (error.line > 0) {
            err << error.line << ":";
            if (error.column > 0) {
                err << error.column << ":";
            }
        }
        err << " ";
    }
    err << error.message << "\n";
}

}  // namespace probel::cli
