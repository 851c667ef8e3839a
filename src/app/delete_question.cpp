// SPDX-License-Identifier: MIT
#include "app/delete_question.h"

#include "app/pic_form.h"
#include "platform/desktop/message_boxes.h"

namespace probel {

bool confirmDeletion(MessageBoxes& messages, PicForm& form, const char* title)
{
    const MessageAnswer answer =
        messages.show("削除しますか?", title, MessageButtons::OkCancel, MessageIcon::Exclamation);
    form.setFocus();
    return answer != MessageAnswer::Cancel;
}

}  // namespace probel
