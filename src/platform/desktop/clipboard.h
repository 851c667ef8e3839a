// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace probel {

// The system clipboard: plain text for the value grid's paste and copy and for tables, and
// pictures for the copy commands; tests may stand in for it.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    // True when the clipboard holds plain text (which may be empty).
    virtual bool hasText() const = 0;
    // The plain text, UTF-8; empty when there is none.
    virtual std::string text() const = 0;
    // Replaces the clipboard's content by plain text (UTF-8).
    virtual void setText(const std::string& text) = 0;
    // Replaces the clipboard's content by one picture in two forms: the bytes of a PNG file
    // and of an SVG file (office programs take the one they prefer). The SVG is made by `svg`
    // when first asked for.
    virtual void setPicture(std::string png, std::function<std::string()> svg) = 0;
};

}  // namespace probel
