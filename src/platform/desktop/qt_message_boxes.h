// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/message_boxes.h"

#include <QPointer>

#include <string>

class QWidget;

namespace probel {

// Message boxes on QMessageBox, centred over the parent widget when one is set. The button
// texts are Qt's own; they read はい, いいえ and キャンセル once Japanese translations are
// installed (installJapaneseTranslations).
class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    MessageAnswer show(const std::string& text, const std::string& title, MessageButtons buttons,
                       MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
