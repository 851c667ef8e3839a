// SPDX-License-Identifier: MIT
#pragma once

#include "platform/desktop/file_dialogs.h"

#include <QPointer>

#include <string>
#include <vector>

class QWidget;

namespace probel {

// File dialogs on Qt's own QFileDialog (the same dialog on every desktop, translated with
// Qt's texts), modal over the parent widget when one is set.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr);

    void setParentWidget(QWidget* parent);

    std::vector<std::string> openFiles(const std::string& title, const std::string& filter,
                                       const std::string& initialDir) override;
    std::string saveFile(const std::string& title, const std::string& filter, const std::string& initialDir,
                         const std::string& initialName, const NameCheck& acceptable,
                         const std::string& defaultExtension) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace probel
