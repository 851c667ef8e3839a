// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/clipboard.h"

namespace probel {

// The clipboard of QGuiApplication (its global clipboard, not the X11 selection); needs a
// running QGuiApplication.
class QtClipboard : public Clipboard {
public:
    bool hasText() const override;
    std::string text() const override;
    void setText(const std::string& text) override;
    void setPicture(std::string png, std::function<std::string()> svg) override;
};

}  // namespace probel
