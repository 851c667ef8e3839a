// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "cli/exit_codes.h"
#include "core/util/error_text.h"
#include "core/util/result.h"

namespace probel::cli {

// The error as the program's message boxes show it, after the tool's name.
inline void reportError(std::ostream& err, const Error& error)
{
    err << "probel-cli: " << errorText(error) << "\n";
}

// The exit code of a command whose last step had `outcome`: success, or bad input once the
// error is reported.
inline int exitCodeAfter(std::ostream& err, const Status& outcome)
{
    if (!outcome) {
        reportError(err, outcome.error());
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace probel::cli
