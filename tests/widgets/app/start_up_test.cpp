// SPDX-License-Identifier: MIT
#include "app/start_up.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "core/document/sheet_writer.h"
#include "support/desktop/in_memory_settings_store.h"

namespace probel::test {
namespace {

constexpr int kStartTimeoutMs = 20000;

TEST(StartUpTest, RegistrationRunsOnceAndIsMarkedDoneEvenWhenItFails)
{
    InMemorySettingsStore settings;
    int runs = 0;
    const auto failing = [&runs] {
        ++runs;
        return false;
    };
    EXPECT_FALSE(documentTypeRegistered(settings));
    ensureDocumentTypeRegistered(settings, failing);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(settings.getSetting("EXT", "Check", "-"), "True");
    ensureDocumentTypeRegistered(settings, failing);
    EXPECT_EQ(runs, 1);

    for (const char* value : {"False", "0", "", "yes"}) {
        InMemorySettingsStore other;
        other.saveSetting("EXT", "Check", value);
        EXPECT_FALSE(documentTypeRegistered(other)) << value;
    }
    InMemorySettingsStore edited;
    edited.saveSetting("EXT", "Check", " true ");
    EXPECT_TRUE(documentTypeRegistered(edited));
}

TEST(StartUpTest, TheWindowHandleIsStoredAsDecimalText)
{
    QWidget window;
    InMemorySettingsStore settings;
    storeWindowHandle(window, settings);
    EXPECT_EQ(settings.getSetting("Active", "hWnd", "-"), std::to_string(window.winId()));
}

// Two real starts of the program on the offscreen platform, with folders of their own.
class HandOffTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        for (const char* folder : {"runtime", "config/Probel", "data", "docs"}) {
            ASSERT_TRUE(QDir().mkpath(home_.filePath(QString::fromLatin1(folder))));
        }
        QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Registered already: the test is about the hand-off, not about the desktop databases.
        settings().setValue(QStringLiteral("EXT/Check"), QStringLiteral("True"));
        settings().sync();
    }
    void TearDown() override
    {
        for (QProcess* process : {&first_, &second_}) {
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished();
            }
        }
    }

    QSettings& settings()
    {
        if (!settings_) {
            settings_.emplace(home_.filePath(QStringLiteral("config/Probel/Probel.ini")), QSettings::IniFormat);
        }
        settings_->sync();
        return *settings_;
    }

    void start(QProcess& process, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
        environment.insert(QStringLiteral("PROBEL_REPORT_OPENED"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(PROBEL_PROGRAM_PATH), arguments);
        ASSERT_TRUE(process.waitForStarted(kStartTimeoutMs));
    }

    // Reads the program's output until `line` has come; false when it does not within the time.
    bool waitForLine(QProcess& process, QByteArray& seen, const QByteArray& line)
    {
        QElapsedTimer waited;
        waited.start();
        while (!seen.split('\n').contains(line)) {
            if (waited.elapsed() > kStartTimeoutMs || process.state() == QProcess::NotRunning) {
                return false;
            }
            process.waitForReadyRead(100);
            seen += process.readAllStandardOutput();
        }
        return true;
    }

    std::string document(const char* name)
    {
        const std::string path = home_.filePath(QStringLiteral("docs/") + QString::fromLatin1(name)).toStdString();
        ChartSheet sheet;
        EXPECT_TRUE(writeSheetFile(sheet, path).ok());
        return std::filesystem::canonical(path).string();
    }

    QTemporaryDir home_;
    std::optional<QSettings> settings_;
    QProcess first_;
    QProcess second_;
};

TEST_F(HandOffTest, ASecondStartNamingAFileHandsItToTheRunningProgramAndEnds)
{
    const std::string lot = document("lot.pbl");
    QByteArray firstOutput;
    start(first_, {});
    ASSERT_TRUE(waitForLine(first_, firstOutput, "ready")) << first_.readAllStandardError().toStdString();
    const QString handle = settings().value(QStringLiteral("Active/hWnd")).toString();
    bool numeric = false;
    handle.toULongLong(&numeric);
    EXPECT_TRUE(numeric) << handle.toStdString();

    start(second_, {QString::fromStdString(lot)});
    ASSERT_TRUE(second_.waitForFinished(kStartTimeoutMs));
    EXPECT_EQ(second_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second_.exitCode(), 0);
    EXPECT_FALSE(second_.readAllStandardOutput().contains("ready")) << "the second start never showed a window";
    EXPECT_TRUE(waitForLine(first_, firstOutput, QByteArray("opened ") + lot.c_str()));

    // The same file through a relative name is not opened twice.
    const std::string other = document("other.pbl");
    second_.setWorkingDirectory(home_.filePath(QStringLiteral("docs")));
    start(second_, {QStringLiteral("lot.pbl"), QString::fromStdString(other)});
    ASSERT_TRUE(second_.waitForFinished(kStartTimeoutMs));
    EXPECT_TRUE(waitForLine(first_, firstOutput, QByteArray("opened ") + other.c_str()));
    EXPECT_EQ(firstOutput.count("opened "), 2) << firstOutput.toStdString();
}

TEST_F(HandOffTest, ASecondStartWithoutFilesIsAnOrdinaryWindowThatLeavesTheFirstsSettings)
{
    QByteArray firstOutput;
    start(first_, {});
    ASSERT_TRUE(waitForLine(first_, firstOutput, "ready"));
    const QString handle = settings().value(QStringLiteral("Active/hWnd")).toString();

    QByteArray secondOutput;
    start(second_, {});
    ASSERT_TRUE(waitForLine(second_, secondOutput, "ready"));
    EXPECT_EQ(settings().value(QStringLiteral("Active/hWnd")).toString(), handle);
    EXPECT_EQ(second_.state(), QProcess::Running);
}

// A script that waits for "ready" acts on the window: the documents named at the start must be
// open by then.
TEST_F(HandOffTest, ReadyComesAfterTheDocumentsOfTheCommandLineAreOpen)
{
    const std::string first = document("first.pbl");
    const std::string second = document("second.pbl");
    QByteArray output;
    start(first_, {QString::fromStdString(first), QString::fromStdString(second)});
    ASSERT_TRUE(waitForLine(first_, output, "ready")) << first_.readAllStandardError().toStdString();
    const QList<QByteArray> lines = output.split('\n');
    const auto ready = lines.indexOf("ready");
    EXPECT_EQ(lines.mid(0, ready),
              (QList<QByteArray>{QByteArray("opened ") + first.c_str(), QByteArray("opened ") + second.c_str()}))
        << output.toStdString();
}

TEST_F(HandOffTest, AStartNamingAFileWithNobodyRunningOpensItItself)
{
    const std::string lot = document("lot.pbl");
    QByteArray output;
    start(first_, {QString::fromStdString(lot)});
    EXPECT_TRUE(waitForLine(first_, output, QByteArray("opened ") + lot.c_str()));
    EXPECT_TRUE(waitForLine(first_, output, "ready"));
}

}  // namespace
}  // namespace probel::test
