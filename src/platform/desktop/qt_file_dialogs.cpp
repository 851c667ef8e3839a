// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_file_dialogs.h"

#include "platform/desktop/file_filter.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QStringList>
#include <QTreeView>

namespace probel {
namespace {

// Room for a name beside its size, type and date.
constexpr int kMinimumWidth = 760;
constexpr int kMinimumHeight = 460;

void prepare(QFileDialog& dialog, const std::string& filter)
{
    // Qt's own dialog behaves alike on every desktop: no extension is ever added and the
    // replace question is always asked.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
    }
    // Sizes, types and dates in full; the name takes the rest of the width.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column) {
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(kMinimumWidth, kMinimumHeight)));
}

// Qt's dialog asks before replacing a file inside its own accept; the check comes first, so a
// refused name is never offered for replacing.
class CheckedSaveDialog : public QFileDialog {
public:
    CheckedSaveDialog(QWidget* parent, const QString& title, const QString& folder,
                      const FileDialogs::NameCheck& acceptable)
        : QFileDialog(parent, title, folder), acceptable_(acceptable)
    {
    }

protected:
    void accept() override
    {
        // The first name is the one Qt's save dialog goes on with.
        const QStringList chosen = selectedFiles();
        if (acceptable_ && !chosen.isEmpty() && !QFileInfo(chosen.front()).isDir() &&
            !acceptable_(chosen.front().toStdString())) {
            return;
        }
        QFileDialog::accept();
    }

private:
    const FileDialogs::NameCheck& acceptable_;
};

}  // namespace

QtFileDialogs::QtFileDialogs(QWidget* parent) : parent_(parent) {}

void QtFileDialogs::setParentWidget(QWidget* parent)
{
    parent_ = parent;
}

std::vector<std::string> QtFileDialogs::openFiles(const std::string& title, const std::string& filter,
                                                  const std::string& initialDir)
{
    QFileDialog dialog(parent_.data(), QString::fromStdString(title), QString::fromStdString(initialDir));
    prepare(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(path.toStdString());
    }
    return paths;
}

std::string QtFileDialogs::saveFile(const std::string& title, const std::string& filter, const std::string& initialDir,
                                    const std::string& initialName, const NameCheck& acceptable,
                                    const std::string& defaultExtension)
{
    CheckedSaveDialog dialog(parent_.data(), QString::fromStdString(title), QString::fromStdString(initialDir),
                             acceptable);
    prepare(dialog, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt adds it to a typed name without "." before the check and the replace question.
    dialog.setDefaultSuffix(QString::fromStdString(defaultExtension));
    if (!initialName.empty()) {
        dialog.selectFile(QString::fromStdString(initialName));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

}  // namespace probel
