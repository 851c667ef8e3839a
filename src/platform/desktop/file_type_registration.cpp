// SPDX-License-Identifier: MIT
#include "platform/desktop/file_type_registration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace probel {
namespace {

constexpr auto kExecKey = "Exec=";
constexpr auto kMimeFolder = "mime";
constexpr auto kMimePackagesFolder = "mime/packages";
constexpr auto kApplicationsFolder = "applications";
constexpr auto kMimePackageName = "probel.xml";
constexpr auto kDesktopEntryName = "probel.desktop";
// The desktop entry's "Icon=probel", in the icon theme every desktop falls back to.
constexpr auto kIconFolder = "icons/hicolor/scalable/apps";
constexpr auto kIconName = "probel.svg";
constexpr auto kUpdateMimeDatabase = "update-mime-database";
constexpr auto kUpdateDesktopDatabase = "update-desktop-database";

// Characters that make a desktop entry's Exec argument need double quotes, and those that
// must be escaped with a backslash inside them.
constexpr auto kReservedExecCharacters = " \t\n\"'\\><~|&;$*?#()`";
constexpr auto kEscapedInQuotes = "\"`$\\";

bool hasControlCharacter(const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x20 || character.unicode() == 0x7F) {
            return true;
        }
    }
    return false;
}

// The program path as one argument of an Exec line: quoted when it holds a reserved character,
// "%" doubled (it starts field codes), and every backslash doubled once more because the
// value of a desktop entry is itself read with escapes.
QString execArgument(const QString& path)
{
    const QString reserved = QString::fromLatin1(kReservedExecCharacters);
    const bool needsQuotes = std::any_of(path.begin(), path.end(), [&](QChar c) { return reserved.contains(c); });
    QString argument;
    if (needsQuotes) {
        const QString escaped = QString::fromLatin1(kEscapedInQuotes);
        argument += u'"';
        for (const QChar character : path) {
            if (escaped.contains(character)) {
                argument += u'\\';
            }
            argument += character;
        }
        argument += u'"';
    } else {
        argument = path;
    }
    argument.replace(u'%', QStringLiteral("%%"));
    argument.replace(u'\\', QStringLiteral("\\\\"));
    return argument;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// A file built into the program from data/, the same file the installation copies.
QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

FileTypeRegistration::FileTypeRegistration(QString programPath, QString dataHome)
    : programPath_(std::move(programPath)), dataHome_(std::move(dataHome))
{
}

QString FileTypeRegistration::defaultDataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString FileTypeRegistration::mimePackagePath() const
{
    return dataHome_ + QLatin1Char('/') + QLatin1String(kMimePackagesFolder) + QLatin1Char('/') +
           QLatin1String(kMimePackageName);
}

QString FileTypeRegistration::desktopEntryPath() const
{
    return dataHome_ + QLatin1Char('/') + QLatin1String(kApplicationsFolder) + QLatin1Char('/') +
           QLatin1String(kDesktopEntryName);
}

QString FileTypeRegistration::iconPath() const
{
    return dataHome_ + QLatin1Char('/') + QLatin1String(kIconFolder) + QLatin1Char('/') + QLatin1String(kIconName);
}

bool FileTypeRegistration::installIcon() const
{
    if (dataHome_.isEmpty()) {
        return false;
    }
    return QFileInfo::exists(iconPath()) || writeFile(iconPath(), resourceBytes(QStringLiteral(":/data/probel.svg")));
}

QByteArray FileTypeRegistration::mimePackage()
{
    // The same package the installation puts in the system folders. Globs are matched without
    // regard to case unless marked otherwise; it marks it all the same, because "x.PbL" must
    // open as well as "x.pbl".
    return resourceBytes(QStringLiteral(":/data/probel-mime.xml"));
}

QByteArray FileTypeRegistration::desktopEntry(const QString& programPath)
{
    if (!QDir::isAbsolutePath(programPath) || hasControlCharacter(programPath)) {
        return {};
    }
    // The installed entry, started through this very program rather than through PATH.
    QStringList lines =
        QString::fromUtf8(resourceBytes(QStringLiteral(":/data/probel.desktop"))).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String(kExecKey))) {
            line = QLatin1String(kExecKey) + execArgument(programPath) + QStringLiteral(" %F");
        }
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

bool FileTypeRegistration::run() const
{
    const QByteArray entry = desktopEntry(programPath_);
    if (entry.isEmpty() || dataHome_.isEmpty()) {
        return false;
    }
    return writeFile(mimePackagePath(), mimePackage()) && installIcon() && writeFile(desktopEntryPath(), entry) &&
           runTool(QLatin1String(kUpdateMimeDatabase), dataHome_ + QLatin1Char('/') + QLatin1String(kMimeFolder)) &&
           runTool(QLatin1String(kUpdateDesktopDatabase),
                   dataHome_ + QLatin1Char('/') + QLatin1String(kApplicationsFolder));
}

bool FileTypeRegistration::runTool(const QString& tool, const QString& folder) const
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        return true;
    }
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {folder});
    if (!process.waitForFinished(toolTimeoutMs_)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

}  // namespace probel
