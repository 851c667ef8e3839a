// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include "core/util/error_text.h"
#include "core/util/result.h"

namespace probel::cli {

// The error as the program's message boxes show it, after the tool's name.
inline void reportError(std::ostream& err, const Error& error)
{
    err << "probel-cli: " << errorText(error) << "\n";
}

}  // namespace probel::cli
