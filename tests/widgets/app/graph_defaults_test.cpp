// SPDX-License-Identifier: MIT
#include "app/graph_defaults.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "core/graph/graph_settings.h"
#include "core/graph/normo_bp.h"
#include "platform/desktop/qt_settings_store.h"
#include "support/desktop/in_memory_settings_store.h"

namespace probel {
namespace {

TEST(GraphDefaults, MissingKeysGiveTheBuiltInDefaults)
{
    const test::InMemorySettingsStore empty;
    NormoBp graph;
    applyGraphDefaults(graph, empty);
    EXPECT_EQ(graph.lineDrawStyle(), kPenDot);
    EXPECT_EQ(graph.frameWidth(), 200);
    EXPECT_EQ(graph.frameHeight(), 200);
    EXPECT_FALSE(graph.logV());
    EXPECT_EQ(graph.min(), 0);
    EXPECT_EQ(graph.max(), 100);
    EXPECT_EQ(graph.xJikuStep(), 10);
    EXPECT_TRUE(graph.memoriCheck());
    EXPECT_TRUE(graph.xJikuCheck());
    EXPECT_EQ(graph.bunnkatu(), 10);
}

TEST(GraphDefaults, StoredInTheIniFileAsTextAndReadBackAfterARestart)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString ini = folder.filePath(QStringLiteral("Probel.ini"));
    NormoBp stored;
    stored.setLogV(true);
    stored.setMin(0.001);
    stored.setMax(500);  // a logarithmic axis keeps whole decades: 1000
    stored.setFrameWidth(300);
    stored.setFrameHeight(250);
    stored.setFrameColor(0x0000FF);
    stored.setTanni("μm");
    stored.setXJikuCheck(false);
    {
        QtSettingsStore settings(ini);
        storeGraphDefaults(stored, settings);
    }
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const char* line : {"[SekSetForm]", "LogV=True", "XJikuCheck=False", "FrameWidth=300", "Max=1000", "Min=0.001",
                             "FrameColor=255"}) {
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    }

    const QtSettingsStore restarted(ini);
    NormoBp fresh;
    applyGraphDefaults(fresh, restarted);
    GraphSettings expected = graphSettings(stored);
    GraphSettings read = graphSettings(fresh);
    // The frame's place and the font are not defaults.
    expected.frame.left = read.frame.left;
    expected.frame.top = read.frame.top;
    EXPECT_EQ(read, expected);

    // Hand-edited values in another letter case or as numbers still read.
    {
        QtSettingsStore settings(ini);
        settings.saveSetting("SekSetForm", "MemoriCheck", "false");
        settings.saveSetting("SekSetForm", "XJikuCheck", "1");
        settings.saveSetting("SekSetForm", "Bunnkatu", "abc");
    }
    NormoBp edited;
    applyGraphDefaults(edited, QtSettingsStore(ini));
    EXPECT_FALSE(edited.memoriCheck());
    EXPECT_TRUE(edited.xJikuCheck());
    EXPECT_EQ(edited.bunnkatu(), 10);
}

}  // namespace
}  // namespace probel
