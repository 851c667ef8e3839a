// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class MDIOutput;

// Hooks for tests and documentation that drive the real program from outside, off unless
// their environment variable is set:
// - PROBEL_REPORT_OPENED: prints "ready" on standard output once the program waits for
//   events, and "opened <FName>" for every sheet read from a file.
// - PROBEL_SCREENSHOT=<file.png>: once start-up has settled, saves a picture of the main
//   window to that file and closes the window (which ends the program).
void installEnvironmentHooks(MDIOutput& window);

}  // namespace probel
