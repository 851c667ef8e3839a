// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <string_view>

namespace probel {

// Converts a filter of the form "Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*" into Qt's name
// filters, one per entry: "Probelﾌｧｲﾙ (*.pbl)", "全てのﾌｧｲﾙ (*)". Wildcards already shown in
// brackets at the end of a description are replaced by the entry's real patterns; "*.*"
// becomes "*" because names without a dot are files too. An entry without a pattern, or
// with only blanks as pattern, is left out; an empty filter gives no filters (all files).
QStringList qtNameFilters(std::string_view filter);

}  // namespace probel
