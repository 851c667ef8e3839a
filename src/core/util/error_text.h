// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "core/util/result.h"

namespace probel {

// The text the program's message boxes and probel-cli show for an error: its message with the
// file and place put around it as its action calls for.
//   OpeningFile      ファイルを開けません: FILE: MESSAGE
//   ReadingFile      ファイルを読み込めません: FILE: MESSAGE
//   ReadingDocument  FILE を読み込めません（LINE 行目）: MESSAGE   (without the line when it is 0)
//   SavingDocument   FILE に保存できません: MESSAGE
//   SavingFile       ファイルを保存できません: FILE: MESSAGE
//   None             FILE:LINE:COLUMN: MESSAGE   (the column only with a line, the line only
//                    when it is above 0; the message alone when there is no file)
std::string errorText(const Error& error);

}  // namespace probel
