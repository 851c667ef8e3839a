// SPDX-License-Identifier: MIT
#pragma once

namespace probel::cli {

// Runs the Qt build of the tool (probel-cli-qt, beside this program or in its libexec folder)
// in place of this process with the same arguments and the same, still unread, standard input.
// Returns only when that fails, with the exit code after a message.
int handOverToQt(char** argv);

}  // namespace probel::cli
