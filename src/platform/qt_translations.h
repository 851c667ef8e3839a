// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace probel {

// Loads Qt's Japanese translation (qtbase_ja from Qt's translations folder) into `app`, so the
// standard buttons of message boxes and the texts of Qt's own dialogs read はい, いいえ,
// キャンセル. Returns false when the translation cannot be loaded; the program then runs with
// Qt's English texts.
bool installJapaneseTranslations(QApplication& app);

}  // namespace probel
