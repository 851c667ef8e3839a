// SPDX-License-Identifier: MIT
#pragma once

namespace probel {

class MessageBoxes;
class PicForm;

// "削除しますか?" under `title` (OK and キャンセル), the sheet taking the focus back afterwards;
// true when the user agreed.
bool confirmDeletion(MessageBoxes& messages, PicForm& form, const char* title);

}  // namespace probel
