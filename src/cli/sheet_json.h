// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

namespace probel {
class ChartSheet;
}  // namespace probel

namespace probel::cli {

// Prints a sheet as one JSON document (JsonPrinter's layout):
//   {"MyFormType": code, "graphs": [graph, ...], "ComLabel": [label, ...]}
// A graph has "key" ("S1", ...), its properties under their own names (frame in pixels, Min
// and Max in axis units, WindowWidth/WindowHeight the size of the sheet's canvas it is drawn
// on) and "Data", its series in collection order. A series has its properties under their
// own names, the statistics as stored (full precision, LogMin/LogMax as read back in
// ordinary units) and "SLabel": its detail label or null. A label has "index" and its
// position (pixels) and font; positions and font sizes are single precision and written as
// the shortest text that reads back as the same single. Numbers JSON cannot hold are null.
// Reading the sheet this way changes nothing in it.
void printSheetJson(const ChartSheet& sheet, std::ostream& out);

}  // namespace probel::cli
