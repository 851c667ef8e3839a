// SPDX-License-Identifier: MIT
#include "platform/desktop/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include <string>

namespace probel {
namespace {

TEST(QtClipboard, PutsAndReadsPlainTextKeepingLineEndsAndJapanese)
{
    QtClipboard clipboard;
    const std::string text = "1\r\n2.5\r\n-0.25\r\nデータ１\n";
    clipboard.setText(text);
    EXPECT_TRUE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), text);
    // Other programs see it as the system clipboard's plain text.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(text));
}

TEST(QtClipboard, TellsTextFromOtherContent)
{
    QtClipboard clipboard;
    auto* image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    QGuiApplication::clipboard()->setMimeData(image);
    EXPECT_FALSE(clipboard.hasText());
    EXPECT_EQ(clipboard.text(), "");

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(clipboard.hasText());

    // Empty text is still text.
    clipboard.setText("");
    EXPECT_EQ(clipboard.text(), "");
}

}  // namespace
}  // namespace probel
