// SPDX-License-Identifier: MIT
// Anchors the canvas library while it has no other sources.
namespace probel::canvas_module {
int linked = 0;
}
