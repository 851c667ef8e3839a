// SPDX-License-Identifier: MIT
#pragma once

class QApplication;

namespace probel {

// The program speaks Japanese whatever the desktop's locale: Qt's own dialogs write dates,
// file sizes and file types in Japanese too. Qt reads the locale from the environment once,
// so this must run before the QApplication is made.
void useJapaneseLocale();

// Loads Qt's Japanese translation (qtbase_ja from Qt's translations folder) into `app`, so the
// standard buttons of message boxes and the texts of Qt's own dialogs read はい, いいえ,
// キャンセル, together with the few texts of Qt's file dialog that catalogue lacks. Returns
// false when the translation cannot be loaded; the program then runs with Qt's English texts.
bool installJapaneseTranslations(QApplication& app);

}  // namespace probel
