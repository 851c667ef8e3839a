// SPDX-License-Identifier: MIT
#include "core/util/error_text.h"

namespace probel {
namespace {

// "file:line:column: message", the form compilers and grep use, so editors can jump there.
std::string placedText(const Error& error)
{
    if (error.file.empty()) {
        return error.message;
    }
    std::string text = error.file + ":";
    if (error.line > 0) {
        text += std::to_string(error.line) + ":";
        if (error.column > 0) {
            text += std::to_string(error.column) + ":";
        }
    }
    return text + " " + error.message;
}

}  // namespace

std::string errorText(const Error& error)
{
    switch (error.action) {
    case FileAction::OpeningFile:
        return "ファイルを開けません: " + error.file + ": " + error.message;
    case FileAction::ReadingFile:
        return "ファイルを読み込めません: " + error.file + ": " + error.message;
    case FileAction::ReadingDocument: {
        const std::string line = error.line > 0 ? "（" + std::to_string(error.line) + " 行目）" : "";
        return error.file + " を読み込めません" + line + ": " + error.message;
    }
    case FileAction::SavingDocument:
        return error.file + " に保存できません: " + error.message;
    case FileAction::SavingFile:
        return "ファイルを保存できません: " + error.file + ": " + error.message;
    case FileAction::None:
        break;
    }
    return placedText(error);
}

}  // namespace probel
