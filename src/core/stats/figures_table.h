// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace probel {

class Data;

// The figures of every series as a table a spreadsheet pastes as cells: a header row, then one
// row a series, cells separated by tabs, rows ended by CR LF; numbers in the general number
// text, an empty cell where a figure is undefined. The columns: comment (its lines joined by
// blanks), n, mean, σ (divisor n), s (n − 1), minimum, maximum, Cp, Cpk, the share within the
// limits in percent (Probel, exact), A² and its p. The figures are those of the values
// themselves, also on a logarithmic axis.
std::string figuresTable(const Data& series);

}  // namespace probel
