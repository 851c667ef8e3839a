// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <string_view>

namespace probel {

// Converts a filter of the form "Probelﾌｧｲﾙ(*.pbl)|*.pbl|全てのﾌｧｲﾙ(*.*)|*.*" into Qt's name
// filters, one per entry: the description as written followed by the patterns Qt matches,
// "Probelﾌｧｲﾙ(*.pbl) (*.pbl)", "全てのﾌｧｲﾙ(*.*) (*)". A dialog shows them with
// QFileDialog::HideNameFilterDetails, so users read the descriptions unchanged. "*.*" matches
// as "*" because names without a dot are files too. An entry without a pattern, or with only
// blanks as pattern, is left out; an empty filter gives no filters (all files).
QStringList qtNameFilters(std::string_view filter);

}  // namespace probel
