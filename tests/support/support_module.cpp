// SPDX-License-Identifier: MIT
// Anchors the test support library while it has no other sources.
namespace probel::test_support_module {
int linked = 0;
}
