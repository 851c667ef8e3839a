// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class MDIOutput;

// Hooks for tests and documentation that drive the real program from outside, off unless
// their environment variable is set:
// - PROBEL_REPORT_OPENED: prints "opened <FName>" on standard output for every sheet read
//   from a file, and "ready" once start-up has opened the documents on the command line and
//   the program waits for events.
// - PROBEL_SCREENSHOT=<file.png>: once start-up has settled, saves a picture of the main
//   window to that file and closes the window (which ends the program).
// installEnvironmentHooks comes before the start-up documents open, startUpFinished after:
// opening lets pending events run (the busy pointer), which would fire a timer started earlier.
void installEnvironmentHooks(MDIOutput& window);
void startUpFinished(MDIOutput& window);

}  // namespace probel
