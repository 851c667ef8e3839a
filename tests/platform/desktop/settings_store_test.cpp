// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace probel {
namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

struct StoredValue {
    std::string section;
    std::string key;
    std::string value;
};

// Values that an INI file or QSettings could take for something other than plain text.
const std::vector<StoredValue> kAwkwardValues = {
    {"EXT", "Check", "True"},
    {"MDIOutput", "Left", "1500"},
    {"MDIOutput", "Top", "-0030"},
    {"MDIOutput", "WindowState", "2"},
    {"Active", "hWnd", "94371842"},
    {"SekSetForm", "Format", "0.0E+0"},
    {"DataNewForm", "List", "1,5"},
    {"DataNewForm", "Spaces", "  two  "},
    {"DataNewForm", "Marker", "△"},
    {"DataNewForm", "Empty", ""},
    {"DataNewForm", "Variant", "@Variant(abc)"},
    {"DataNewForm", "Quotes", "\"quoted\" ; not a comment"},
    {"DataNewForm", "Lines", "one\ntwo"},
    {"DataNewForm", "Path", "C:\\データ\\a.pbl"},
    {"ｸﾞﾗﾌ設定", "軸の単位", "ミリメートル"},
};

TEST(QtSettingsStoreTest, ValuesComeBackAsTheTextThatWasSaved)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Probel.ini"));
    {
        QtSettingsStore store(path);
        for (const auto& stored : kAwkwardValues) {
            store.saveSetting(stored.section, stored.key, stored.value);
        }
        EXPECT_TRUE(store.writable());
    }
    QtSettingsStore reopened(path);
    for (const auto& stored : kAwkwardValues) {
        EXPECT_EQ(reopened.getSetting(stored.section, stored.key, "missing"), stored.value)
            << stored.section << "/" << stored.key;
    }
}

TEST(QtSettingsStoreTest, FileHoldsPlainTextUnderTheGivenSections)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Probel.ini"));
    QtSettingsStore store(path);
    store.saveSetting("EXT", "Check", "True");
    store.saveSetting("MDIOutput", "Left", "1500");
    store.saveSetting("MDIOutput", "WindowState", "0");

    // Written at once, not when the store goes away.
    EXPECT_EQ(readText(path), QStringLiteral("[EXT]\nCheck=True\n\n[MDIOutput]\nLeft=1500\nWindowState=0\n"));
}

TEST(QtSettingsStoreTest, MissingKeysSectionsAndFilesGiveTheDefault)
{
    QTemporaryDir folder;
    QtSettingsStore none(folder.filePath(QStringLiteral("absent.ini")));
    EXPECT_EQ(none.getSetting("MDIOutput", "Left", "0"), "0");
    EXPECT_EQ(none.getSetting("EXT", "Check", "False"), "False");

    QtSettingsStore store(folder.filePath(QStringLiteral("Probel.ini")));
    store.saveSetting("MDIOutput", "Left", "15");
    EXPECT_EQ(store.getSetting("MDIOutput", "Top", "0"), "0");
    EXPECT_EQ(store.getSetting("Other", "Left", "7"), "7");
    // Keys are told apart by letter case, as they are written.
    EXPECT_EQ(store.getSetting("MDIOutput", "left", "none"), "none");
}

TEST(QtSettingsStoreTest, HandEditedValuesAreReadAsText)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Probel.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[MDIOutput]\nLeft=12,5\nTop=abc\n[DataNewForm]\nComment=\xE6\x97\xA5\xE6\x9C\xAC\n");
    file.close();

    QtSettingsStore store(path);
    EXPECT_EQ(store.getSetting("MDIOutput", "Left", "0"), "12,5");
    EXPECT_EQ(store.getSetting("MDIOutput", "Top", "0"), "abc");
    EXPECT_EQ(store.getSetting("DataNewForm", "Comment", ""), "日本");
}

TEST(QtSettingsStoreTest, UserStoreIsProbelIniInTheConfigFolder)
{
    QtSettingsStore store;
    const QString expected =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Probel/Probel.ini");
    EXPECT_EQ(QDir::cleanPath(store.fileName()), QDir::cleanPath(expected));
}

TEST(QtSettingsStoreTest, AFileThatCannotBeWrittenIsReported)
{
    QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QtSettingsStore store(folder.filePath(QStringLiteral("not-a-folder/Probel.ini")));
    store.saveSetting("EXT", "Check", "True");
    EXPECT_FALSE(store.writable());
}

}  // namespace
}  // namespace probel
