// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace probel {

// Registers the document type for the user the freedesktop way: a shared-mime-info package
// for "*.pbl" in any letter case (application/x-probel, "Probelファイル"), the program's icon in
// the hicolor theme, and a desktop entry that opens such files with this program, below the
// user's data folder ($XDG_DATA_HOME, else ~/.local/share). Then the MIME and desktop databases are rebuilt with
// update-mime-database and update-desktop-database where they are installed; those run without a shell and are given
// toolTimeoutMs each.
class FileTypeRegistration {
public:
    static constexpr int kDefaultToolTimeoutMs = 30000;
    static constexpr auto kMimeType = "application/x-probel";

    // `programPath` is the absolute path of the program the desktop entry starts.
    explicit FileTypeRegistration(QString programPath, QString dataHome = defaultDataHome());

    static QString defaultDataHome();

    // Writes the files and runs the tools, stopping at the first step that fails. Returns true
    // only when every step succeeded (a tool that is not installed is no failure). A program
    // path that is not absolute or holds control characters fails before anything is written.
    bool run() const;

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString iconPath() const;

    // Puts the icon in place unless it is there already (a registration made before the icon
    // was part of it has none). False when it cannot be written.
    bool installIcon() const;

    // The contents written.
    static QByteArray mimePackage();
    // Empty when `programPath` cannot be written as an Exec line.
    static QByteArray desktopEntry(const QString& programPath);

    void setToolTimeoutMs(int milliseconds) { toolTimeoutMs_ = milliseconds; }

private:
    bool runTool(const QString& tool, const QString& folder) const;

    QString programPath_;
    QString dataHome_;
    int toolTimeoutMs_ = kDefaultToolTimeoutMs;
};

}  // namespace probel
