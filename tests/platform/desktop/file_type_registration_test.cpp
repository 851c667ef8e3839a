// SPDX-License-Identifier: MIT
#include "platform/desktop/file_type_registration.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Puts `folder` in front of PATH while it lives, so that its scripts stand in for the tools.
class PathOverride {
public:
    explicit PathOverride(const QString& folder) : saved_(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(folder) + ':' + saved_);
    }
    PathOverride(const PathOverride&) = delete;
    PathOverride& operator=(const PathOverride&) = delete;
    ~PathOverride() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

void writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    ASSERT_TRUE(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// The files the installation copies; the registration writes the same ones.
QByteArray installedDataFile(const char* name)
{
    return readBytes(QString::fromUtf8(PROBEL_SOURCE_DIR) + QStringLiteral("/data/") + QString::fromUtf8(name));
}

const QByteArray kExpectedMimePackage = installedDataFile("probel-mime.xml");

// The installed entry with its Exec line naming the program by `exec`.
QByteArray expectedDesktopEntry(const QByteArray& exec)
{
    QByteArray entry = installedDataFile("probel.desktop");
    const QByteArray installedExec = "\nExec=probel %F\n";
    const auto at = entry.indexOf(installedExec);
    return at < 0 ? QByteArray() : entry.replace(at, installedExec.size(), "\nExec=" + exec + " %F\n");
}

TEST(FileTypeRegistrationTest, WritesTheMimePackageAndTheDesktopEntry)
{
    QTemporaryDir dataHome;
    QTemporaryDir tools;
    // Records its arguments, so the test sees what each tool was run on.
    writeScript(tools.filePath(QStringLiteral("update-mime-database")), "printf '%s\\n' \"$@\" > \"$0.args\"\n");
    writeScript(tools.filePath(QStringLiteral("update-desktop-database")), "printf '%s\\n' \"$@\" > \"$0.args\"\n");
    PathOverride path(tools.path());

    FileTypeRegistration registration(QStringLiteral("/opt/probel/bin/probel"), dataHome.path());
    EXPECT_TRUE(registration.run());

    EXPECT_EQ(registration.mimePackagePath(), dataHome.filePath(QStringLiteral("mime/packages/probel.xml")));
    EXPECT_EQ(registration.desktopEntryPath(), dataHome.filePath(QStringLiteral("applications/probel.desktop")));
    EXPECT_EQ(readBytes(registration.mimePackagePath()), kExpectedMimePackage);
    EXPECT_EQ(readBytes(registration.desktopEntryPath()), expectedDesktopEntry("/opt/probel/bin/probel"));
    // The desktop entry names Icon=probel; the launcher finds it in the user's hicolor theme.
    EXPECT_EQ(registration.iconPath(), dataHome.filePath(QStringLiteral("icons/hicolor/scalable/apps/probel.svg")));
    EXPECT_EQ(readBytes(registration.iconPath()), installedDataFile("probel.svg"));
    EXPECT_EQ(readBytes(tools.filePath(QStringLiteral("update-mime-database.args"))),
              QFile::encodeName(dataHome.filePath(QStringLiteral("mime"))) + '\n');
    EXPECT_EQ(readBytes(tools.filePath(QStringLiteral("update-desktop-database.args"))),
              QFile::encodeName(dataHome.filePath(QStringLiteral("applications"))) + '\n');
}

TEST(FileTypeRegistrationTest, AMissingIconIsPutBackAndAPresentOneIsLeftAlone)
{
    QTemporaryDir dataHome;
    FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
    ASSERT_TRUE(registration.installIcon());
    EXPECT_EQ(readBytes(registration.iconPath()), installedDataFile("probel.svg"));

    QFile own(registration.iconPath());
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("<svg/>");  // a theme's own version of the icon
    own.close();
    EXPECT_TRUE(registration.installIcon());
    EXPECT_EQ(readBytes(registration.iconPath()), QByteArray("<svg/>"));

    QFile blocker(dataHome.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_FALSE(FileTypeRegistration(QStringLiteral("/usr/bin/probel"), blocker.fileName()).installIcon());
}

TEST(FileTypeRegistrationTest, TheMimeDatabaseMatchesPblInAnyLetterCase)
{
    if (QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        GTEST_SKIP() << "update-mime-database is not installed";
    }
    QTemporaryDir dataHome;
    FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
    ASSERT_TRUE(registration.run());
    // The built database lists the glob without the case-sensitive flag.
    const QByteArray globs = readBytes(dataHome.filePath(QStringLiteral("mime/globs2")));
    EXPECT_TRUE(globs.contains("50:application/x-probel:*.pbl\n")) << globs.constData();
    EXPECT_FALSE(globs.contains("*.pbl:cs")) << globs.constData();
}

TEST(FileTypeRegistrationTest, ProgramPathsAreQuotedAndEscapedForTheExecLine)
{
    const std::vector<std::pair<QString, QByteArray>> cases = {
        {QStringLiteral("/usr/bin/probel"), "/usr/bin/probel"},
        {QStringLiteral("/home/u/My Apps/probel"), "\"/home/u/My Apps/probel\""},
        {QStringLiteral("/home/u/ﾌﾟﾛﾍﾞﾙ/probel"), "/home/u/ﾌﾟﾛﾍﾞﾙ/probel"},
        {QStringLiteral("/opt/100%/probel"), "/opt/100%%/probel"},
        {QStringLiteral("/opt/%2%F/probel"), "/opt/%%2%%F/probel"},
        {QStringLiteral("/opt/a$b/pro\"bel"), "\"/opt/a\\\\$b/pro\\\\\"bel\""},
        {QStringLiteral("/opt/back\\slash/probel"), "\"/opt/back\\\\\\\\slash/probel\""},
        {QStringLiteral("/opt/it's/probel"), "\"/opt/it's/probel\""},
    };
    for (const auto& [program, exec] : cases) {
        EXPECT_EQ(FileTypeRegistration::desktopEntry(program), expectedDesktopEntry(exec)) << program.toStdString();
    }
    EXPECT_TRUE(FileTypeRegistration::desktopEntry(QStringLiteral("probel")).isEmpty());
    EXPECT_TRUE(FileTypeRegistration::desktopEntry(QStringLiteral("/opt/a\nb/probel")).isEmpty());
}

TEST(FileTypeRegistrationTest, AFailedWriteStopsTheRegistration)
{
    QTemporaryDir dataHome;
    // "mime" is a file, so the package cannot be written; nothing after it happens.
    QFile blocker(dataHome.filePath(QStringLiteral("mime")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
    EXPECT_FALSE(registration.run());
    EXPECT_FALSE(QFile::exists(registration.desktopEntryPath()));

    FileTypeRegistration relative(QStringLiteral("bin/probel"), dataHome.path());
    EXPECT_FALSE(relative.run());
}

TEST(FileTypeRegistrationTest, AFailingToolIsAFailureAndAMissingOneIsNot)
{
    QTemporaryDir tools;
    writeScript(tools.filePath(QStringLiteral("update-mime-database")), "exit 0\n");
    writeScript(tools.filePath(QStringLiteral("update-desktop-database")), "exit 3\n");
    {
        PathOverride path(tools.path());
        QTemporaryDir dataHome;
        FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
        EXPECT_FALSE(registration.run());
        // The files were written before the tool ran.
        EXPECT_TRUE(QFile::exists(registration.desktopEntryPath()));
    }

    QTemporaryDir empty;
    const QByteArray saved = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(empty.path()));
    QTemporaryDir dataHome;
    FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
    const bool registered = registration.run();
    qputenv("PATH", saved);
    EXPECT_TRUE(registered);
}

TEST(FileTypeRegistrationTest, AToolThatHangsIsStoppedAndCountsAsFailure)
{
    QTemporaryDir tools;
    writeScript(tools.filePath(QStringLiteral("update-mime-database")), "exec sleep 30\n");
    PathOverride path(tools.path());
    QTemporaryDir dataHome;
    FileTypeRegistration registration(QStringLiteral("/usr/bin/probel"), dataHome.path());
    registration.setToolTimeoutMs(200);
    EXPECT_FALSE(registration.run());
}

}  // namespace
}  // namespace probel
